#pragma once

// The text panel, shared by the four text kinds: the text with its font and
// colours, alignment, background, effects or rolling, and how long it plays.

#include "panels/MediaPanel.h"

class TextPanel : public MediaPanel
{
    Q_OBJECT

public:
    TextPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

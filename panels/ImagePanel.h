#pragma once

// The image panel: background, music, effects, scale, stay time, transparency
// and rotation of an "image" or "office" item.

#include "panels/MediaPanel.h"

class ImagePanel : public MediaPanel
{
    Q_OBJECT

public:
    ImagePanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

#pragma once

// The count-timer panel: background, transparency, counting direction, digit
// colour and the length a "digitalTimer" item counts.

#include "panels/MediaPanel.h"

class DigitalTimerPanel : public MediaPanel
{
    Q_OBJECT

public:
    DigitalTimerPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

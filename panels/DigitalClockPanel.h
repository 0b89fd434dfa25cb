#pragma once

// The digital-clock panel: background, date style, fixed text, font, colours,
// stay time, the parts of date and time shown, their formats and a time offset.

#include "panels/MediaPanel.h"

class DigitalClockPanel : public MediaPanel
{
    Q_OBJECT

public:
    DigitalClockPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

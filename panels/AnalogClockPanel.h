#pragma once

// The analog-clock panel: background, dial text, date and weekday lines, time
// offset, stay time and the colours, sizes and shapes of marks and hands.

#include "panels/MediaPanel.h"

class AnalogClockPanel : public MediaPanel
{
    Q_OBJECT

public:
    AnalogClockPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

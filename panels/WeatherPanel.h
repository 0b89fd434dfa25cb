#pragma once

// The weather panel: background, update interval and play time of a "weather"
// item, and the province and city whose forecast is asked for.

#include "panels/MediaPanel.h"

class WeatherPanel : public MediaPanel
{
    Q_OBJECT

public:
    WeatherPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

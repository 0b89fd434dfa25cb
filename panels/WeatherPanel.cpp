// The weather panel: its place below the media table and its texts.

#include "panels/WeatherPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
WeatherPanel::WeatherPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Weather, windowPanel, 200, 220)
{ }

void WeatherPanel::trUpdate()
{
    // no texts of its own yet
}

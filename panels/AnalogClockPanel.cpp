// The analog-clock panel: its place below the media table and its texts.

#include "panels/AnalogClockPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
AnalogClockPanel::AnalogClockPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::AnalogClock, windowPanel, 200, 220)
{ }

void AnalogClockPanel::trUpdate()
{
    // no texts of its own yet
}

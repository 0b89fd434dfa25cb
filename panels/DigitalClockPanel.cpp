// The digital-clock panel: its place below the media table and its texts.

#include "panels/DigitalClockPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
DigitalClockPanel::DigitalClockPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::DigitalClock, windowPanel, 200, 220)
{ }

void DigitalClockPanel::trUpdate()
{
    // no texts of its own yet
}

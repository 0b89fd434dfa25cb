// The count-timer panel: its place below the media table and its texts.

#include "panels/DigitalTimerPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
DigitalTimerPanel::DigitalTimerPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::DigitalTimer, windowPanel, 200, 220)
{ }

void DigitalTimerPanel::trUpdate()
{
    // no texts of its own yet
}

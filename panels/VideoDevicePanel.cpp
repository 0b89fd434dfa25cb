// The camera panel: its place below the media table and its texts.

#include "panels/VideoDevicePanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
VideoDevicePanel::VideoDevicePanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::VideoDevice, windowPanel, 200, 220)
{ }

void VideoDevicePanel::trUpdate()
{
    // no texts of its own yet
}

// The video panel: its place below the media table and its texts.

#include "panels/VideoPanel.h"

// 220 pixels high, against the lower edge of the window panel.
VideoPanel::VideoPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Video, windowPanel, 220, 220)
{ }

void VideoPanel::trUpdate()
{
    // no texts of its own yet
}

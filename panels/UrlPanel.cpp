// The web-page panel: its place below the media table and its texts.

#include "panels/UrlPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
UrlPanel::UrlPanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Url, windowPanel, 200, 220)
{ }

void UrlPanel::trUpdate()
{
    // no texts of its own yet
}

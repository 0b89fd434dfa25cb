// The streaming panel: its place below the media table and its texts.

#include "panels/StreamingPanel.h"

// 200 pixels high when built, 220 once the main window was maximised or restored.
StreamingPanel::StreamingPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Streaming, windowPanel, 200, 220)
{ }

void StreamingPanel::trUpdate()
{
    // no texts of its own yet
}

// The text panel: its place below the media table and its texts.

#include "panels/TextPanel.h"

// 200 pixels high, against the lower edge of the window panel.
TextPanel::TextPanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Text, windowPanel, 200, 200)
{ }

void TextPanel::trUpdate()
{
    // no texts of its own yet
}

// The image panel: its place below the media table and its texts.

#include "panels/ImagePanel.h"

// 220 pixels high, against the lower edge of the window panel.
ImagePanel::ImagePanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Image, windowPanel, 220, 220)
{ }

void ImagePanel::trUpdate()
{
    // no texts of its own yet
}

// The segment panel: its place in the property area and its texts.

#include "panels/SegmentPanel.h"

// Placed once: maximising the main window leaves this panel at its first size.
SegmentPanel::SegmentPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
}

void SegmentPanel::trUpdate()
{
    // no texts of its own yet
}

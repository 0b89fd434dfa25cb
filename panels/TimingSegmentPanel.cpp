// The timing-segment panel: its place in the property area and its texts.

#include "panels/TimingSegmentPanel.h"

// Placed once: maximising the main window leaves this panel at its first size.
TimingSegmentPanel::TimingSegmentPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
}

void TimingSegmentPanel::trUpdate()
{
    // no texts of its own yet
}

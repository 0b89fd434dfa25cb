// The program panel: its place in the property area and its texts.

#include "panels/ProgramPanel.h"

// Placed once: maximising the main window leaves this panel at its first size.
ProgramPanel::ProgramPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
}

void ProgramPanel::trUpdate()
{
    // no texts of its own yet
}

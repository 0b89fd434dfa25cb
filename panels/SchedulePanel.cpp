// The schedule panel: its place in the property area and its texts.

#include "panels/SchedulePanel.h"

SchedulePanel::SchedulePanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
}

void SchedulePanel::trUpdate()
{
    // no texts of its own yet
}

void SchedulePanel::relayout()
{
    placeInPropertyArea();
}

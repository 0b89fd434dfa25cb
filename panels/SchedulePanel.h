#pragma once

// The schedule panel, shown for the tree's root: the calendar of the schedule
// and the preview of its play plan.

#include "panels/PropertyPanel.h"

class SchedulePanel : public PropertyPanel
{
    Q_OBJECT

public:
    SchedulePanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
    // Placed again when the main window is maximised or restored.
    void relayout();
};

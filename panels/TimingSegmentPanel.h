#pragma once

// The timing-segment panel: name, the list of time points and how each
// insertion plays.

#include "panels/PropertyPanel.h"

class TimingSegmentPanel : public PropertyPanel
{
    Q_OBJECT

public:
    TimingSegmentPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
};

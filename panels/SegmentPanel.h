#pragma once

// The segment panel, shared by general and cycle-inserted segments: name,
// effective dates, weekdays, time of day and, for a cycle segment, how it plays.

#include "panels/PropertyPanel.h"

class SegmentPanel : public PropertyPanel
{
    Q_OBJECT

public:
    SegmentPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
};

#pragma once

// The text that names a time point in the timing-segment panel's list:
//
//     [08:30] [2019-03-01 to 2019-03-31] [Monday,Friday]
//
// the time; the dates when the point has dates of its own; the days when
// it is limited to one to six of them (all seven or none say nothing).

#include <QCoreApplication>
#include <QString>

class TimePoint;

class TimePointLabel
{
    Q_DECLARE_TR_FUNCTIONS(TimePointLabel)

public:
    static QString of(const TimePoint &point);
};

#pragma once

// The lines of the schedule panel's play plan, as a pure function of a day
// and the three segments that the plan lists (the last of each list of the
// current display window). A day lists the general segment's line and the
// cycle segment's line when they apply that day, then one line per time
// point of the timing segment, which applies every day.
//
//     General Segment1 [0:00-Next Day0:00]
//     Cycle Inserted Segment1 [22:00-Next Day06:00][Every 30Minutes]
//     Timing Inserted Segment1 [08:30]

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

class CycleObject;
class GeneralObject;
class TimingObject;

class PlayPlan
{
    Q_DECLARE_TR_FUNCTIONS(PlayPlan)

public:
    // A plan lists at most a year and a day.
    static constexpr int kMaxDays = 366;

    // Days from `from` to `to`, both included: 0 when `to` lies before
    // `from` (or either is invalid), never more than kMaxDays.
    static int dayCount(const QDate &from, const QDate &to);

    // No line (empty) without a segment or on a day it does not apply.
    static QStringList generalLines(const QDate &day, const GeneralObject *segment);
    static QStringList cycleLines(const QDate &day, const CycleObject *segment);
    static QStringList timingLines(const TimingObject *segment);

    // The three above, in that order.
    static QStringList linesOfDay(const QDate &day, const GeneralObject *general, const CycleObject *cycle,
                                  const TimingObject *timing);
};

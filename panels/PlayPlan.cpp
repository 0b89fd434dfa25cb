// The play plan's lines.

#include "panels/PlayPlan.h"

#include "model/ScheduleRecords.h"
#include "model/SegmentValidity.h"

namespace {

// The day lies in the segment's dates (when it has any) and on one of its
// weekdays, by the rule the player applies.
template <typename Segment>
bool appliesOn(const QDate &day, const Segment &segment)
{
    return SegmentValidity::dateApplies(segment.specifiedDate, segment.startDate, segment.endDate, day)
           && segment.weekdays.contains(SegmentValidity::weekdayName(day));
}

template <typename Segment>
QString timeOfDayLine(const Segment &segment, const QString &nextDay)
{
    const QString hhmm = QStringLiteral("HH:mm");
    if (segment.allTime)
        return segment.name + QStringLiteral(" [0:00") + nextDay + QStringLiteral("0:00]");
    const QString separator = segment.startTime > segment.endTime ? nextDay : QStringLiteral("-");
    return segment.name + QStringLiteral(" [") + segment.startTime.toString(hhmm) + separator
           + segment.endTime.toString(hhmm) + QStringLiteral("]");
}

} // namespace

int PlayPlan::dayCount(const QDate &from, const QDate &to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    return int(qBound<qint64>(0, from.daysTo(to) + 1, kMaxDays));
}

QStringList PlayPlan::generalLines(const QDate &day, const GeneralObject *segment)
{
    if (!segment || !appliesOn(day, *segment))
        return {};
    return {timeOfDayLine(*segment, tr("-Next Day"))};
}

QStringList PlayPlan::cycleLines(const QDate &day, const CycleObject *segment)
{
    if (!segment || !appliesOn(day, *segment))
        return {};
    QString line = timeOfDayLine(*segment, tr("-Next Day"));
    // Without dates of its own the segment says how often it comes.
    if (!segment->specifiedDate)
        line += QStringLiteral("[") + tr("Every ") + QString::number(segment->intervalMinutes) + tr("Minutes")
                + QStringLiteral("]");
    return {line};
}

QStringList PlayPlan::timingLines(const TimingObject *segment)
{
    QStringList lines;
    if (!segment)
        return lines;
    for (const TimePoint *point : segment->timePoints) {
        if (point)
            lines << segment->name + QStringLiteral(" [") + point->time.toString(QStringLiteral("HH:mm"))
                         + QStringLiteral("]");
    }
    return lines;
}

QStringList PlayPlan::linesOfDay(const QDate &day, const GeneralObject *general, const CycleObject *cycle,
                                 const TimingObject *timing)
{
    return generalLines(day, general) + cycleLines(day, cycle) + timingLines(timing);
}

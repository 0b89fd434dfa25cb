#include "model/SegmentValidity.h"

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"

namespace SegmentValidity {

QString weekdayName(const QDate &date)
{
    return Weekday::allDays().value(date.dayOfWeek() - 1);
}

bool dateApplies(bool specifiedDate, const QDate &startDate, const QDate &endDate, const QDate &today)
{
    if (!specifiedDate)
        return true;
    return startDate.isValid() && endDate.isValid() && startDate <= today && today <= endDate;
}

bool timeApplies(bool allTime, const QTime &startTime, const QTime &endTime, const QTime &now, bool endExclusive)
{
    if (allTime)
        return true;
    if (!endTime.isValid())
        return false;
    if (startTime.isValid() && startTime > endTime)
        return false;
    const bool afterStart = !startTime.isValid() || startTime <= now;
    const bool beforeEnd = endExclusive ? now < endTime : now <= endTime;
    return afterStart && beforeEnd;
}

bool isValid(const GeneralObject &segment, const QDateTime &now, bool endExclusive)
{
    return dateApplies(segment.specifiedDate, segment.startDate, segment.endDate, now.date())
           && segment.weekdays.contains(weekdayName(now.date()))
           && timeApplies(segment.allTime, segment.startTime, segment.endTime, now.time(), endExclusive);
}

bool isValid(const CycleObject &segment, const QDateTime &now)
{
    return dateApplies(segment.specifiedDate, segment.startDate, segment.endDate, now.date())
           && segment.weekdays.contains(weekdayName(now.date()))
           && timeApplies(segment.allTime, segment.startTime, segment.endTime, now.time());
}

} // namespace SegmentValidity

#pragma once

// When a segment or a time point applies: its date range, its weekdays and
// its time of day, tested against a given moment.

#include <QDateTime>
#include <QStringList>

class GeneralObject;
class CycleObject;

namespace SegmentValidity {

// "Monday" .. "Sunday" for the date; empty for an invalid one.
QString weekdayName(const QDate &date);

// Both ends inclusive; any day when no date range is specified.
bool dateApplies(bool specifiedDate, const QDate &startDate, const QDate &endDate, const QDate &today);

// Any time when allTime is set. Otherwise start <= now <= end (now < end when
// endExclusive); a window that would cross midnight never applies, an unset
// end never does, an unset start is earlier than any time.
bool timeApplies(bool allTime, const QTime &startTime, const QTime &endTime, const QTime &now,
                 bool endExclusive = false);

bool isValid(const GeneralObject &segment, const QDateTime &now, bool endExclusive = false);
bool isValid(const CycleObject &segment, const QDateTime &now);

} // namespace SegmentValidity

// Keeping a video item's play range valid.

#include "panels/VideoRange.h"

namespace VideoRange {

namespace {

constexpr int kDayMs = 24 * 3600 * 1000;

int msOf(const QTime &time)
{
    return time.isValid() ? QTime(0, 0).msecsTo(time) : 0;
}

QTime timeOf(int ms)
{
    return QTime(0, 0).addMSecs(qBound(0, ms, kDayMs - 1));
}

} // namespace

Range settle(const Range &edited, const QTime &length, Edited which)
{
    // Without a known length the last end is the last second of the day.
    const int limit = msOf(length) > 0 ? msOf(length) : kDayMs - 1000;
    int start = msOf(edited.start);
    int end = qMin(msOf(edited.end), limit);
    if (which == Edited::Start) {
        if (start >= end) {
            if (end >= 1000)
                start = end - 1000; // the nearest start before the end
            else
                end = start + 1000; // no start fits: the end moves after it
        }
    } else if (end <= start) {
        end = start + 1000; // the nearest end after the start
    }
    if (end > limit) {
        // The start lies at or past the length: it moves inside, the end to the length.
        end = limit;
        start = qMax(0, limit - 1000);
    }
    if (start >= end)
        start = qMax(0, end - 1000);
    return {timeOf(start), timeOf(end)};
}

} // namespace VideoRange

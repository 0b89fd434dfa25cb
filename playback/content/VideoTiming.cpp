// Video timer lengths and start positions.

#include "playback/content/VideoTiming.h"

#include "model/MediaProperties.h"
#include "model/VideoLength.h"

#include <QtGlobal>

namespace VideoTiming {

namespace {
constexpr qint64 kMinimumRangeMs = 1000;

qint64 durationMs(const QTime &length)
{
    if (!length.isValid())
        return 0;
    const qint64 whole = qint64(length.hour() * 3600 + length.minute() * 60 + length.second()) * 1000;
    const int ms = length.msec();
    return whole + (ms > 200 ? ms - 200 : 0);
}
} // namespace

qint64 stayMs(const VideoProperty &video)
{
    if (video.rangeOn) {
        // An end before its start still plays the shortest range, never a negative time.
        return qMax<qint64>(kMinimumRangeMs, (video.startTime.secsTo(video.endTime) + 1) * 1000);
    }
    const qint64 ms = durationMs(video.duration);
    return ms > 0 ? ms : -1;
}

qint64 lengthMs(double seconds)
{
    return qMax<qint64>(0, durationMs(VideoLength::asTime(seconds)));
}

int startSeconds(const VideoProperty &video)
{
    if (!video.rangeOn || !video.startTime.isValid())
        return 0;
    return QTime(0, 0).secsTo(video.startTime);
}

} // namespace VideoTiming

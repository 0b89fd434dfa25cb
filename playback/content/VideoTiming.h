#pragma once

// How long a video item plays, and where its file starts.

#include <QTime>

class VideoProperty;

namespace VideoTiming {

// Milliseconds the item's video timer runs: with the range on, the seconds
// from its start to its end and one more; else its stored length, whole
// seconds plus what the milliseconds exceed 200 by. -1 for a length of
// 00:00:00 (never previewed): the timer then starts at the file's own length
// report, by lengthMs.
qint64 stayMs(const VideoProperty &video);
// The same rule on a length libmpv reported, in seconds.
qint64 lengthMs(double seconds);
// Whole seconds into the file where play begins: the range's start while the
// range is on, else 0, so a range switched off plays the whole file.
int startSeconds(const VideoProperty &video);

} // namespace VideoTiming

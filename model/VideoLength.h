#pragma once

// A video file's length as libmpv reports it (seconds) and as a video item
// stores it (a time of day holding hours, minutes, seconds and milliseconds).

#include <QTime>

namespace VideoLength {

// Hours, minutes and seconds of the whole seconds, milliseconds of the
// fraction; 24 hours or more are stored as 23:59:59.999, nothing as 00:00:00.
QTime asTime(double seconds);

// True when a stored length says nothing: invalid or 00:00:00. Only such a
// length is filled in from the file when a schedule is read or an item added;
// a length the item stores rules its play.
bool isUnknown(const QTime &stored);

} // namespace VideoLength

// Reported video lengths as stored times.

#include "model/VideoLength.h"

namespace VideoLength {

QTime asTime(double seconds)
{
    if (!(seconds > 0))
        return QTime(0, 0);
    const qint64 whole = qint64(seconds);
    if (whole >= 24 * 3600)
        return QTime(23, 59, 59, 999);
    const int hours = int(whole / 3600);
    const int minutes = int((whole - hours * 3600) / 60);
    const int secs = int(whole % 60);
    const int ms = int(qint64(seconds * 1000) % 1000);
    return QTime(hours, minutes, secs, ms);
}

bool isUnknown(const QTime &stored)
{
    return !stored.isValid() || stored == QTime(0, 0);
}

} // namespace VideoLength

// Scale and rotation values of the video back ends.

#include "playback/video/VideoValues.h"

namespace VideoValues {

const char *zoomForScale(int scale)
{
    switch (scale) {
    case 0:
        return "20";
    case 1:
        return "0";
    default:
        return nullptr;
    }
}

int degreesForRotation(int index)
{
    return index >= 0 && index <= 3 ? index * 90 : -1;
}

QByteArray number(int value)
{
    return QByteArray::number(value);
}

} // namespace VideoValues

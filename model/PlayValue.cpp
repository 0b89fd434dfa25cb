#include "model/PlayValue.h"

namespace PlayValue {

namespace {
const QTime kDefaultProgramLength(0, 6, 0);

InsertedPlay decodeInserted(int playMode, int value, int otherMinutes)
{
    if (playMode == 0)
        return {value / 60, value % 60, value};
    return {otherMinutes, 0, value};
}
} // namespace

int encode(int playMode, int playMinutes, int playSeconds, int playTimes)
{
    if (playMode == 1)
        return playTimes;
    return int(qint64(playMinutes) * 60 + playSeconds);
}

InsertedPlay decodeCycle(int playMode, int value)
{
    return decodeInserted(playMode, value, 1);
}

InsertedPlay decodeTiming(int playMode, int value)
{
    return decodeInserted(playMode, value, 5);
}

int lengthSeconds(const QTime &length)
{
    if (!length.isValid())
        return 0;
    return length.hour() * 3600 + length.minute() * 60 + length.second();
}

QTime lengthFromSeconds(int seconds)
{
    return QTime(seconds / 3600, (seconds % 3600) / 60, seconds % 60);
}

ProgramPlay decodeProgram(int playMode, int value)
{
    switch (playMode) {
    case 0:
        return {value, kDefaultProgramLength};
    case 1:
        return {1, lengthFromSeconds(value)};
    default:
        return {1, kDefaultProgramLength};
    }
}

} // namespace PlayValue

#pragma once

// How the schedule file squeezes play settings into single ints, and how it
// gets them back. The squeeze loses what the mode does not use.

#include <QTime>

namespace PlayValue {

// An inserted segment's play value: the passes in mode 1, else the length in seconds.
int encode(int playMode, int playMinutes, int playSeconds, int playTimes);

struct InsertedPlay
{
    int minutes;
    int seconds;
    int times;
};
// Cycle segments read back 1:00 outside mode 0, timing segments 5:00.
InsertedPlay decodeCycle(int playMode, int value);
InsertedPlay decodeTiming(int playMode, int value);

// A general program's length as whole seconds, and back.
int lengthSeconds(const QTime &length);
QTime lengthFromSeconds(int seconds);

// What a general program reads back for its stored mode and value.
struct ProgramPlay
{
    int times;
    QTime length;
};
ProgramPlay decodeProgram(int playMode, int value);

} // namespace PlayValue

#pragma once

// Finding a record of a display window's schedule by the names of its
// owners. Records hold no pointers upwards: a window is known by its own
// name, its program's, its segment's and its display window's, and the first
// record whose names all match is the one meant.

#include <QList>
#include <QString>

class CommonWinObject;
class CycleObject;
class GeneralObject;
class ProgramObject;
class TimingObject;

// The three segment lists of one display window's schedule (not owned).
struct SegmentLists {
    const QList<GeneralObject *> *general = nullptr;
    const QList<CycleObject *> *cycle = nullptr;
    const QList<TimingObject *> *timing = nullptr;
};

// The names that place a record: its display window, segment, program and window.
struct OwnerNames {
    QString display;
    QString segment;
    QString program;
    QString window;
};

namespace RecordLookup {

// Every program of every segment of the type ("generalSegment", "cycleSegment",
// "timingSegment"), in list order; empty for any other type.
QList<ProgramObject *> programsOfType(const SegmentLists &lists, const QString &segmentType);

// The first program of a segment of the type with the program, segment and
// display names given (the window name is not used), or null.
ProgramObject *program(const SegmentLists &lists, const QString &segmentType, const OwnerNames &names);

// The first window of a segment of the type whose own, program, segment and
// display names are those given, or null.
CommonWinObject *window(const SegmentLists &lists, const QString &segmentType, const OwnerNames &names);

} // namespace RecordLookup

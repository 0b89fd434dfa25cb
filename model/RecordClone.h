#pragma once

// Deep copies of schedule records, as a paste makes them: everything below
// the copied record is copied too, nothing is shared with the source, and
// each copy takes the names of the owners that receive it. Media items get
// fresh ids from the receiving schedule's counter, in list order.

#include <QString>

class CommonWinObject;
class CycleObject;
class GeneralObject;
class ProgramObject;
class QVLedMediaObject;
class TimingObject;

namespace RecordClone {

// A media item with every property block and the kind of the source, owned by
// the receiving window (its names), with id nextId (then nextId + 1).
QVLedMediaObject *cloneMedia(const QVLedMediaObject &source, const CommonWinObject &receiver, int &nextId);

// A window named `name` in the program `programName` of the segment
// `segmentName` (of type `segmentType`) of the display window `displayName`,
// with the source's border, geometry and copies of its media.
CommonWinObject *cloneWindow(const CommonWinObject &source, const QString &name, const QString &programName,
                             const QString &segmentName, const QString &segmentType, const QString &displayName,
                             int &nextId);

// A program named `name` in the segment `segmentName` (of type `segmentType`);
// its windows keep their names.
ProgramObject *cloneProgram(const ProgramObject &source, const QString &name, const QString &segmentName,
                            const QString &segmentType, const QString &displayName, int &nextId);

// A segment named `name` of the display window `displayName`; its programs keep
// their names, a timing segment gets copies of its time points.
GeneralObject *cloneSegment(const GeneralObject &source, const QString &name, const QString &displayName,
                            int &nextId);
CycleObject *cloneSegment(const CycleObject &source, const QString &name, const QString &displayName, int &nextId);
TimingObject *cloneSegment(const TimingObject &source, const QString &name, const QString &displayName,
                           int &nextId);

} // namespace RecordClone

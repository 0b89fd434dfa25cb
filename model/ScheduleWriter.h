#pragma once

// Encodes a schedule to the bytes of a ".qvsc" file: the display-window
// counter, then per display window its record, its three segment counts and
// its segments with their programs, windows and media items, in list order.

#include <QByteArray>
#include <QList>

#include "model/ScheduleStream.h"

struct Schedule;
struct DisplayWindowSchedule;
class GeneralObject;
class CycleObject;
class TimingObject;
class ProgramObject;
class CommonWinObject;

class ScheduleWriter
{
public:
    ScheduleWriter();

    QByteArray encode(const Schedule &schedule);

private:
    void writeDisplayWindow(const DisplayWindowSchedule &displayWindow);
    void writeGeneralSegments(const QList<GeneralObject *> &segments);
    void writeCycleSegments(const QList<CycleObject *> &segments);
    void writeTimingSegments(const QList<TimingObject *> &segments);
    void writeGeneralPrograms(const QList<ProgramObject *> &programs);
    void writeCyclePrograms(const QList<ProgramObject *> &programs);
    void writeTimingPrograms(const QList<ProgramObject *> &programs);
    void writeInsertedPrograms(const QList<ProgramObject *> &programs);
    void writeProgramHead(const ProgramObject &program);
    void writeCommonWindows(const QList<CommonWinObject *> &windows);

    QByteArray m_bytes;
    ScheduleStreamWriter m_out;
};

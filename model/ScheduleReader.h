#pragma once

// Decodes the bytes of a ".qvsc" file into fresh records. The file is never
// trusted: a truncated, damaged or foreign file gives no records at all and
// an error that names what failed and at which offset.

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class OwnedSchedule;
struct DisplayWindowSchedule;
class GeneralObject;
class CycleObject;
class TimingObject;
class ProgramObject;
class CommonWinObject;
class ScheduleStreamReader;

class ScheduleReader
{
public:
    // The whole schedule, or null with errorString() set.
    std::unique_ptr<OwnedSchedule> decode(const QByteArray &bytes);
    QString errorString() const { return m_error; }

private:
    void readDisplayWindow(DisplayWindowSchedule &displayWindow);
    void readGeneralSegments(int count, QList<GeneralObject *> &segments);
    void readCycleSegments(int count, QList<CycleObject *> &segments);
    void readTimingSegments(int count, QList<TimingObject *> &segments);
    void readGeneralPrograms(int count, QList<ProgramObject *> &programs);
    void readCyclePrograms(int count, QList<ProgramObject *> &programs);
    void readTimingPrograms(int count, QList<ProgramObject *> &programs);
    void readInsertedPrograms(int count, QList<ProgramObject *> &programs);
    // Reads the fields every program kind stores before its play settings.
    ProgramObject *readProgramHead();
    void readCommonWindows(int count, QList<CommonWinObject *> &windows);

    ScheduleStreamReader *m_in = nullptr;
    QString m_error;
};

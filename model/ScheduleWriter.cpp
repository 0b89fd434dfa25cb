#include "model/ScheduleWriter.h"

#include "model/MediaItemCodec.h"
#include "model/PlayValue.h"
#include "model/Schedule.h"
#include "model/ScheduleRecords.h"

ScheduleWriter::ScheduleWriter() : m_out(&m_bytes) {}

QByteArray ScheduleWriter::encode(const Schedule &schedule)
{
    m_bytes.clear();
    m_out.writeInt(schedule.displayWindowCounter);
    m_out.writeInt(schedule.displayWindows.size());
    for (const DisplayWindowSchedule &displayWindow : schedule.displayWindows)
        writeDisplayWindow(displayWindow);
    return m_bytes;
}

void ScheduleWriter::writeDisplayWindow(const DisplayWindowSchedule &displayWindow)
{
    const PlayWinObject &record = *displayWindow.window;
    m_out.writeString(record.name);
    m_out.writeInt(record.x);
    m_out.writeInt(record.y);
    m_out.writeInt(record.width);
    m_out.writeInt(record.height);
    m_out.writeInt(record.onTopMode);
    m_out.writeInt(displayWindow.generalSegments.size());
    m_out.writeInt(displayWindow.cycleSegments.size());
    m_out.writeInt(displayWindow.timingSegments.size());
    writeGeneralSegments(displayWindow.generalSegments);
    writeCycleSegments(displayWindow.cycleSegments);
    writeTimingSegments(displayWindow.timingSegments);
}

void ScheduleWriter::writeGeneralSegments(const QList<GeneralObject *> &segments)
{
    for (const GeneralObject *segment : segments) {
        m_out.writeString(segment->displayName);
        m_out.writeString(segment->name);
        m_out.writeBool(segment->specifiedDate);
        m_out.writeDate(segment->startDate);
        m_out.writeDate(segment->endDate);
        m_out.writeWeekdays(segment->weekdays);
        m_out.writeBool(segment->allTime);
        m_out.writeTime(segment->startTime);
        m_out.writeTime(segment->endTime);
        m_out.writeInt(segment->programCounter);
        m_out.writeInt(segment->programs.size());
        writeGeneralPrograms(segment->programs);
    }
}

void ScheduleWriter::writeCycleSegments(const QList<CycleObject *> &segments)
{
    for (const CycleObject *segment : segments) {
        m_out.writeString(segment->displayName);
        m_out.writeString(segment->name);
        m_out.writeInt(segment->intervalMinutes);
        m_out.writeInt(segment->playMode);
        m_out.writeInt(PlayValue::encode(segment->playMode, segment->playMinutes,
                                         segment->playSeconds, segment->playTimes));
        m_out.writeBool(segment->specifiedDate);
        m_out.writeDate(segment->startDate);
        m_out.writeDate(segment->endDate);
        m_out.writeWeekdays(segment->weekdays);
        m_out.writeBool(segment->allTime);
        m_out.writeTime(segment->startTime);
        m_out.writeTime(segment->endTime);
        m_out.writeInt(segment->programCounter);
        m_out.writeInt(segment->programs.size());
        writeCyclePrograms(segment->programs);
    }
}

void ScheduleWriter::writeTimingSegments(const QList<TimingObject *> &segments)
{
    for (const TimingObject *segment : segments) {
        m_out.writeString(segment->displayName);
        m_out.writeString(segment->name);
        m_out.writeInt(segment->playMode);
        m_out.writeInt(PlayValue::encode(segment->playMode, segment->playMinutes,
                                         segment->playSeconds, segment->playTimes));
        m_out.writeInt(segment->timePoints.size());
        for (const TimePoint *point : segment->timePoints) {
            m_out.writeTime(point->time);
            m_out.writeBool(point->specifiedDate);
            m_out.writeDate(point->startDate);
            m_out.writeDate(point->endDate);
            m_out.writeWeekdays(point->weekdays);
        }
        m_out.writeInt(segment->programCounter);
        m_out.writeInt(segment->programs.size());
        writeTimingPrograms(segment->programs);
    }
}

void ScheduleWriter::writeProgramHead(const ProgramObject &program)
{
    m_out.writeInt(program.windowCounter);
    m_out.writeString(program.displayName);
    m_out.writeString(program.segmentName);
    m_out.writeString(program.name);
    m_out.writeColour(program.bgColour);
    m_out.writeString(program.bgPicture);
    m_out.writeInt(program.displayType);
    m_out.writeInt(program.bgMusic.size());
    for (const QString &music : program.bgMusic)
        m_out.writeString(music);
}

void ScheduleWriter::writeGeneralPrograms(const QList<ProgramObject *> &programs)
{
    for (const ProgramObject *program : programs) {
        writeProgramHead(*program);
        m_out.writeInt(program->playMode);
        if (program->playMode == 0)
            m_out.writeInt(program->playTimes);
        else if (program->playMode == 1)
            m_out.writeInt(PlayValue::lengthSeconds(program->playLength));
        m_out.writeInt(program->windows.size());
        writeCommonWindows(program->windows);
    }
}

void ScheduleWriter::writeCyclePrograms(const QList<ProgramObject *> &programs)
{
    writeInsertedPrograms(programs);
}

void ScheduleWriter::writeTimingPrograms(const QList<ProgramObject *> &programs)
{
    writeInsertedPrograms(programs);
}

void ScheduleWriter::writeInsertedPrograms(const QList<ProgramObject *> &programs)
{
    // Inserted programs play as their segment says: no play mode is stored.
    for (const ProgramObject *program : programs) {
        writeProgramHead(*program);
        m_out.writeInt(program->windows.size());
        writeCommonWindows(program->windows);
    }
}

void ScheduleWriter::writeCommonWindows(const QList<CommonWinObject *> &windows)
{
    MediaItemWriter mediaWriter(m_out);
    for (const CommonWinObject *window : windows) {
        m_out.writeString(window->segmentType);
        m_out.writeString(window->displayName);
        m_out.writeString(window->segmentName);
        m_out.writeString(window->programName);
        m_out.writeString(window->name);
        m_out.writeBool(window->borderEnabled);
        m_out.writeInt(window->borderWidth);
        m_out.writeColour(window->borderColour);
        m_out.writeInt(window->x);
        m_out.writeInt(window->y);
        m_out.writeInt(window->width);
        m_out.writeInt(window->height);
        m_out.writeInt(window->media.size());
        mediaWriter.writeMediaItems(window->media);
    }
}

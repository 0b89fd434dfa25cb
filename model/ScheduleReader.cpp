#include "model/ScheduleReader.h"

#include "model/KindNames.h"
#include "model/MediaItemCodec.h"
#include "model/PlayValue.h"
#include "model/Schedule.h"
#include "model/ScheduleRecords.h"
#include "model/ScheduleStream.h"

#include <QCoreApplication>

namespace {
// Least bytes each section takes, to bound counts by what the file can hold.
constexpr int kMinDisplayWindowBytes = 4 + 5 * 4 + 3 * 4;
constexpr int kMinGeneralSegmentBytes = 2 * 4 + 1 + 2 * 4 + 7 * 4 + 1 + 2 * 4 + 2 * 4;
constexpr int kMinCycleSegmentBytes = kMinGeneralSegmentBytes + 3 * 4;
constexpr int kMinTimingSegmentBytes = 2 * 4 + 2 * 4 + 4 + 2 * 4;
constexpr int kMinTimePointBytes = 4 + 1 + 2 * 4 + 7 * 4;
constexpr int kMinInsertedProgramBytes = 4 + 3 * 4 + 3 * 4 + 4 + 4 + 4 + 4;
constexpr int kMinGeneralProgramBytes = kMinInsertedProgramBytes + 4;
constexpr int kMinWindowBytes = 5 * 4 + 1 + 4 + 3 * 4 + 4 * 4 + 4;
constexpr int kMinStringBytes = 4;
} // namespace

std::unique_ptr<OwnedSchedule> ScheduleReader::decode(const QByteArray &bytes)
{
    ScheduleStreamReader in(bytes);
    m_in = &in;
    m_error.clear();

    auto owned = std::make_unique<OwnedSchedule>();
    Schedule &schedule = owned->schedule();
    schedule.displayWindowCounter = in.readInt("display window counter");
    const int count = in.readCount("display window count", kMinDisplayWindowBytes);
    for (int i = 0; i < count && !in.failed(); ++i) {
        schedule.displayWindows.append(DisplayWindowSchedule());
        readDisplayWindow(schedule.displayWindows.last());
    }
    if (!in.failed() && in.remaining() > 0)
        in.fail("end of schedule", QCoreApplication::translate("ScheduleReader",
                                                               "%n unexpected byte(s) follow the schedule",
                                                               nullptr, int(in.remaining())));
    m_in = nullptr;
    if (in.failed()) {
        m_error = in.errorString();
        return nullptr; // the owner frees whatever was read
    }
    return owned;
}

void ScheduleReader::readDisplayWindow(DisplayWindowSchedule &displayWindow)
{
    auto *record = new PlayWinObject;
    displayWindow.window = record;
    record->name = m_in->readString("display window name");
    record->x = m_in->readInt("display window x");
    record->y = m_in->readInt("display window y");
    record->width = m_in->readInt("display window width");
    record->height = m_in->readInt("display window height");
    record->onTopMode = m_in->readInt("display window on-top mode");
    // All three counts come before the segments; each is bounded when its list is read.
    const int generalCount = m_in->readInt("general segment count");
    const int cycleCount = m_in->readInt("cycle segment count");
    const int timingCount = m_in->readInt("timing segment count");
    readGeneralSegments(m_in->boundCount("general segment count", generalCount, kMinGeneralSegmentBytes),
                        displayWindow.generalSegments);
    readCycleSegments(m_in->boundCount("cycle segment count", cycleCount, kMinCycleSegmentBytes),
                      displayWindow.cycleSegments);
    readTimingSegments(m_in->boundCount("timing segment count", timingCount, kMinTimingSegmentBytes),
                       displayWindow.timingSegments);
}

void ScheduleReader::readGeneralSegments(int count, QList<GeneralObject *> &segments)
{
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        auto *segment = new GeneralObject;
        segments.append(segment);
        segment->displayName = m_in->readString("general segment display window name");
        segment->name = m_in->readString("general segment name");
        segment->specifiedDate = m_in->readBool("general segment date flag");
        segment->startDate = m_in->readDate("general segment start date");
        segment->endDate = m_in->readDate("general segment end date");
        segment->weekdays = m_in->readWeekdays("general segment weekdays");
        segment->allTime = m_in->readBool("general segment all-day flag");
        segment->startTime = m_in->readTime("general segment start time");
        segment->endTime = m_in->readTime("general segment end time");
        segment->programCounter = m_in->readInt("general segment program counter");
        readGeneralPrograms(m_in->readCount("general program count", kMinGeneralProgramBytes),
                            segment->programs);
    }
}

void ScheduleReader::readCycleSegments(int count, QList<CycleObject *> &segments)
{
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        auto *segment = new CycleObject;
        segments.append(segment);
        segment->displayName = m_in->readString("cycle segment display window name");
        segment->name = m_in->readString("cycle segment name");
        segment->intervalMinutes = m_in->readInt("cycle segment interval");
        segment->playMode = m_in->readInt("cycle segment play mode");
        const PlayValue::InsertedPlay play =
            PlayValue::decodeCycle(segment->playMode, m_in->readInt("cycle segment play value"));
        segment->playMinutes = play.minutes;
        segment->playSeconds = play.seconds;
        segment->playTimes = play.times;
        segment->specifiedDate = m_in->readBool("cycle segment date flag");
        segment->startDate = m_in->readDate("cycle segment start date");
        segment->endDate = m_in->readDate("cycle segment end date");
        segment->weekdays = m_in->readWeekdays("cycle segment weekdays");
        segment->allTime = m_in->readBool("cycle segment all-day flag");
        segment->startTime = m_in->readTime("cycle segment start time");
        segment->endTime = m_in->readTime("cycle segment end time");
        segment->programCounter = m_in->readInt("cycle segment program counter");
        readCyclePrograms(m_in->readCount("cycle program count", kMinInsertedProgramBytes),
                          segment->programs);
    }
}

void ScheduleReader::readTimingSegments(int count, QList<TimingObject *> &segments)
{
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        auto *segment = new TimingObject;
        segments.append(segment);
        segment->displayName = m_in->readString("timing segment display window name");
        segment->name = m_in->readString("timing segment name");
        segment->playMode = m_in->readInt("timing segment play mode");
        const int playValue = m_in->readInt("timing segment play value");
        const int pointCount = m_in->readCount("time point count", kMinTimePointBytes);
        for (int p = 0; p < pointCount && !m_in->failed(); ++p) {
            auto *point = new TimePoint;
            segment->timePoints.append(point);
            point->time = m_in->readTime("time point time", "hh:mm:ss");
            point->specifiedDate = m_in->readBool("time point date flag");
            point->startDate = m_in->readDate("time point start date");
            point->endDate = m_in->readDate("time point end date");
            point->weekdays = m_in->readWeekdays("time point weekdays");
        }
        segment->programCounter = m_in->readInt("timing segment program counter");
        const PlayValue::InsertedPlay play = PlayValue::decodeTiming(segment->playMode, playValue);
        segment->playMinutes = play.minutes;
        segment->playSeconds = play.seconds;
        segment->playTimes = play.times;
        readTimingPrograms(m_in->readCount("timing program count", kMinInsertedProgramBytes),
                           segment->programs);
    }
}

ProgramObject *ScheduleReader::readProgramHead()
{
    auto *program = new ProgramObject;
    program->windowCounter = m_in->readInt("program window counter");
    program->displayName = m_in->readString("program display window name");
    program->segmentName = m_in->readString("program segment name");
    program->name = m_in->readString("program name");
    program->bgColour = m_in->readColour("program background colour");
    program->bgPicture = m_in->readString("program background picture");
    program->displayType = m_in->readInt("program display type");
    const int musicCount = m_in->readCount("background music count", kMinStringBytes);
    for (int m = 0; m < musicCount && !m_in->failed(); ++m)
        program->bgMusic.append(m_in->readString("background music file"));
    return program;
}

void ScheduleReader::readGeneralPrograms(int count, QList<ProgramObject *> &programs)
{
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        ProgramObject *program = readProgramHead();
        programs.append(program);
        program->playMode = m_in->readInt("program play mode");
        int storedValue = 0;
        if (program->playMode == 0 || program->playMode == 1)
            storedValue = m_in->readInt("program play value");
        const PlayValue::ProgramPlay play = PlayValue::decodeProgram(program->playMode, storedValue);
        program->playTimes = play.times;
        program->playLength = play.length;
        readCommonWindows(m_in->readCount("window count", kMinWindowBytes), program->windows);
    }
}

void ScheduleReader::readCyclePrograms(int count, QList<ProgramObject *> &programs)
{
    readInsertedPrograms(count, programs);
}

void ScheduleReader::readTimingPrograms(int count, QList<ProgramObject *> &programs)
{
    readInsertedPrograms(count, programs);
}

void ScheduleReader::readInsertedPrograms(int count, QList<ProgramObject *> &programs)
{
    // Inserted programs store no play settings and keep the defaults.
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        ProgramObject *program = readProgramHead();
        programs.append(program);
        readCommonWindows(m_in->readCount("window count", kMinWindowBytes), program->windows);
    }
}

void ScheduleReader::readCommonWindows(int count, QList<CommonWinObject *> &windows)
{
    MediaItemReader mediaReader(*m_in);
    for (int i = 0; i < count && !m_in->failed(); ++i) {
        auto *window = new CommonWinObject;
        windows.append(window);
        window->segmentType = m_in->readString("window segment type");
        window->displayName = m_in->readString("window display window name");
        window->segmentName = m_in->readString("window segment name");
        window->programName = m_in->readString("window program name");
        window->name = m_in->readString("window name");
        window->borderEnabled = m_in->readBool("window border flag");
        window->borderWidth = m_in->readInt("window border width");
        window->borderColour = m_in->readColour("window border colour");
        window->x = m_in->readInt("window x");
        window->y = m_in->readInt("window y");
        window->width = m_in->readInt("window width");
        window->height = m_in->readInt("window height");
        mediaReader.readMediaItems(m_in->readCount("media item count", MediaItemReader::kMinItemBytes),
                                   window->media);
    }
}

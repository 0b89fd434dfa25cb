// Deep copies of records for paste.

#include "model/RecordClone.h"

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"

namespace RecordClone {

QVLedMediaObject *cloneMedia(const QVLedMediaObject &source, const CommonWinObject &receiver, int &nextId)
{
    // Every block is copied, not only the one of its kind: a later change of
    // kind never finds another item's values.
    auto *copy = new QVLedMediaObject(source);
    copy->windowName = receiver.name;
    copy->programName = receiver.programName;
    copy->segmentName = receiver.segmentName;
    copy->displayName = receiver.displayName;
    copy->id = nextId++;
    return copy;
}

CommonWinObject *cloneWindow(const CommonWinObject &source, const QString &name, const QString &programName,
                             const QString &segmentName, const QString &segmentType, const QString &displayName,
                             int &nextId)
{
    auto *copy = new CommonWinObject;
    copy->name = name;
    copy->programName = programName;
    copy->segmentName = segmentName;
    copy->displayName = displayName;
    copy->segmentType = segmentType;
    copy->borderEnabled = source.borderEnabled;
    copy->borderWidth = source.borderWidth;
    copy->borderColour = source.borderColour;
    copy->x = source.x;
    copy->y = source.y;
    copy->width = source.width;
    copy->height = source.height;
    for (const QVLedMediaObject *item : source.media)
        copy->media.append(cloneMedia(*item, *copy, nextId));
    return copy;
}

ProgramObject *cloneProgram(const ProgramObject &source, const QString &name, const QString &segmentName,
                            const QString &segmentType, const QString &displayName, int &nextId)
{
    auto *copy = new ProgramObject;
    copy->name = name;
    copy->segmentName = segmentName;
    copy->displayName = displayName;
    copy->bgColour = source.bgColour;
    copy->bgPicture = source.bgPicture;
    copy->displayType = source.displayType;
    copy->bgMusic = source.bgMusic;
    copy->playMode = source.playMode;
    copy->playTimes = source.playTimes;
    copy->playLength = source.playLength;
    copy->windowCounter = source.windowCounter;
    for (const CommonWinObject *window : source.windows)
        copy->windows.append(
            cloneWindow(*window, window->name, copy->name, segmentName, segmentType, displayName, nextId));
    return copy;
}

namespace {
template <typename Segment>
void clonePrograms(const Segment &source, Segment &copy, const QString &segmentType, int &nextId)
{
    for (const ProgramObject *program : source.programs)
        copy.programs.append(
            cloneProgram(*program, program->name, copy.name, segmentType, copy.displayName, nextId));
}

// The fields general and cycle segments share: when they apply.
template <typename Segment>
void copyWhen(const Segment &source, Segment &copy)
{
    copy.specifiedDate = source.specifiedDate;
    copy.startDate = source.startDate;
    copy.endDate = source.endDate;
    copy.weekdays = source.weekdays;
    copy.allTime = source.allTime;
    copy.startTime = source.startTime;
    copy.endTime = source.endTime;
}

// The fields cycle and timing segments share: how long one insertion plays.
template <typename Segment>
void copyInsertedPlay(const Segment &source, Segment &copy)
{
    copy.playMode = source.playMode;
    copy.playMinutes = source.playMinutes;
    copy.playSeconds = source.playSeconds;
    copy.playTimes = source.playTimes;
}
} // namespace

GeneralObject *cloneSegment(const GeneralObject &source, const QString &name, const QString &displayName,
                            int &nextId)
{
    auto *copy = new GeneralObject;
    copy->name = name;
    copy->displayName = displayName;
    copyWhen(source, *copy);
    copy->programCounter = source.programCounter;
    clonePrograms(source, *copy, SegmentType::General, nextId);
    return copy;
}

CycleObject *cloneSegment(const CycleObject &source, const QString &name, const QString &displayName, int &nextId)
{
    auto *copy = new CycleObject;
    copy->name = name;
    copy->displayName = displayName;
    copy->intervalMinutes = source.intervalMinutes;
    copyInsertedPlay(source, *copy);
    copyWhen(source, *copy);
    copy->programCounter = source.programCounter;
    clonePrograms(source, *copy, SegmentType::Cycle, nextId);
    return copy;
}

TimingObject *cloneSegment(const TimingObject &source, const QString &name, const QString &displayName,
                           int &nextId)
{
    auto *copy = new TimingObject;
    copy->name = name;
    copy->displayName = displayName;
    for (const TimePoint *point : source.timePoints)
        copy->timePoints.append(new TimePoint(*point));
    copyInsertedPlay(source, *copy);
    copy->programCounter = source.programCounter;
    clonePrograms(source, *copy, SegmentType::Timing, nextId);
    return copy;
}

} // namespace RecordClone

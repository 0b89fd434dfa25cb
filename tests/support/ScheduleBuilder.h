#pragma once

// Builds schedules in code for the play tests: display windows, general,
// cycle and timing segments, programs, windows, and picture items whose
// files are tiny pictures made once in a folder of the test. Every item has
// a picture of its own, so its play-log rows carry a name no other item has.
// Records are added to what was added last (a program to the last segment,
// a window to the last program), the way the schedule file lists them.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleFile.h"
#include "model/ScheduleRecords.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <memory>

// When a segment or a time point applies: all day, every day unless set.
struct WhenValid
{
    bool allTime = true;
    QTime startTime;
    QTime endTime;
    bool specifiedDate = false;
    QDate startDate;
    QDate endDate;
    QStringList weekdays = Weekday::allDays();
};

class ScheduleBuilder
{
public:
    explicit ScheduleBuilder(const QString &pictureFolder) : m_pictures(pictureFolder), m_owned(new OwnedSchedule) { }

    using Validity = WhenValid;

    void addDisplayWindow(const QString &name, int width = 320, int height = 180)
    {
        Schedule &schedule = m_owned->schedule();
        DisplayWindowSchedule displayWindow;
        displayWindow.window = new PlayWinObject;
        displayWindow.window->name = name;
        displayWindow.window->width = width;
        displayWindow.window->height = height;
        schedule.displayWindows << displayWindow;
        schedule.displayWindowCounter = schedule.displayWindows.size();
    }

    GeneralObject *addGeneral(const QString &name, const Validity &validity = {})
    {
        auto *segment = newSegment(name, display().generalSegments, SegmentType::General);
        apply(*segment, validity);
        return segment;
    }

    // playMode 0: for minutes:seconds; 1: one pass through its programs.
    CycleObject *addCycle(const QString &name, int intervalMinutes, int playMode, int minutes = 0, int seconds = 0,
                          const Validity &validity = {})
    {
        auto *segment = newSegment(name, display().cycleSegments, SegmentType::Cycle);
        segment->intervalMinutes = intervalMinutes;
        segment->playMode = playMode;
        segment->playMinutes = minutes;
        segment->playSeconds = seconds;
        apply(*segment, validity);
        return segment;
    }

    TimingObject *addTiming(const QString &name, int playMode, int minutes = 0, int seconds = 0)
    {
        auto *segment = newSegment(name, display().timingSegments, SegmentType::Timing);
        segment->playMode = playMode;
        segment->playMinutes = minutes;
        segment->playSeconds = seconds;
        m_timing = segment;
        return segment;
    }

    // A time point of the timing segment added last.
    TimePoint *addTimePoint(const QTime &time, const Validity &days = {})
    {
        auto *point = new TimePoint;
        point->label = time.toString(QStringLiteral("HH:mm:ss"));
        point->time = time;
        point->specifiedDate = days.specifiedDate;
        point->startDate = days.startDate;
        point->endDate = days.endDate;
        point->weekdays = days.weekdays;
        m_timing->timePoints << point;
        return point;
    }

    // playMode 0: `playTimes` passes; 1: for `length`; 2: until the segment changes.
    ProgramObject *addProgram(const QString &name, int playMode = 0, int playTimes = 1,
                              const QTime &length = QTime(0, 6, 0))
    {
        auto *program = new ProgramObject;
        program->name = name;
        program->segmentName = m_segmentName;
        program->displayName = display().window->name;
        program->playMode = playMode;
        program->playTimes = playTimes;
        program->playLength = length;
        *m_programs << program;
        m_program = program;
        return program;
    }

    // A window of the program added last with one picture item per stay (seconds).
    CommonWinObject *addWindow(const QString &name, const QList<int> &staySeconds, const QRect &geometry = {})
    {
        auto *window = new CommonWinObject;
        window->name = name;
        window->programName = m_program->name;
        window->segmentName = m_segmentName;
        window->displayName = display().window->name;
        window->segmentType = m_segmentType;
        const QRect place
            = geometry.isValid() ? geometry : QRect(0, 0, display().window->width, display().window->height);
        window->x = place.x();
        window->y = place.y();
        window->width = place.width();
        window->height = place.height();
        for (int stay : staySeconds) {
            auto *item = new QVLedMediaObject;
            item->kind = MediaKind::Image;
            item->id = ++m_itemCount;
            item->displayName = window->displayName;
            item->segmentName = window->segmentName;
            item->programName = window->programName;
            item->windowName = window->name;
            item->image.path = picture(m_itemCount);
            item->image.stayTime = stay;
            window->media << item;
        }
        m_program->windows << window;
        return window;
    }

    const Schedule &schedule() const { return m_owned->schedule(); }

    // The one colour of the picture of the item with the id.
    static QColor pictureColour(int id) { return QColor::fromHsv(id * 37 % 360, 200, 220); }

    bool save(const QString &path, QString *error) const
    {
        return ScheduleFile::save(path, m_owned->schedule(), error);
    }

private:
    // A segment of the display window added last, which programs now go to.
    template <typename Segment>
    Segment *newSegment(const QString &name, QList<Segment *> &segments, const QString &type)
    {
        auto *segment = new Segment;
        segment->name = name;
        segment->displayName = display().window->name;
        segments << segment;
        m_programs = &segment->programs;
        m_segmentName = name;
        m_segmentType = type;
        return segment;
    }

    template <typename Segment>
    static void apply(Segment &segment, const Validity &validity)
    {
        segment.allTime = validity.allTime;
        segment.startTime = validity.startTime;
        segment.endTime = validity.endTime;
        segment.specifiedDate = validity.specifiedDate;
        segment.startDate = validity.startDate;
        segment.endDate = validity.endDate;
        segment.weekdays = validity.weekdays;
    }

    DisplayWindowSchedule &display() { return m_owned->schedule().displayWindows.last(); }

    // "picture<n>.png", a 2 x 2 picture made the first time it is asked for.
    QString picture(int number) const
    {
        const QString path = QDir(m_pictures).filePath(QStringLiteral("picture%1.png").arg(number));
        if (!QFileInfo::exists(path)) {
            QImage image(2, 2, QImage::Format_RGB32);
            image.fill(pictureColour(number));
            image.save(path);
        }
        return path;
    }

    QString m_pictures;
    std::unique_ptr<OwnedSchedule> m_owned;
    QList<ProgramObject *> *m_programs = nullptr;
    ProgramObject *m_program = nullptr;
    TimingObject *m_timing = nullptr;
    QString m_segmentName;
    QString m_segmentType;
    int m_itemCount = 0;
};

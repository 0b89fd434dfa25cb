#pragma once

// A whole schedule as the schedule file holds it: the display-window counter
// and, per display window, its record and its three segment lists.

#include <QList>

#include <functional>

class PlayWinObject;
class GeneralObject;
class CycleObject;
class TimingObject;
class QVLedMediaObject;

struct DisplayWindowSchedule
{
    PlayWinObject *window = nullptr;
    QList<GeneralObject *> generalSegments;
    QList<CycleObject *> cycleSegments;
    QList<TimingObject *> timingSegments;
};

// Does not own its records: the editor's live schedule is lent to the writer this way.
struct Schedule
{
    int displayWindowCounter = 0;
    QList<DisplayWindowSchedule> displayWindows;
};

// Calls `visit` with every media item of the schedule, in order.
void forEachScheduleItem(const Schedule &schedule, const std::function<void(QVLedMediaObject &)> &visit);
// Whether `test` holds for an item of the schedule.
bool anyScheduleItem(const Schedule &schedule, const std::function<bool(const QVLedMediaObject &)> &test);

// A schedule that owns its records, as the reader returns it. Whatever is
// still held when it is destroyed is freed; release() hands everything over.
class OwnedSchedule
{
public:
    OwnedSchedule() = default;
    ~OwnedSchedule();
    OwnedSchedule(const OwnedSchedule &) = delete;
    OwnedSchedule &operator=(const OwnedSchedule &) = delete;

    Schedule &schedule() { return m_schedule; }
    const Schedule &schedule() const { return m_schedule; }
    Schedule release();

private:
    Schedule m_schedule;
};

// Frees every record of the schedule and empties it.
void disposeSchedule(Schedule &schedule);

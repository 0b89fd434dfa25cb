#include "model/Schedule.h"

#include "model/QVLedMediaObject.h"
#include "model/RecordDisposal.h"
#include "model/ScheduleRecords.h"

OwnedSchedule::~OwnedSchedule()
{
    disposeSchedule(m_schedule);
}

Schedule OwnedSchedule::release()
{
    Schedule handedOver = m_schedule;
    m_schedule = Schedule();
    return handedOver;
}

void disposeSchedule(Schedule &schedule)
{
    for (DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        RecordDisposal::deleteAll(displayWindow.generalSegments);
        RecordDisposal::deleteAll(displayWindow.cycleSegments);
        RecordDisposal::deleteAll(displayWindow.timingSegments);
        delete displayWindow.window;
        displayWindow.window = nullptr;
    }
    schedule.displayWindows.clear();
}

namespace {
// Visits the items of `segments` until `visit` answers false; false then.
template <typename Segment>
bool visitItems(const QList<Segment *> &segments, const std::function<bool(QVLedMediaObject &)> &visit)
{
    for (const Segment *segment : segments) {
        for (const ProgramObject *program : segment->programs) {
            for (const CommonWinObject *window : program->windows) {
                for (QVLedMediaObject *item : window->media) {
                    if (!visit(*item))
                        return false;
                }
            }
        }
    }
    return true;
}

bool visitScheduleItems(const Schedule &schedule, const std::function<bool(QVLedMediaObject &)> &visit)
{
    for (const DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        if (!visitItems(displayWindow.generalSegments, visit) || !visitItems(displayWindow.cycleSegments, visit)
            || !visitItems(displayWindow.timingSegments, visit))
            return false;
    }
    return true;
}
} // namespace

void forEachScheduleItem(const Schedule &schedule, const std::function<void(QVLedMediaObject &)> &visit)
{
    visitScheduleItems(schedule, [&visit](QVLedMediaObject &item) {
        visit(item);
        return true;
    });
}

bool anyScheduleItem(const Schedule &schedule, const std::function<bool(const QVLedMediaObject &)> &test)
{
    return !visitScheduleItems(schedule, [&test](QVLedMediaObject &item) { return !test(item); });
}

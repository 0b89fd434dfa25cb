#include "model/Schedule.h"

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

#include "model/RecordDisposal.h"

#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"

namespace RecordDisposal {

void dispose(QVLedMediaObject *item)
{
    delete item;
}

void dispose(CommonWinObject *window)
{
    if (!window)
        return;
    deleteAll(window->media);
    delete window;
}

void dispose(ProgramObject *program)
{
    if (!program)
        return;
    deleteAll(program->windows);
    delete program;
}

void dispose(GeneralObject *segment)
{
    if (!segment)
        return;
    deleteAll(segment->programs);
    delete segment;
}

void dispose(CycleObject *segment)
{
    if (!segment)
        return;
    deleteAll(segment->programs);
    delete segment;
}

void dispose(TimingObject *segment)
{
    if (!segment)
        return;
    deleteAll(segment->programs);
    qDeleteAll(segment->timePoints);
    segment->timePoints.clear();
    delete segment;
}

} // namespace RecordDisposal

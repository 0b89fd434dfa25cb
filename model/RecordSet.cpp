// Collecting a subtree of records before it is freed.

#include "model/RecordSet.h"

#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"

template <typename Segment>
void RecordSet::addPrograms(const Segment *segment)
{
    for (const ProgramObject *program : segment->programs)
        add(program);
}

void RecordSet::add(const GeneralObject *segment)
{
    if (!segment)
        return;
    m_pointers.insert(segment);
    addPrograms(segment);
}

void RecordSet::add(const CycleObject *segment)
{
    if (!segment)
        return;
    m_pointers.insert(segment);
    addPrograms(segment);
}

void RecordSet::add(const TimingObject *segment)
{
    if (!segment)
        return;
    m_pointers.insert(segment);
    for (const TimePoint *point : segment->timePoints)
        m_pointers.insert(point);
    addPrograms(segment);
}

void RecordSet::add(const ProgramObject *program)
{
    if (!program)
        return;
    m_pointers.insert(program);
    for (const CommonWinObject *window : program->windows)
        add(window);
}

void RecordSet::add(const CommonWinObject *window)
{
    if (!window)
        return;
    m_pointers.insert(window);
    for (const QVLedMediaObject *item : window->media)
        add(item);
}

void RecordSet::add(const QVLedMediaObject *item)
{
    if (item)
        m_pointers.insert(item);
}

void RecordSet::addOther(const void *pointer)
{
    if (pointer)
        m_pointers.insert(pointer);
}

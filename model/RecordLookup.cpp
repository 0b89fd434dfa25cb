// Record lookup by owner names.

#include "model/RecordLookup.h"

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"

namespace RecordLookup {

namespace {
template <typename Segment>
void appendPrograms(QList<ProgramObject *> &programs, const QList<Segment *> *segments)
{
    if (!segments)
        return;
    for (const Segment *segment : *segments)
        programs += segment->programs;
}
} // namespace

QList<ProgramObject *> programsOfType(const SegmentLists &lists, const QString &segmentType)
{
    QList<ProgramObject *> programs;
    if (segmentType == SegmentType::General)
        appendPrograms(programs, lists.general);
    else if (segmentType == SegmentType::Cycle)
        appendPrograms(programs, lists.cycle);
    else if (segmentType == SegmentType::Timing)
        appendPrograms(programs, lists.timing);
    return programs;
}

ProgramObject *program(const SegmentLists &lists, const QString &segmentType, const OwnerNames &names)
{
    for (ProgramObject *candidate : programsOfType(lists, segmentType)) {
        if (candidate->name == names.program && candidate->segmentName == names.segment
            && candidate->displayName == names.display)
            return candidate;
    }
    return nullptr;
}

CommonWinObject *window(const SegmentLists &lists, const QString &segmentType, const OwnerNames &names)
{
    for (const ProgramObject *owner : programsOfType(lists, segmentType)) {
        for (CommonWinObject *candidate : owner->windows) {
            if (candidate->name == names.window && candidate->programName == names.program
                && candidate->segmentName == names.segment && candidate->displayName == names.display)
                return candidate;
        }
    }
    return nullptr;
}

} // namespace RecordLookup

// The copy buffer of the schedule trees.

#include "editor/CopyBuffer.h"

namespace CopyBuffer {

void emptySegment()
{
    copiedSegmentItem = nullptr;
    copiedGeneralSegment = nullptr;
    copiedCycleSegment = nullptr;
    copiedTimingSegment = nullptr;
}

void emptyProgram()
{
    copiedProgramItem = nullptr;
    copiedProgram = nullptr;
}

void emptyWindow()
{
    copiedWindowItem = nullptr;
    copiedWindow = nullptr;
}

void forget(const RecordSet &doomed)
{
    if (doomed.contains(copiedSegmentItem) || doomed.contains(copiedGeneralSegment)
        || doomed.contains(copiedCycleSegment) || doomed.contains(copiedTimingSegment))
        emptySegment();
    if (doomed.contains(copiedProgramItem) || doomed.contains(copiedProgram))
        emptyProgram();
    if (doomed.contains(copiedWindowItem) || doomed.contains(copiedWindow))
        emptyWindow();
}

void reset()
{
    emptySegment();
    emptyProgram();
    emptyWindow();
    segmentCopyCounter = 0;
}

} // namespace CopyBuffer

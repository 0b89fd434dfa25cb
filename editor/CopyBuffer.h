#pragma once

// The schedule trees' copy buffer: what "Copy" last remembered of a segment,
// a program and a window. One for the whole program, shared by the trees of
// every display window, so a piece copied in one can be pasted in another.
// Nothing here is owned: each sort holds a tree item and the record that item
// shows, set and emptied together, and whoever frees records first asks
// forget() to drop what goes (a later paste then does nothing).

#include "model/RecordSet.h"

class CommonWinObject;
class CycleObject;
class GeneralObject;
class ProgramObject;
class ProjectTreeItem;
class TimingObject;

namespace CopyBuffer {

// The copied segment: its item, and the record of the item's kind (the other two are null).
inline ProjectTreeItem *copiedSegmentItem = nullptr;
inline GeneralObject *copiedGeneralSegment = nullptr;
inline CycleObject *copiedCycleSegment = nullptr;
inline TimingObject *copiedTimingSegment = nullptr;
inline ProjectTreeItem *copiedProgramItem = nullptr;
inline ProgramObject *copiedProgram = nullptr;
inline ProjectTreeItem *copiedWindowItem = nullptr;
inline CommonWinObject *copiedWindow = nullptr;
// The number of the last segment copy; never lowered while the program runs.
inline int segmentCopyCounter = 0;

// Empties every sort whose item or record is in the set.
void forget(const RecordSet &doomed);
// Empties everything and sets the counter back to 0 (tests).
void reset();

void emptySegment();
void emptyProgram();
void emptyWindow();

} // namespace CopyBuffer

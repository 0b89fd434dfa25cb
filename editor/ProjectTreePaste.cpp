// Copy and paste of segments, programs, windows and media items. A copy
// remembers the item and its record (CopyBuffer); a paste makes a deep copy
// of the record as it stands then, named by a number no sibling bears yet.

#include "editor/CopyBuffer.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordClone.h"
#include "model/ScheduleRecords.h"

namespace {
const QLatin1String kCopySeparator("-");
}

void ProjectTree::copySegmentSlot()
{
    CopyBuffer::emptySegment();
    const SegmentRef segment = segmentRecordOf(curItem);
    if (!segment.isValid())
        return;
    CopyBuffer::copiedSegmentItem = asProjectItem(curItem);
    CopyBuffer::copiedGeneralSegment = segment.general;
    CopyBuffer::copiedCycleSegment = segment.cycle;
    CopyBuffer::copiedTimingSegment = segment.timing;
}

void ProjectTree::copyProgramSlot()
{
    CopyBuffer::emptyProgram();
    if (ProgramObject *program = programRecordOf(curItem)) {
        CopyBuffer::copiedProgramItem = asProjectItem(curItem);
        CopyBuffer::copiedProgram = program;
    }
}

void ProjectTree::copyWindowSlot()
{
    CopyBuffer::emptyWindow();
    if (CommonWinObject *window = windowRecordOf(curItem)) {
        CopyBuffer::copiedWindowItem = asProjectItem(curItem);
        CopyBuffer::copiedWindow = window;
    }
}

// ---- segments -------------------------------------------------------------

template <typename Segment>
void ProjectTree::pasteSegmentOf(const Segment *source, QList<Segment *> &segments, int insertAt)
{
    if (!source)
        return;
    clearSelection();
    ++CopyBuffer::segmentCopyCounter;
    const QString base = CopyBuffer::copiedSegmentItem->text(0) + kCopySeparator;
    const QString name = freeChildName(rootItem, base, CopyBuffer::segmentCopyCounter);
    ProjectTreeItem *item = makeItem(CopyBuffer::copiedSegmentItem->getItemType(), name);
    if (insertAt < 0 || insertAt > rootItem->childCount())
        rootItem->addChild(item);
    else
        rootItem->insertChild(insertAt, item);
    // Whatever item it follows, the copy plays and is saved as the last segment of its kind.
    Segment *copy = RecordClone::cloneSegment(*source, name, currentDisplayName(), mediaIdCounter);
    segments.append(copy);
    newSegmentItem = item;
    addCopiedProgramItems(item, copy->programs);
    selectNewItem(item, true);
}

void ProjectTree::pasteSegment(int insertAt)
{
    const ProjectTreeItem *source = CopyBuffer::copiedSegmentItem;
    if (!source || !rootItem)
        return;
    const QString type = source->getItemType();
    if (type == SegmentType::General)
        pasteSegmentOf(CopyBuffer::copiedGeneralSegment, generalSegments, insertAt);
    else if (type == SegmentType::Cycle)
        pasteSegmentOf(CopyBuffer::copiedCycleSegment, cycleSegments, insertAt);
    else if (type == SegmentType::Timing)
        pasteSegmentOf(CopyBuffer::copiedTimingSegment, timingSegments, insertAt);
}

void ProjectTree::addCopyedTimesSlot()
{
    pasteSegment(-1);
}

void ProjectTree::pasteSegmentSlot()
{
    const int index = rootItem ? rootItem->indexOfChild(curItem) : -1;
    pasteSegment(index < 0 ? -1 : index + 1);
}

// ---- programs -------------------------------------------------------------

void ProjectTree::pasteProgramSlot()
{
    const ProjectTreeItem *sourceItem = CopyBuffer::copiedProgramItem;
    const ProgramObject *source = CopyBuffer::copiedProgram;
    QTreeWidgetItem *selected = curItem;
    QTreeWidgetItem *segmentItem = selected ? selected->parent() : nullptr;
    if (!sourceItem || !source || !segmentItem)
        return;
    // One segment receives both the number and the record.
    const SegmentRef segment = segmentRecordOf(segmentItem);
    const int after = segment.isValid() ? segment.programs->indexOf(programRecordOf(selected)) : -1;
    if (after < 0)
        return;
    clearSelection();
    ++*segment.programCounter;
    const QString name = freeChildName(segmentItem, sourceItem->text(0) + kCopySeparator, *segment.programCounter);
    const QString segmentType = asProjectItem(segmentItem)->getItemType();
    ProgramObject *copy = RecordClone::cloneProgram(*source, name, segmentItem->text(0), segmentType,
                                                    currentDisplayName(), mediaIdCounter);
    segment.programs->insert(after + 1, copy);
    curProgram = copy;

    ProjectTreeItem *item = makeItem(TreeItemType::Program, name);
    segmentItem->insertChild(segmentItem->indexOfChild(selected) + 1, item);
    addCopiedWindowItems(item, copy);
    newProgramItem = item;
    selectNewItem(item, true);
}

// ---- windows --------------------------------------------------------------

void ProjectTree::pasteWindow(QTreeWidgetItem *programItem, ProgramObject *program, int itemIndex, int recordIndex)
{
    const ProjectTreeItem *sourceItem = CopyBuffer::copiedWindowItem;
    const CommonWinObject *source = CopyBuffer::copiedWindow;
    if (!sourceItem || !source)
        return;
    clearSelection();
    ++program->windowCounter;
    const QString name = freeChildName(programItem, sourceItem->text(0) + kCopySeparator, program->windowCounter);
    const QString segmentType = asProjectItem(programItem->parent())->getItemType();
    CommonWinObject *copy = RecordClone::cloneWindow(*source, name, program->name, program->segmentName, segmentType,
                                                     currentDisplayName(), mediaIdCounter);
    program->windows.insert(qBound(0, recordIndex, program->windows.size()), copy);
    curCommonWin = copy;

    ProjectTreeItem *item = makeItem(TreeItemType::Window, name);
    programItem->insertChild(qBound(0, itemIndex, programItem->childCount()), item);
    newWindowItem = item;
    selectNewItem(item, false);
}

void ProjectTree::addCopiedWindowSlot()
{
    // The copy is the last record, so its item tops the program's windows, as a loaded one would.
    if (ProgramObject *program = programRecordOf(curItem))
        pasteWindow(curItem, program, 0, program->windows.size());
}

void ProjectTree::pasteWindowSlot()
{
    QTreeWidgetItem *selected = curItem;
    QTreeWidgetItem *programItem = selected ? selected->parent() : nullptr;
    ProgramObject *program = programRecordOf(programItem);
    const int after = program ? program->windows.indexOf(windowRecordOf(selected)) : -1;
    if (after < 0)
        return;
    // The record follows the selected one, so its item stands right above it, as a loaded one would.
    pasteWindow(programItem, program, programItem->indexOfChild(selected), after + 1);
}

// ---- media items ----------------------------------------------------------

void ProjectTree::slotPasteMedia(QVLedMediaObject *source, CommonWinObject *window, int row)
{
    // Only the current display window's tree, and only for the window its selection shows.
    if (!source || !window || displayName != currentDisplayName() || windowRecordOf(curItem) != window)
        return;
    QVLedMediaObject *copy = RecordClone::cloneMedia(*source, *window, mediaIdCounter);
    window->media.insert(qBound(0, row + 1, window->media.size()), copy);
}

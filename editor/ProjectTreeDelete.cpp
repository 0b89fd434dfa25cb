// Deleting and clearing from the tree's menus. Each command asks first; on
// Yes it finds its record (no record: nothing happens), tells the main window
// which play areas go, has every pointer into what goes dropped, then frees
// the records innermost first and deletes their tree items.

#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordDisposal.h"
#include "model/RecordLookup.h"
#include "model/ScheduleRecords.h"

namespace {
// Takes the program out of whichever segment of the list holds it.
template <typename Segment>
bool takeProgram(QList<Segment *> &segments, ProgramObject *program)
{
    for (Segment *segment : segments) {
        if (segment->programs.removeOne(program))
            return true;
    }
    return false;
}

template <typename Segment>
void takeAndDispose(QList<Segment *> &segments, Segment *segment)
{
    if (segment && segments.removeOne(segment))
        RecordDisposal::dispose(segment);
}
} // namespace

void ProjectTree::emitSegmentGoing(const SegmentRef &segment)
{
    if (segment.general)
        emit deleteSegmentObj(segment.general);
    else if (segment.cycle)
        emit deleteCycleSegmentObj(segment.cycle);
    else if (segment.timing)
        emit deleteTimingSegmentObj(segment.timing);
}

void ProjectTree::deleteItemAndSelectNext(QTreeWidgetItem *item)
{
    QTreeWidgetItem *next = currentAfterRemoving(item);
    delete item; // leaves its parent and takes its children along
    if (next)
        selectNewItem(next, false);
}

void ProjectTree::clearAllTimesSlot()
{
    if (!confirm(tr("Are you sure to delete all the segments?")) || !rootItem)
        return;
    emit clearSegmentObj();
    // Everything but the root goes; the root item stays and stays current.
    ProjectTreeItem *root = rootItem;
    forgetBeforeFreeing(wholeSchedule());
    rootItem = root;
    RecordDisposal::deleteAll(generalSegments);
    RecordDisposal::deleteAll(cycleSegments);
    RecordDisposal::deleteAll(timingSegments);
    qDeleteAll(rootItem->takeChildren());
    curItem = rootItem;
}

template <typename Record>
void ProjectTree::freeAllOf(QList<Record *> &records, QTreeWidgetItem *ownerItem)
{
    RecordSet doomed;
    for (const Record *record : qAsConst(records))
        doomed.add(record);
    for (int i = 0; ownerItem && i < ownerItem->childCount(); ++i)
        addItems(doomed, ownerItem->child(i));
    forgetBeforeFreeing(doomed);
    RecordDisposal::deleteAll(records); // the owner's counter keeps its value
    if (ownerItem) {
        qDeleteAll(ownerItem->takeChildren());
        curItem = ownerItem; // it stays current
    }
}

void ProjectTree::clearProgramSlot()
{
    if (!confirm(tr("Are you sure to delete all the program pages of the current segment?")))
        return;
    const SegmentRef segment = segmentRecordOf(curItem);
    if (!segment.isValid())
        return;
    emitSegmentGoing(segment);
    freeAllOf(*segment.programs, curItem);
}

void ProjectTree::clearWindowSlot()
{
    if (!confirm(tr("Are you sure to clear all the windows of current program page?")))
        return;
    ProgramObject *program = programRecordOf(curItem);
    if (!program)
        return;
    emit clearCommonWinObjs(program);
    freeAllOf(program->windows, curItem);
    clearMediaTable();
}

void ProjectTree::clearMediaFileSlot()
{
    if (!confirm(tr("Are you sure to delete all the media of the current window?")))
        return;
    // The window of the item whose menu was used; media items have no tree items.
    CommonWinObject *window = getCurCommonWin();
    if (!window)
        return;
    freeAllOf(window->media, nullptr);
    clearMediaTable();
}

void ProjectTree::deleteSegmentSlot()
{
    if (!confirm(tr("Are you sure to delete the current segment?")))
        return;
    const SegmentRef segment = segmentRecordOf(curItem);
    if (!segment.isValid())
        return;
    emitSegmentGoing(segment);
    QTreeWidgetItem *segmentItem = curItem;
    RecordSet doomed;
    segment.addTo(doomed);
    addItems(doomed, segmentItem);
    forgetBeforeFreeing(doomed);
    takeAndDispose(generalSegments, segment.general);
    takeAndDispose(cycleSegments, segment.cycle);
    takeAndDispose(timingSegments, segment.timing);
    deleteItemAndSelectNext(segmentItem);
}

void ProjectTree::deleteProgramSlot()
{
    if (!confirm(tr("Are you sure to delete the current program page?")))
        return;
    ProgramObject *program = programRecordOf(curItem);
    if (!program)
        return;
    emit deleteProgramObj(program);
    QTreeWidgetItem *programItem = curItem;
    RecordSet doomed;
    doomed.add(program);
    addItems(doomed, programItem);
    forgetBeforeFreeing(doomed);
    if (takeProgram(generalSegments, program) || takeProgram(cycleSegments, program)
        || takeProgram(timingSegments, program))
        RecordDisposal::dispose(program);
    deleteItemAndSelectNext(programItem);
}

void ProjectTree::deleteWindowSlot()
{
    if (!confirm(tr("Are you sure to delete the current window?")))
        return;
    CommonWinObject *window = getCurCommonWin();
    if (!window)
        return;
    emit deleteCommonWinObj(window);
    QTreeWidgetItem *windowItem = curItem;
    const QString segmentType = asProjectItem(windowItem->parent()->parent())->getItemType();
    for (ProgramObject *program : RecordLookup::programsOfType(segmentLists(), segmentType))
        program->windows.removeAll(window);
    RecordSet doomed;
    doomed.add(window);
    addItems(doomed, windowItem);
    forgetBeforeFreeing(doomed);
    RecordDisposal::dispose(window);
    clearMediaTable();
    deleteItemAndSelectNext(windowItem);
}

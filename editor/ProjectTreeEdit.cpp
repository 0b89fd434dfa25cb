// Moves of segments, programs and windows; the owner names kept in step
// after a display window is renamed or a segment or program was edited; and
// the media table's edits of the selected window's list.

#include "base/Log.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordDisposal.h"
#include "model/RecordLookup.h"
#include "model/RecordOrder.h"
#include "model/ScheduleRecords.h"

namespace {
QStringList childTexts(const QTreeWidgetItem *parent, const QString &type)
{
    QStringList texts;
    for (int i = 0; parent && i < parent->childCount(); ++i) {
        if (asProjectItem(parent->child(i))->getItemType() == type)
            texts << parent->child(i)->text(0);
    }
    return texts;
}

// The expanded items of a subtree: a move takes an item out and puts it back, which folds it.
void collectExpanded(QTreeWidgetItem *item, QList<QTreeWidgetItem *> &expanded)
{
    if (item->isExpanded())
        expanded << item;
    for (int i = 0; i < item->childCount(); ++i)
        collectExpanded(item->child(i), expanded);
}

template <typename Record>
bool namedAs(const Record *record, const QString &name)
{
    return record->name == name;
}

// Writes a changed name of a segment (program) into every record below it.
void renameOwnersBelow(ProgramObject *program)
{
    for (CommonWinObject *window : qAsConst(program->windows)) {
        window->programName = program->name;
        for (QVLedMediaObject *item : qAsConst(window->media))
            item->programName = program->name;
    }
}

template <typename Segment>
void renameOwnersBelow(Segment *segment)
{
    for (ProgramObject *program : qAsConst(segment->programs)) {
        program->segmentName = segment->name;
        for (CommonWinObject *window : qAsConst(program->windows)) {
            window->segmentName = segment->name;
            for (QVLedMediaObject *item : qAsConst(window->media))
                item->segmentName = segment->name;
        }
    }
}

template <typename Segment>
void renameDisplay(const QList<Segment *> &segments, const QString &from, const QString &to)
{
    for (Segment *segment : segments) {
        if (segment->displayName != from)
            continue;
        segment->displayName = to;
        for (ProgramObject *program : qAsConst(segment->programs)) {
            program->displayName = to;
            for (CommonWinObject *window : qAsConst(program->windows)) {
                window->displayName = to;
                for (QVLedMediaObject *item : qAsConst(window->media))
                    item->displayName = to;
            }
        }
    }
}
} // namespace

// ---- moves ------------------------------------------------------------------

int ProjectTree::moveCurrentItem(int step, bool expand)
{
    QTreeWidgetItem *item = curItem;
    QTreeWidgetItem *parent = item ? item->parent() : nullptr;
    if (!parent)
        return -1;
    const int index = parent->indexOfChild(item);
    const int target = index + step;
    if (index < 0 || target < 0 || target >= parent->childCount())
        return -1;
    QList<QTreeWidgetItem *> expanded;
    collectExpanded(item, expanded);
    parent->takeChild(index);
    clearSelection();
    parent->insertChild(target, item);
    for (QTreeWidgetItem *folded : qAsConst(expanded))
        folded->setExpanded(true);
    if (expand)
        item->setExpanded(true);
    setCurrentItem(item);
    item->setSelected(true);
    curItem = item;
    return index;
}

void ProjectTree::moveSegment(int step)
{
    if (moveCurrentItem(step, true) < 0)
        return;
    // Only the general segments' order means something (a later one outranks an earlier one).
    RecordOrder::followNames(generalSegments, childTexts(rootItem, SegmentType::General),
                             namedAs<GeneralObject>);
}

void ProjectTree::moveProgram(int step)
{
    QTreeWidgetItem *segmentItem = curItem ? curItem->parent() : nullptr;
    if (moveCurrentItem(step, true) < 0)
        return;
    const SegmentRef segment = segmentRecordOf(segmentItem);
    if (segment.isValid())
        RecordOrder::followNames(*segment.programs, childTexts(segmentItem, TreeItemType::Program),
                                 namedAs<ProgramObject>);
}

void ProjectTree::moveLayer(int step)
{
    // The window records keep their order: only the areas are restacked.
    const int index = moveCurrentItem(step, false);
    if (index < 0)
        return;
    if (step < 0)
        emit sigMoveupCommonWin(index);
    else
        emit sigMovedownCommonWin(index);
}

void ProjectTree::moveupSegmentSlot()
{
    moveSegment(-1);
}

void ProjectTree::movedownSegmentSlot()
{
    moveSegment(1);
}

void ProjectTree::moveupProgramSlot()
{
    moveProgram(-1);
}

void ProjectTree::movedownProgramSlot()
{
    moveProgram(1);
}

void ProjectTree::moveupLayerSlot()
{
    moveLayer(-1);
}

void ProjectTree::movedownLayerSlot()
{
    moveLayer(1);
}

// ---- owner names ------------------------------------------------------------

void ProjectTree::modifyScheduleSlot(const QString &, PlayWinObject *record)
{
    // The main window still holds the old name while it asks.
    if (!record || displayName != currentDisplayName())
        return;
    const QString renamed = record->name;
    renameDisplay(generalSegments, displayName, renamed);
    renameDisplay(cycleSegments, displayName, renamed);
    renameDisplay(timingSegments, displayName, renamed);
    displayName = renamed;
}

void ProjectTree::slotSegmentChanged(GeneralObject *segment)
{
    if (displayName == currentDisplayName() && generalSegments.contains(segment))
        renameOwnersBelow(segment);
}

void ProjectTree::slotCycleSegmentChanged(CycleObject *segment)
{
    if (displayName == currentDisplayName() && cycleSegments.contains(segment))
        renameOwnersBelow(segment);
}

void ProjectTree::slotTimingSegmentChanged(TimingObject *segment)
{
    if (displayName == currentDisplayName() && timingSegments.contains(segment))
        renameOwnersBelow(segment);
}

void ProjectTree::slotProgramChanged(ProgramObject *program)
{
    if (displayName != currentDisplayName())
        return;
    for (const GeneralObject *segment : qAsConst(generalSegments)) {
        if (segment->programs.contains(program)) {
            renameOwnersBelow(program);
            return;
        }
    }
}

void ProjectTree::sloUpdateCommonObject(CommonWinObject *window)
{
    // An area edits the very record its window list holds, so the list is up to
    // date already. An entry of equal names that is another object keeps its
    // place: putting the area's record there would own that record twice.
    if (!window || displayName != currentDisplayName())
        return;
    const OwnerNames names{window->displayName, window->segmentName, window->programName, window->name};
    const CommonWinObject *entry = RecordLookup::window(segmentLists(), SegmentType::General, names);
    if (entry && entry != window)
        qCInfo(lcEditor) << "window" << window->name << "has a twin of the same names; the list keeps its own";
}

// ---- the selected window's media list --------------------------------------

void ProjectTree::slotDeleteMedia(QVLedMediaObject *item, int row)
{
    emit sigDeleteMediaObject(row);
    if (!item || displayName != currentDisplayName())
        return;
    CommonWinObject *window = windowRecordOf(curItem);
    // Only the entry that is that item: a stale row never takes another one along.
    if (!window || window->media.value(row) != item)
        return;
    RecordSet doomed;
    doomed.add(item);
    forgetBeforeFreeing(doomed);
    window->media.removeAt(row);
    RecordDisposal::dispose(item);
}

void ProjectTree::slotSwapMedia(int first, int second)
{
    if (displayName != currentDisplayName())
        return;
    CommonWinObject *window = windowRecordOf(curItem);
    if (!window)
        return;
    const int size = window->media.size();
    if (first >= 0 && first < size && second >= 0 && second < size)
        window->media.swapItemsAt(first, second);
}

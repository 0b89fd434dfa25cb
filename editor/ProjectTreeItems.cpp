// What the tree's editing slots share: the record a segment item stands for,
// names no sibling bears yet, the items of pasted copies, and the selection
// after an edit.

#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"

namespace {
template <typename Segment>
Segment *firstNamed(const QList<Segment *> &segments, const QString &name, const QString &displayName)
{
    for (Segment *segment : segments) {
        if (segment->name == name && segment->displayName == displayName)
            return segment;
    }
    return nullptr;
}
} // namespace

void ProjectTree::SegmentRef::addTo(RecordSet &doomed) const
{
    doomed.add(general);
    doomed.add(cycle);
    doomed.add(timing);
}

ProjectTree::SegmentRef ProjectTree::segmentRecordOf(const QTreeWidgetItem *segmentItem)
{
    SegmentRef ref;
    if (!segmentItem)
        return ref;
    const QString type = asProjectItem(segmentItem)->getItemType();
    const QString name = segmentItem->text(0);
    if (type == SegmentType::General) {
        if ((ref.general = firstNamed(generalSegments, name, displayName))) {
            ref.programs = &ref.general->programs;
            ref.programCounter = &ref.general->programCounter;
        }
    } else if (type == SegmentType::Cycle) {
        if ((ref.cycle = firstNamed(cycleSegments, name, displayName))) {
            ref.programs = &ref.cycle->programs;
            ref.programCounter = &ref.cycle->programCounter;
        }
    } else if (type == SegmentType::Timing) {
        if ((ref.timing = firstNamed(timingSegments, name, displayName))) {
            ref.programs = &ref.timing->programs;
            ref.programCounter = &ref.timing->programCounter;
        }
    }
    return ref;
}

QString ProjectTree::freeChildName(const QTreeWidgetItem *parent, const QString &base, int &number)
{
    // Records are found by their names: two siblings of one name would make the second unreachable.
    auto taken = [parent](const QString &text) {
        for (int i = 0; parent && i < parent->childCount(); ++i) {
            if (parent->child(i)->text(0) == text)
                return true;
        }
        return false;
    };
    while (taken(base + QString::number(number)))
        ++number;
    return base + QString::number(number);
}

void ProjectTree::addItems(RecordSet &doomed, QTreeWidgetItem *item)
{
    if (!item)
        return;
    doomed.addOther(item);
    for (int i = 0; i < item->childCount(); ++i)
        addItems(doomed, item->child(i));
}

void ProjectTree::addCopiedWindowItems(QTreeWidgetItem *programItem, const ProgramObject *program)
{
    // As the loader stands them: the last record on top.
    for (const CommonWinObject *window : program->windows)
        programItem->insertChild(0, makeItem(TreeItemType::Window, window->name));
}

void ProjectTree::addCopiedProgramItems(QTreeWidgetItem *segmentItem, const QList<ProgramObject *> &programs)
{
    for (const ProgramObject *program : programs) {
        ProjectTreeItem *programItem = makeItem(TreeItemType::Program, program->name);
        segmentItem->addChild(programItem);
        addCopiedWindowItems(programItem, program);
    }
}

void ProjectTree::selectNewItem(QTreeWidgetItem *item, bool expand)
{
    clearSelection();
    setCurrentItem(item);
    item->setSelected(true);
    if (expand)
        item->setExpanded(true);
    curItem = item;
    slotSelectItemChecked();
}

QTreeWidgetItem *ProjectTree::currentAfterRemoving(QTreeWidgetItem *item)
{
    QTreeWidgetItem *parent = item->parent();
    if (!parent)
        return nullptr;
    for (int i = 0; i < parent->childCount(); ++i) {
        if (parent->child(i) != item)
            return parent->child(i);
    }
    return parent;
}

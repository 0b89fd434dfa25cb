// Adding to the schedule from the tree's menus: segments of the three kinds,
// programs, windows and the media items that need no file.

#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"

#include <QIcon>

namespace {
const char *const kProgramAndWindowIcon = ":/images/disconnect.png";

// The record of a new segment item, appended to its kind's list.
template <typename Segment>
Segment *appendSegment(QTreeWidgetItem *root, QTreeWidgetItem *item, QList<Segment *> &segments,
                       const QString &displayName)
{
    root->addChild(item);
    item->setExpanded(true);
    auto *segment = new Segment;
    segment->name = item->text(0);
    segment->displayName = displayName;
    segments.append(segment);
    return segment;
}
} // namespace

void ProjectTree::addSegmentSlot()
{
    if (!rootItem)
        return;
    int number = generalSegments.size() + 1;
    newSegmentItem = makeItem(SegmentType::General, freeChildName(rootItem, tr("General Segment"), number));
    curGeneralSegment = appendSegment(rootItem, newSegmentItem, generalSegments, currentDisplayName());
}

void ProjectTree::addCycleSegmentSlot()
{
    if (!rootItem)
        return;
    int number = cycleSegments.size() + 1;
    newSegmentItem = makeItem(SegmentType::Cycle, freeChildName(rootItem, tr("Cycle Inserted Segment"), number));
    curCycleSegment = appendSegment(rootItem, newSegmentItem, cycleSegments, currentDisplayName());
}

void ProjectTree::addTimingSegmentSlot()
{
    if (!rootItem)
        return;
    int number = timingSegments.size() + 1;
    newSegmentItem = makeItem(SegmentType::Timing, freeChildName(rootItem, tr("Timing Inserted Segment"), number));
    curTimingSegment = appendSegment(rootItem, newSegmentItem, timingSegments, currentDisplayName());
}

void ProjectTree::addProgramSlot()
{
    const SegmentRef segment = segmentRecordOf(curItem);
    if (!segment.isValid())
        return;
    ++*segment.programCounter;
    const QString name = freeChildName(curItem, tr("Program"), *segment.programCounter);
    newProgramItem = makeItem(TreeItemType::Program, name);
    newProgramItem->setIcon(0, QIcon(QLatin1String(kProgramAndWindowIcon)));
    curItem->addChild(newProgramItem);
    newProgramItem->setExpanded(true);

    auto *program = new ProgramObject;
    program->name = name;
    program->segmentName = curItem->text(0);
    program->displayName = currentDisplayName();
    curProgram = program;
    segment.programs->append(program);
    emit sigAddProgram(program);
}

void ProjectTree::addCommonWindowSlot()
{
    ProgramObject *program = programRecordOf(curItem);
    if (!program)
        return;
    ++program->windowCounter;
    const QString name = freeChildName(curItem, tr("Common Window"), program->windowCounter);
    newWindowItem = makeItem(TreeItemType::Window, name);
    newWindowItem->setIcon(0, QIcon(QLatin1String(kProgramAndWindowIcon)));
    curItem->insertChild(0, newWindowItem);
    newWindowItem->setExpanded(true);

    auto *window = new CommonWinObject;
    window->name = name;
    window->programName = curItem->text(0);
    window->segmentName = curItem->parent()->text(0);
    window->displayName = currentDisplayName();
    window->segmentType = asProjectItem(curItem->parent())->getItemType();
    curCommonWin = window;
    program->windows.append(window);
}

// ---- media items --------------------------------------------------------

void ProjectTree::addMediaItem(const QString &kind, void (ProjectTree::*announce)(int, QVLedMediaObject *))
{
    CommonWinObject *window = getCurCommonWin();
    if (!window)
        return;
    auto *item = new QVLedMediaObject;
    curMediaObject = item;
    item->kind = kind;
    item->id = mediaIdCounter++;
    item->windowName = window->name;
    item->programName = window->programName;
    item->segmentName = window->segmentName;
    item->displayName = currentDisplayName();
    window->media.append(item);
    (this->*announce)(window->media.size() - 1, item);
}

void ProjectTree::addSimpleTextSlot()
{
    addMediaItem(MediaKind::SimpleText, &ProjectTree::sigAddSimpleTextObject);
}

void ProjectTree::addSingleRowTextSlot()
{
    addMediaItem(MediaKind::SingleRowText, &ProjectTree::sigAddSingleLineTextObject);
}

void ProjectTree::addScrollingTextSlot()
{
    addMediaItem(MediaKind::ScrollingText, &ProjectTree::sigAddRollingTextObject);
}

void ProjectTree::addAnalogClockSlot()
{
    addMediaItem(MediaKind::AnalogClock, &ProjectTree::sigAddAnalogClockObject);
}

void ProjectTree::addDigitalClockSlot()
{
    addMediaItem(MediaKind::DigitalClock, &ProjectTree::sigAddDigitalClockObject);
}

void ProjectTree::addDigitalTimerSlot()
{
    addMediaItem(MediaKind::DigitalTimer, &ProjectTree::sigAddDigitalTimerObject);
}

void ProjectTree::addWeatherSlot()
{
    addMediaItem(MediaKind::Weather, &ProjectTree::sigAddWeatherObject);
}

void ProjectTree::addUrlSlot()
{
    addMediaItem(MediaKind::Url, &ProjectTree::sigAddUrlObject);
}

void ProjectTree::addStreamingSlot()
{
    addMediaItem(MediaKind::Streaming, &ProjectTree::sigAddStreamingObject);
}

void ProjectTree::addVideoDeviceSlot()
{
    addMediaItem(MediaKind::VideoDevice, &ProjectTree::sigAddVideoDeviceObject);
}

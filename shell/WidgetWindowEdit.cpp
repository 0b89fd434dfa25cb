// The main window's part in editing the schedule: the play areas that go
// with records the tree deletes, the restacking after a layer move, the
// window menu's presets, and the specified slots of the window panel, which
// hand over to WindowPanel.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "panels/WindowPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"

void Widget::removeAreasWhere(const std::function<bool(const CommonWinObject &)> &goes)
{
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        for (CommonPlayWindow *area : QList<CommonPlayWindow *>(displayWindow->playWindows)) {
            if (area->winObject && goes(*area->winObject))
                displayWindow->removePlayWindow(area);
        }
    }
}

void Widget::slotDeleteMediaObject(int)
{
    hideAllSetupLabel();
}

void Widget::slotDeleteProgramObj(ProgramObject *program)
{
    if (!program)
        return;
    removeAreasWhere([program](const CommonWinObject &window) {
        return window.programName == program->name && window.segmentName == program->segmentName
               && window.displayName == program->displayName;
    });
}

void Widget::sloClearCommonWinObjs(ProgramObject *program)
{
    slotDeleteProgramObj(program);
}

namespace {
template <typename Segment>
std::function<bool(const CommonWinObject &)> windowOfSegment(const Segment *segment)
{
    return [segment](const CommonWinObject &window) {
        return window.segmentName == segment->name && window.displayName == segment->displayName;
    };
}
} // namespace

void Widget::slotdeleteSegmentObj(GeneralObject *segment)
{
    if (segment)
        removeAreasWhere(windowOfSegment(segment));
}

void Widget::slotdeleteCycleSegmentObj(CycleObject *segment)
{
    if (segment)
        removeAreasWhere(windowOfSegment(segment));
}

void Widget::slotdeleteTimingSegmentObj(TimingObject *segment)
{
    if (segment)
        removeAreasWhere(windowOfSegment(segment));
}

void Widget::slotclearSegmentObj()
{
    const QString displayName = curDisplayName;
    removeAreasWhere([displayName](const CommonWinObject &window) { return window.displayName == displayName; });
}

// ---- layers -------------------------------------------------------------------

void Widget::restackMovedWindow(int index, bool up)
{
    // The areas are found by the records of the two items, never by a position
    // in the display window's list, which holds the areas of every program.
    const ProjectWidget *panel = projectWidgets.value(curDisplayName);
    ProjectTree *tree = panel ? panel->tree() : nullptr;
    QTreeWidgetItem *moved = tree ? tree->curItem : nullptr;
    QTreeWidgetItem *programItem = moved ? moved->parent() : nullptr;
    if (!programItem || programItem->indexOfChild(moved) != (up ? index - 1 : index + 1))
        return;
    const CommonWinObject *movedWindow = tree->windowRecordOf(moved);
    const CommonWinObject *passedWindow = tree->windowRecordOf(programItem->child(index));
    if (!movedWindow || !passedWindow)
        return;
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name == curDisplayName)
            displayWindow->stackWindowNextTo(*movedWindow, *passedWindow, up);
    }
}

void Widget::slotMoveupCommonWin(int index)
{
    restackMovedWindow(index, true);
}

void Widget::slotMovedownCommonWin(int index)
{
    restackMovedWindow(index, false);
}

// ---- presets ------------------------------------------------------------------

void Widget::applyWindowPreset(WindowGeometry::Preset preset)
{
    if (realPlayDisplayNames.contains(curDisplayName))
        return;
    // The size the display window has on the desktop now, not its record's.
    if (const MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName))
        commonWinSetupLabel()->applyPreset(preset, displayWindow->size());
}

void Widget::setWinPosCenterSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Center);
}

void Widget::setWinPosCenterHSlot()
{
    applyWindowPreset(WindowGeometry::Preset::CenterHorizontally);
}

void Widget::setWinPosCenterVSlot()
{
    applyWindowPreset(WindowGeometry::Preset::CenterVertically);
}

void Widget::setWinPosLeftSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Left);
}

void Widget::setWinPosRightSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Right);
}

void Widget::setWinPosTopSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Top);
}

void Widget::setWinPosBottomSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Bottom);
}

void Widget::setWinSizeFullscreenSlot()
{
    applyWindowPreset(WindowGeometry::Preset::Fullscreen);
}

void Widget::setWinSizeHFullscreenSlot()
{
    applyWindowPreset(WindowGeometry::Preset::HorizontalFullscreen);
}

void Widget::setWinSizeHHalfSlot()
{
    applyWindowPreset(WindowGeometry::Preset::HorizontalHalf);
}

void Widget::setWinSizeHThirdSlot()
{
    applyWindowPreset(WindowGeometry::Preset::HorizontalThird);
}

void Widget::setWinSizeHQuarterSlot()
{
    applyWindowPreset(WindowGeometry::Preset::HorizontalQuarter);
}

void Widget::setWinSizeVFullscreenSlot()
{
    applyWindowPreset(WindowGeometry::Preset::VerticalFullscreen);
}

void Widget::setWinSizeVHalfSlot()
{
    applyWindowPreset(WindowGeometry::Preset::VerticalHalf);
}

void Widget::setWinSizeVThirdSlot()
{
    applyWindowPreset(WindowGeometry::Preset::VerticalThird);
}

void Widget::setWinSizeVQuarterSlot()
{
    applyWindowPreset(WindowGeometry::Preset::VerticalQuarter);
}

// ---- the window panel's slots ---------------------------------------------------

void Widget::slotCommonWinNameChange(const QString &text)
{
    commonWinSetupLabel()->slotCommonWinNameChange(text);
}

void Widget::slotEnabledCommonFrame(bool on)
{
    commonWinSetupLabel()->slotEnabledCommonFrame(on);
}

void Widget::slotCommonWinColorSet()
{
    commonWinSetupLabel()->slotCommonWinColorSet();
}

void Widget::slotCommonFrameBorderWindthChanged(int value)
{
    commonWinSetupLabel()->slotCommonFrameBorderWindthChanged(value);
}

void Widget::slotCommonWinXChanged(int value)
{
    commonWinSetupLabel()->slotCommonWinXChanged(value);
}

void Widget::slotCommonWinYChanged(int value)
{
    commonWinSetupLabel()->slotCommonWinYChanged(value);
}

void Widget::slotCommonWinWidthChanged(int value)
{
    commonWinSetupLabel()->slotCommonWinWidthChanged(value);
}

void Widget::slotCommonWinHeightChanged(int value)
{
    commonWinSetupLabel()->slotCommonWinHeightChanged(value);
}

void Widget::slotShowCommonWinColorDialog()
{
    commonWinSetupLabel()->slotShowCommonWinColorDialog();
}

void Widget::slotCopyCommonItem()
{
    commonWinSetupLabel()->slotCopyCommonItem();
}

void Widget::slotPasteCommonItem()
{
    commonWinSetupLabel()->slotPasteCommonItem();
}

void Widget::slotDeleteCommonItem()
{
    commonWinSetupLabel()->slotDeleteCommonItem();
}

void Widget::slotUpCommonItem()
{
    commonWinSetupLabel()->slotUpCommonItem();
}

void Widget::slotDownCommonItem()
{
    commonWinSetupLabel()->slotDownCommonItem();
}

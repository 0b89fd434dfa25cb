// The schedule tree's context menus, and what a mouse release on an item does.

#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "base/Prompts.h"

#include <QMenu>
#include <QMouseEvent>

namespace {
QAction *newMenuAction(QMenu *menu, QObject *owner)
{
    auto *action = new QAction(owner);
    menu->addAction(action);
    return action;
}

// An entry whose triggered() runs the tree's slot.
QAction *newMenuAction(QMenu *menu, ProjectTree *tree, void (ProjectTree::*slot)())
{
    QAction *action = newMenuAction(menu, tree);
    QObject::connect(action, &QAction::triggered, tree, slot);
    return action;
}
} // namespace

// "Add Media > File" imports files, which is not built yet: it stands in the menu and does nothing.
// The position and size entries reach the main window (connectWidgetSignals).

void ProjectTree::createRootMenu()
{
    rootMenu = new QMenu;
    addSegmentAction = newMenuAction(rootMenu, this, &ProjectTree::addSegmentSlot);
    insertedSegmentMenu = rootMenu->addMenu(QString());
    addTimingSegmentAction = newMenuAction(insertedSegmentMenu, this, &ProjectTree::addTimingSegmentSlot);
    addCycleSegmentAction = newMenuAction(insertedSegmentMenu, this, &ProjectTree::addCycleSegmentSlot);
    addCopiedSegmentAction = newMenuAction(rootMenu, this, &ProjectTree::addCopyedTimesSlot);
    clearAllAction = newMenuAction(rootMenu, this, &ProjectTree::clearAllTimesSlot);
}

void ProjectTree::createSegmentMenu()
{
    segmentMenu = new QMenu;
    addProgramAction = newMenuAction(segmentMenu, this, &ProjectTree::addProgramSlot);
    copySegmentAction = newMenuAction(segmentMenu, this, &ProjectTree::copySegmentSlot);
    pasteSegmentAction = newMenuAction(segmentMenu, this, &ProjectTree::pasteSegmentSlot);
    moveupSegmentAction = newMenuAction(segmentMenu, this, &ProjectTree::moveupSegmentSlot);
    movedownSegmentAction = newMenuAction(segmentMenu, this, &ProjectTree::movedownSegmentSlot);
    deleteSegmentAction = newMenuAction(segmentMenu, this, &ProjectTree::deleteSegmentSlot);
    clearProgramAction = newMenuAction(segmentMenu, this, &ProjectTree::clearProgramSlot);
}

void ProjectTree::createProgramMenu()
{
    programMenu = new QMenu;
    addWindowAction = newMenuAction(programMenu, this, &ProjectTree::addCommonWindowSlot);
    moveupProgramAction = newMenuAction(programMenu, this, &ProjectTree::moveupProgramSlot);
    movedownProgramAction = newMenuAction(programMenu, this, &ProjectTree::movedownProgramSlot);
    copyProgramAction = newMenuAction(programMenu, this, &ProjectTree::copyProgramSlot);
    pasteProgramAction = newMenuAction(programMenu, this, &ProjectTree::pasteProgramSlot);
    deleteProgramAction = newMenuAction(programMenu, this, &ProjectTree::deleteProgramSlot);
    addCopiedWindowAction = newMenuAction(programMenu, this, &ProjectTree::addCopiedWindowSlot);
    clearWindowAction = newMenuAction(programMenu, this, &ProjectTree::clearWindowSlot);
}

void ProjectTree::createWindowMenu()
{
    windowMenu = new QMenu;
    addMediaMenu = windowMenu->addMenu(QString());
    addFileAction = newMenuAction(addMediaMenu, this);
    addSimpleTextAction = newMenuAction(addMediaMenu, this, &ProjectTree::addSimpleTextSlot);
    addSingleRowTextAction = newMenuAction(addMediaMenu, this, &ProjectTree::addSingleRowTextSlot);
    addScrollingTextAction = newMenuAction(addMediaMenu, this, &ProjectTree::addScrollingTextSlot);
    addMediaMenu->addSeparator();
    addAnalogClockAction = newMenuAction(addMediaMenu, this, &ProjectTree::addAnalogClockSlot);
    addDigitalClockAction = newMenuAction(addMediaMenu, this, &ProjectTree::addDigitalClockSlot);
    addMediaMenu->addSeparator();
    addDigitalTimerAction = newMenuAction(addMediaMenu, this, &ProjectTree::addDigitalTimerSlot);
    addMediaMenu->addSeparator();
    addWeatherAction = newMenuAction(addMediaMenu, this, &ProjectTree::addWeatherSlot);
    addUrlAction = newMenuAction(addMediaMenu, this, &ProjectTree::addUrlSlot);
    addMediaMenu->addSeparator();
    addStreamingAction = newMenuAction(addMediaMenu, this, &ProjectTree::addStreamingSlot);
    addVideoDeviceAction = newMenuAction(addMediaMenu, this, &ProjectTree::addVideoDeviceSlot);

    clearMediaAction = newMenuAction(windowMenu, this, &ProjectTree::clearMediaFileSlot);
    windowPositionMenu = windowMenu->addMenu(QString());
    for (int i = 0; i < 7; ++i)
        windowPositionActions << newMenuAction(windowPositionMenu, this);
    windowSizeMenu = windowMenu->addMenu(QString());
    for (int i = 0; i < 9; ++i)
        windowSizeActions << newMenuAction(windowSizeMenu, this);
    moveupLayerAction = newMenuAction(windowMenu, this, &ProjectTree::moveupLayerSlot);
    movedownLayerAction = newMenuAction(windowMenu, this, &ProjectTree::movedownLayerSlot);
    copyWindowAction = newMenuAction(windowMenu, this, &ProjectTree::copyWindowSlot);
    pasteWindowAction = newMenuAction(windowMenu, this, &ProjectTree::pasteWindowSlot);
    deleteWindowAction = newMenuAction(windowMenu, this, &ProjectTree::deleteWindowSlot);
}

void ProjectTree::updateMenuTexts()
{
    addSegmentAction->setText(tr("Add Common Segment"));
    insertedSegmentMenu->setTitle(tr("Add Inserted Segment"));
    addTimingSegmentAction->setText(tr("Timing Inserted"));
    addCycleSegmentAction->setText(tr("Cycle Inserted"));
    addCopiedSegmentAction->setText(tr("Add Copied Segment"));
    clearAllAction->setText(tr("Clear"));

    addProgramAction->setText(tr("Add Programs"));
    copySegmentAction->setText(tr("Copy"));
    pasteSegmentAction->setText(tr("Paste"));
    moveupSegmentAction->setText(tr("Move Up"));
    movedownSegmentAction->setText(tr("Move Down"));
    deleteSegmentAction->setText(tr("Delete"));
    clearProgramAction->setText(tr("Clear Programs"));

    addWindowAction->setText(tr("Add Common Window"));
    moveupProgramAction->setText(tr("Move Up"));
    movedownProgramAction->setText(tr("Move Down"));
    copyProgramAction->setText(tr("Copy"));
    pasteProgramAction->setText(tr("Paste"));
    deleteProgramAction->setText(tr("Delete"));
    addCopiedWindowAction->setText(tr("Add Copied Window"));
    clearWindowAction->setText(tr("Clear Window"));

    addMediaMenu->setTitle(tr("Add Media"));
    addFileAction->setText(tr("File"));
    addSimpleTextAction->setText(tr("Simple Text"));
    addSingleRowTextAction->setText(tr("Single-row Text"));
    addScrollingTextAction->setText(tr("Scrolling Text"));
    addAnalogClockAction->setText(tr("Analog Clock"));
    addDigitalClockAction->setText(tr("Digital Clock"));
    addDigitalTimerAction->setText(tr("Digital Timer"));
    addWeatherAction->setText(tr("Weather"));
    addUrlAction->setText(tr("Url"));
    addStreamingAction->setText(tr("Streaming"));
    addVideoDeviceAction->setText(tr("Video Device"));
    clearMediaAction->setText(tr("Clear Media"));
    windowPositionMenu->setTitle(tr("Window Position"));
    const QStringList positions{tr("Center"),
                                tr("Horizontally Center"),
                                tr("Vertically Center"),
                                tr("Placed to the Left"),
                                tr("Placed to the  Right"),
                                tr("Placed at the Top"),
                                tr("Placed at the Bottom")};
    for (int i = 0; i < windowPositionActions.size(); ++i)
        windowPositionActions.at(i)->setText(positions.value(i));
    windowSizeMenu->setTitle(tr("Window Size"));
    const QStringList sizes{tr("Full-screen"),    tr("Horizontal Full-screen"), tr("Horizontal 1/2"),
                            tr("Horizontal 1/3"), tr("Horizontal 1/4"),         tr("Vertical Full-screen"),
                            tr("Vertical 1/2"),   tr("Vertical 1/3"),           tr("Vertical 1/4")};
    for (int i = 0; i < windowSizeActions.size(); ++i)
        windowSizeActions.at(i)->setText(sizes.value(i));
    moveupLayerAction->setText(tr("Move Up by One Layer"));
    movedownLayerAction->setText(tr("Move Down by One Layer"));
    copyWindowAction->setText(tr("Copy"));
    pasteWindowAction->setText(tr("Paste"));
    deleteWindowAction->setText(tr("Delete"));

    if (rootItem) {
        rootItem->setText(0, tr("Add Schedule"));
        rootItem->setToolTip(0, rootItem->text(0));
    }
}

QMenu *ProjectTree::menuForType(const QString &type) const
{
    if (type == TreeItemType::Root)
        return rootMenu;
    if (type == SegmentType::General || type == SegmentType::Cycle || type == SegmentType::Timing)
        return segmentMenu;
    if (type == TreeItemType::Program)
        return programMenu;
    if (type == TreeItemType::Window)
        return windowMenu;
    return nullptr;
}

void ProjectTree::mouseReleaseEvent(QMouseEvent *event)
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    QTreeWidgetItem *current = currentItem();
    curItem = current;
    if (!current)
        return;
    const bool changed = lastClickedItem != current;
    lastClickedItem = current;
    if (selected.size() != 1) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    if (changed)
        selectionDispatch(current);
    if (event->button() == Qt::RightButton) {
        if (QMenu *menu = menuForType(asProjectItem(current)->getItemType()))
            Prompts::current().execMenu(menu, event->globalPos());
    }
    QTreeWidget::mouseReleaseEvent(event);
}

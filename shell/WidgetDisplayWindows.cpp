// Display-window management of the main window. A display window exists
// four times under one name: its record, its tab, the window on the desktop
// and its tree panel; every lookup goes by that name.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/Counter.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/WindowPanel.h"
#include "panels/controls/CalendarPopup.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>

namespace {
const char *const kTreePanelStyle = "QWidget {background:transparent;border:0px solid black}";
}

MainPlayBKLabel *Widget::displayWindowNamed(const QString &name) const
{
    for (MainPlayBKLabel *displayWindow : displayWindows) {
        if (displayWindow->name == name)
            return displayWindow;
    }
    return nullptr;
}

QStringList Widget::displayWindowNames() const
{
    QStringList names;
    for (const PlayWinObject *record : playWinObjects)
        names << record->name;
    return names;
}

PlayWinObject *Widget::recordNamed(const QString &name) const
{
    for (PlayWinObject *record : playWinObjects) {
        if (record->name == name)
            return record;
    }
    return nullptr;
}

void Widget::rebuildTabRow()
{
    delete tabLayout;
    tabLayout = new QHBoxLayout(tabRow);
    for (newDisplayWindowButton *tab : qAsConst(displayWindowButtons)) {
        tabLayout->addWidget(tab);
        tab->show();
    }
    tabLayout->addStretch();
    tabLayout->setContentsMargins(0, 0, 0, 0);
}

void Widget::connectTab(newDisplayWindowButton *tab)
{
    connect(tab, &newDisplayWindowButton::sigBtnChecked, this, &Widget::slotDisplayWindowChecked);
    connect(tab->settingAction, &QAction::triggered, this, &Widget::slotDisplayWindowSetting);
    connect(tab->addWindowAction, &QAction::triggered, this, &Widget::slotAddDisplayWindow);
    connect(tab->deleteAction, &QAction::triggered, this, &Widget::slotDeleteDisplayWindow);
}

void Widget::applyOnTopMode(MainPlayBKLabel *displayWindow, int onTopMode)
{
    if (onTopMode != 0 && onTopMode != 1)
        return; // "while playing": the play control decides
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (onTopMode == 1)
        flags |= Qt::WindowStaysOnTopHint;
    displayWindow->hide();
    displayWindow->setWindowFlags(flags);
    displayWindow->show();
}

void Widget::createDisplayWindowButton(const QString &name)
{
    auto *tab = new newDisplayWindowButton(name, this, tabRow);
    tab->show();
    displayWindowButtons.append(tab);
    for (newDisplayWindowButton *other : qAsConst(displayWindowButtons))
        other->setChecked(false);
    tab->setChecked(true);
    connectTab(tab);
    curDisplayName = name;
    rebuildTabRow();
}

MainPlayBKLabel *Widget::newDisplayWindow(const QString &name)
{
    auto *displayWindow = new MainPlayBKLabel(name, AppContext::displayWindowParent);
    // Made while locked, by any command or by loading: locked like the others.
    displayWindow->locked = m_displayWindowsLocked;
    connect(displayWindow, &MainPlayBKLabel::sigCurProgramRealPlayEnd, this, &Widget::slotCurProgramRealPlayEnd);
    connect(displayWindow, &MainPlayBKLabel::sigCommonWinGeometryChanged, this, &Widget::updateCommonWinGeometry);
    connect(displayWindow, &MainPlayBKLabel::sigVideoRangeReported, this, &Widget::slotVideoRangeReported);
    connect(displayWindow, &MainPlayBKLabel::sigVideoProgressReported, this, &Widget::slotVideoProgressReported);
    // Told after the preview has finished with its areas, never from inside
    // it; and not once play has begun meanwhile, which has its log and no one
    // to answer a message.
    connect(
        displayWindow, &MainPlayBKLabel::sigPreviewFailed, this,
        [this, sender = QPointer<MainPlayBKLabel>(displayWindow)](QVLedMediaObject *, const QString &why) {
            if (sender && !sender->playing)
                tellPreviewFailed(why);
        },
        Qt::QueuedConnection);
    connect(displayWindow, &MainPlayBKLabel::sigDisplayWindowGeometryChanged, this,
            [this](const QString &displayName, const QRect &geometry) {
                // The record follows what the mouse did to its display window.
                PlayWinObject *record = recordNamed(displayName);
                if (!record)
                    return;
                // A display window on its back-stage screen keeps its record's place on the first.
                const QPoint origin = backStageOrigin(displayName);
                record->x = geometry.x() - origin.x();
                record->y = geometry.y() - origin.y();
                record->width = geometry.width();
                record->height = geometry.height();
                currentPlayWinObject = record;
            });
    return displayWindow;
}

void Widget::createDisplayWindowBackground(const QString &name, int x, int y, int width, int height)
{
    MainPlayBKLabel *displayWindow = newDisplayWindow(name);
    displayWindow->setWindowTitle(name);
    displayWindow->setGeometry(x, y, width, height);
    displayWindow->show();
    displayWindows.append(displayWindow);
}

void Widget::createDisplayWindowProject(const QString &name)
{
    auto *panel = new ProjectWidget(1, name, this, treeHolder);
    curProjectWidget = panel;
    panel->tree()->updateMenuTexts();
    panel->setStyleSheet(QLatin1String(kTreePanelStyle));
    panel->setFixedSize(294, treePanelHeight());
    projectWidgets.insert(name, panel);
}

void Widget::setDisplayWindowInfo(const QString &name, int x, int y, int width, int height, int onTopMode)
{
    auto *record = new PlayWinObject;
    record->name = name;
    record->x = x;
    record->y = y;
    record->width = width;
    record->height = height;
    record->onTopMode = onTopMode;
    currentPlayWinObject = record;
    playWinObjects.append(record);
    // A display window is made always on top; one that should never be is told so here.
    if (onTopMode == 0) {
        if (MainPlayBKLabel *displayWindow = displayWindowNamed(name))
            applyOnTopMode(displayWindow, 0);
    }
    updateDisplayWindowCommands();
}

void Widget::updateDisplayWindowCommands()
{
    const bool any = !playWinObjects.isEmpty();
    for (menuButton *command : {playButton, stopButton, hideButton, lockButton, backstageButton, monitorButton,
                                mainMenu->playButton, mainMenu->pauseButton, mainMenu->stopButton})
        command->setEnabled(any);
}

void Widget::uncheckAllDisplayWindowButtons()
{
    for (newDisplayWindowButton *tab : qAsConst(displayWindowButtons))
        tab->setChecked(false);
    if (newDisplayWindowButton *first = displayWindowButtons.value(0)) {
        curDisplayName = first->name;
        first->setChecked(true);
    }
}

void Widget::slotAddDisplayWindow()
{
    closeMonitor();
    const int previousCounter = displayWindowCounter;
    displayWindowCounter = Counter::next(displayWindowCounter);
    DisplaySettingsDialog dialog(this, displayWindowNames());
    dialog.nameEdit->setText(displayWindowName(displayWindowCounter));
    Prompts::current().execDialog(&dialog);
    if (dialog.outcome != 1) {
        displayWindowCounter = previousCounter;
        return;
    }

    auto *record = new PlayWinObject;
    record->name = dialog.nameEdit->text();
    record->x = dialog.xSpin->value();
    record->y = dialog.ySpin->value();
    record->width = dialog.widthSpin->value();
    record->height = dialog.heightSpin->value();
    currentPlayWinObject = record;
    backstageButton->caption = tr("background");
    record->onTopMode = dialog.onTopMode();

    previousDisplayName = curDisplayName;
    curDisplayName = record->name;

    auto *panel = new ProjectWidget(1, record->name, this, treeHolder);
    panel->setStyleSheet(QLatin1String(kTreePanelStyle));
    panel->setFixedSize(294, treePanelHeight());
    curProjectWidget = panel;
    if (ProjectWidget *previous = projectWidgets.value(previousDisplayName))
        previous->hide();
    panel->show();
    playWinObjects.append(record);

    // The tab goes right after the one that was current.
    auto *tab = new newDisplayWindowButton(record->name, this, tabRow);
    for (newDisplayWindowButton *other : qAsConst(displayWindowButtons))
        other->setChecked(false);
    int previousIndex = -1;
    for (int i = 0; i < displayWindowButtons.size(); ++i) {
        if (displayWindowButtons.at(i)->name == previousDisplayName) {
            previousIndex = i;
            break;
        }
    }
    if (previousIndex < 0)
        displayWindowButtons.append(tab);
    else
        displayWindowButtons.insert(previousIndex + 1, tab);
    rebuildTabRow();
    tab->setChecked(true);
    connectTab(tab);

    MainPlayBKLabel *displayWindow = newDisplayWindow(record->name);
    displayWindow->setWindowTitle(record->name);
    displayWindow->setGeometry(record->x, record->y, record->width, record->height);
    displayWindow->show();
    displayWindows.append(displayWindow);
    applyOnTopMode(displayWindow, record->onTopMode);

    // The default schedule makes its window's area, so the display window comes first.
    projectWidgets.insert(record->name, panel);
    panel->tree()->createDefaultSchedule();
    panel->tree()->updateMenuTexts();

    setHideState(false);
}

void Widget::setEditingEnabled(bool enabled)
{
    m_editingEnabled = enabled;
    treeArea->setEnabled(enabled);
    for (PropertyPanel *panel : madePropertyPanels())
        panel->setEnabled(enabled);
}

void Widget::slotDisplayWindowChecked(const QString &name)
{
    curDisplayName = name;
    m_calendarPopup->hide(); // its target belongs to the display window shown before
    for (newDisplayWindowButton *tab : qAsConst(displayWindowButtons))
        tab->setChecked(tab->name == name);

    if (PlayWinObject *record = recordNamed(name)) {
        currentPlayWinObject = record;
        backstageButton->caption = record->backStage ? tr("frontground") : tr("background");
        backstageButton->update();
    }

    for (auto it = projectWidgets.cbegin(); it != projectWidgets.cend(); ++it) {
        ProjectWidget *panel = it.value();
        if (it.key() != name) {
            panel->hide();
            continue;
        }
        panel->show();
        ProjectTree *tree = panel->tree();
        if (tree->playing) {
            playPaused = tree->paused;
            showPlayButton(tree->paused);
            setEditingEnabled(false);
        } else {
            showPlayButton(true);
            tree->slotSelectItemChecked();
            setEditingEnabled(true);
        }
        playButton->update();
    }

    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name == name)
            setHideState(displayWindow->isHidden());
    }
}

void Widget::slotDisplayWindowSetting()
{
    PlayWinObject *record = recordNamed(curDisplayName);
    if (!record)
        return;
    QStringList others = displayWindowNames();
    others.removeAll(curDisplayName);
    DisplaySettingsDialog dialog(this, others);
    dialog.nameEdit->setText(curDisplayName);
    dialog.xSpin->setValue(record->x);
    dialog.ySpin->setValue(record->y);
    dialog.widthSpin->setValue(record->width);
    dialog.heightSpin->setValue(record->height);
    dialog.setOnTopMode(record->onTopMode);
    const int oldWidth = record->width;
    const int oldHeight = record->height;
    Prompts::current().execDialog(&dialog);
    if (dialog.outcome != 1)
        return;

    currentPlayWinObject = record;
    record->name = dialog.nameEdit->text();
    record->x = dialog.xSpin->value();
    record->y = dialog.ySpin->value();
    record->width = dialog.widthSpin->value();
    record->height = dialog.heightSpin->value();
    record->onTopMode = dialog.onTopMode();

    if (ProjectWidget *panel = projectWidgets.take(curDisplayName))
        projectWidgets.insert(record->name, panel);
    emit sigModifySchedule(curDisplayName, record);

    // Areas on screen follow the new size; their records keep their geometry.
    const float fx = oldWidth > 0 ? float(record->width) / float(oldWidth) : 1.0f;
    const float fy = oldHeight > 0 ? float(record->height) / float(oldHeight) : 1.0f;
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != curDisplayName)
            continue;
        displayWindow->name = record->name;
        QPoint origin(record->x, record->y);
        if (record->backStage)
            origin += backStageOrigin(curDisplayName);
        displayWindow->setGeometry(QRect(origin, QSize(record->width, record->height)));
        // The mode first: an area the hide and show give its first show has taken its record's size by then.
        applyOnTopMode(displayWindow, record->onTopMode);
        for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows)) {
            area->move(int(area->x() * fx), int(area->y() * fy));
            area->resize(int(area->width() * fx), int(area->height() * fy));
            area->relayoutChildren();
        }
        displayWindow->update();
    }
    for (newDisplayWindowButton *tab : qAsConst(displayWindowButtons)) {
        if (tab->name == curDisplayName) {
            tab->name = record->name;
            tab->setText(record->name);
        }
    }
    curDisplayName = record->name;
}

void Widget::slotDeleteDisplayWindow()
{
    const QString deleted = curDisplayName;
    int index = -1;
    for (int i = 0; i < displayWindowButtons.size(); ++i) {
        if (displayWindowButtons.at(i)->name == deleted) {
            index = i;
            break;
        }
    }
    if (index < 0 || displayWindowButtons.size() < 2)
        return; // the last display window stays

    if (ProjectWidget *panel = projectWidgets.value(deleted))
        panel->tree()->slotStopPlay(deleted); // a deleted display window plays no more
    clearSelectionInto(deleted);
    for (MainPlayBKLabel *displayWindow : QList<MainPlayBKLabel *>(displayWindows)) {
        if (displayWindow->name == deleted) {
            displayWindows.removeOne(displayWindow);
            delete displayWindow;
        }
    }

    const QString next = displayWindowButtons.at(index == 0 ? 1 : index - 1)->name;
    newDisplayWindowButton *tab = displayWindowButtons.takeAt(index);
    if (tabLayout)
        tabLayout->removeWidget(tab);
    tab->hide();
    tab->deleteLater();

    if (PlayWinObject *record = recordNamed(deleted)) {
        playWinObjects.removeOne(record);
        if (currentPlayWinObject == record)
            currentPlayWinObject = nullptr;
        delete record;
    }
    delete projectWidgets.take(deleted);
    m_backStageOrigins.remove(deleted);
    slotDisplayWindowChecked(next);
    closeMonitor();
}

void Widget::slotAddCommonWin(CommonWinObject *window, const QString &displayName, const QString &segmentType)
{
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name == displayName)
            displayWindow->addCommonWin(false, window, segmentType);
    }
}

void Widget::slotDeleteCommonWinObj(CommonWinObject *window)
{
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != window->displayName)
            continue;
        for (CommonPlayWindow *area : QList<CommonPlayWindow *>(displayWindow->playWindows)) {
            if (area->winObject == window)
                displayWindow->removePlayWindow(area);
        }
    }
}

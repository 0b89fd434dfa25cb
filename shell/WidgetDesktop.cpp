// The tool strip's commands on the display windows themselves: lock them
// against the mouse, hide and show the current one, move it to a back-stage
// screen and back, and watch them all in the monitor window.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/CoverWindows.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/ExtendWin.h"
#include "shell/dialogs/MonitorWin.h"
#include "shell/menuButton.h"

#include <QSettings>

MonitorWin *Widget::monitorWin() const
{
    return m_monitor;
}

void Widget::slotOverallLock()
{
    m_displayWindowsLocked = lockButton->caption == tr("winlock");
    lockButton->caption = m_displayWindowsLocked ? tr("winunlock") : tr("winlock");
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows))
        displayWindow->locked = m_displayWindowsLocked;
    lockButton->update();
}

void Widget::setHideState(bool hidden)
{
    m_currentHidden = hidden;
    hideButton->caption = hidden ? tr("winshow") : tr("winhide");
    hideButton->update();
}

void Widget::slotWinHide()
{
    const bool hide = hideButton->caption == tr("winhide");
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != curDisplayName)
            continue;
        if (hide) {
            displayWindow->hide();
            CoverWindows::hideAll(*displayWindow);
        } else {
            displayWindow->show();
            CoverWindows::showWhereWanted(*displayWindow);
            for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows))
                area->update();
        }
    }
    setHideState(hide);
}

QPoint Widget::backStageOrigin(const QString &name) const
{
    return m_backStageOrigins.value(name);
}

void Widget::placeDisplayWindow(const QString &name, const QPoint &screenOrigin)
{
    const PlayWinObject *record = recordNamed(name);
    if (!record)
        return;
    if (screenOrigin.isNull())
        m_backStageOrigins.remove(name);
    else
        m_backStageOrigins.insert(name, screenOrigin);
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != name)
            continue;
        displayWindow->move(record->x + screenOrigin.x(), record->y + screenOrigin.y());
        CoverWindows::place(*displayWindow);
    }
}

void Widget::writeBackStageFlag(int value)
{
    QSettings settings(AppContext::settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("BackStageFlag"), value);
}

void Widget::slotBackstage()
{
    const QList<ScreenRect> &screens = AppContext::screenList;
    const bool enter = backstageButton->caption == tr("background");
    const bool leave = backstageButton->caption == tr("frontground");
    if (screens.size() < 2 || !(enter || leave)) {
        backstageButton->update();
        return;
    }
    QPoint origin;
    if (enter) {
        int target = 1;
        if (screens.size() > 2) {
            ExtendWin choice(this, screens);
            if (Prompts::current().execDialog(&choice) != QDialog::Accepted || choice.cancelled) {
                backstageButton->update();
                return;
            }
            target = qMax(choice.chosenIndex, 0) + 1;
        }
        origin = screens.value(target).geometry.topLeft();
    }
    // The record keeps its place: only the window on the desktop moves.
    if (PlayWinObject *record = recordNamed(curDisplayName)) {
        record->backStage = enter;
        placeDisplayWindow(record->name, origin);
    }
    if (screens.size() == 2)
        writeBackStageFlag(enter ? 1 : 0);
    backstageButton->caption = enter ? tr("frontground") : tr("background");
    backstageButton->update();
}

void Widget::slotAutoBackState()
{
    const QList<ScreenRect> &screens = AppContext::screenList;
    if (screens.size() < 2)
        return;
    if (backstageButton->caption == tr("background")) {
        const QPoint origin = screens.value(1).geometry.topLeft();
        for (PlayWinObject *record : qAsConst(playWinObjects)) {
            record->backStage = true;
            placeDisplayWindow(record->name, origin);
        }
        backstageButton->caption = tr("frontground");
    }
    backstageButton->update();
}

void Widget::closeMonitor()
{
    if (!m_monitor)
        return;
    m_monitor->close();
    delete m_monitor;
}

void Widget::slotMonitor()
{
    closeMonitor();
    m_monitor = new MonitorWin(this);
    for (int i = 0; i < displayWindows.size(); ++i)
        m_monitor->addMonitorLabel();
    m_monitor->layoutMonitorLabels();
    m_monitor->updateLabelImage();
    m_monitor->move((AppContext::screenWidth - m_monitor->width()) / 2,
                    (AppContext::screenHeight - m_monitor->height()) / 2);
    m_monitor->show();
}

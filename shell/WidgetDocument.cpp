// The schedule as one document: discarding it, and the openings of a
// schedule at start-up with the delayed start of play.

#include "shell/Prodoc.h"
#include "base/Log.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "base/AppContext.h"
#include "base/Prompts.h"
#include "shell/Settings.h"
#include "shell/Widget.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"

#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QStandardPaths>
#include <QTimer>

namespace {
QString scheduleFilter()
{
    return Widget::tr("Schedule(*.qvsc)");
}

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

// A name chosen without a suffix gets ".qvsc", as the file dialog does on Windows.
QString withScheduleSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".qvsc");
}

QString askSavePath(QWidget *parent, const QString &title)
{
    return withScheduleSuffix(
        Prompts::current().saveFileName(parent, title, desktopFolder(), scheduleFilter()));
}
} // namespace

bool Widget::saveAndReport(const QString &path)
{
    if (!document->saveSchedule(path)) {
        Prompts::current().information(this, tr("info"), tr("Save failed,%1").arg(document->errorString()));
        return false;
    }
    Prompts::current().information(this, tr("info"), tr("Saved successfully,%1").arg(path));
    return true;
}

bool Widget::askToSave()
{
    const auto answer = Prompts::current().question(this, tr("info"),
                                                    tr("Do you want to save the current schedule?"),
                                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton);
    if (answer != QMessageBox::Yes)
        return true;
    QString path = AppContext::currentSchedulePath;
    if (path.isEmpty())
        path = askSavePath(this, tr("Save As"));
    if (path.isEmpty())
        return true;
    // A schedule the operator wanted kept is never discarded after a failed save.
    if (!document->saveSchedule(path)) {
        Prompts::current().information(this, tr("info"), tr("Save failed,%1").arg(document->errorString()));
        return false;
    }
    AppContext::currentSchedulePath = path;
    return true;
}

void Widget::createFirstDisplayWindow()
{
    const QString first = displayWindowName(1);
    createDisplayWindowButton(first);
    createDisplayWindowBackground(first, 0, 0, 320, 240);
    createDisplayWindowProject(first);
    setDisplayWindowInfo(first, 0, 0, 320, 240, 1);
    curProjectWidget->tree()->createDefaultSchedule();
    curProjectWidget->tree()->updateMenuTexts();
    curProjectWidget->show();
    displayWindowCounter = 1;
}

void Widget::slotNewDoc()
{
    if (!askToSave())
        return;
    slotClearCurrentAllScheme();
    createFirstDisplayWindow();
    // The new schedule has no file yet: the next save asks for one.
    AppContext::currentSchedulePath.clear();
    showFirstTreePanel();
}

void Widget::slotOpenDoc()
{
    if (!askToSave())
        return;
    const QString path = Prompts::current().openFileName(this, tr("Open"), desktopFolder(), scheduleFilter());
    if (path.isEmpty())
        return;
    if (!document->loadSchedule(path)) {
        Prompts::current().information(this, tr("info"), tr("Open failed,%1").arg(document->errorString()));
        return;
    }
    AppContext::currentSchedulePath = path;
    showFirstTreePanel();
}

void Widget::slotSaveDoc()
{
    const QString path = AppContext::currentSchedulePath.isEmpty() ? askSavePath(this, tr("Save"))
                                                                   : AppContext::currentSchedulePath;
    if (path.isEmpty())
        return;
    if (saveAndReport(path))
        AppContext::currentSchedulePath = path;
}

void Widget::slotSaveAsDoc()
{
    const QString path = askSavePath(this, tr("Save As"));
    if (path.isEmpty())
        return;
    if (saveAndReport(path))
        AppContext::currentSchedulePath = path;
}

void Widget::slotClose()
{
    if (!askToSave())
        return;
    close();
}

void Widget::slotStopCurPreview()
{
    stopCurrentPreviews();
    if (!AppContext::currentSchedulePath.isEmpty()) {
        AppContext::LastSchemePath = AppContext::currentSchedulePath;
    } else {
        AppContext::currentSchedulePath = AppContext::appDirPath + QStringLiteral("/tmp.qvsc");
        AppContext::LastSchemePath = AppContext::currentSchedulePath;
        // Play starts unattended: a failure goes to the log, not into a dialog.
        if (!document->saveSchedule(AppContext::currentSchedulePath))
            qCWarning(lcShell).noquote() << "schedule not kept for recovery:" << document->errorString();
    }
    writeSettings();
}

void Widget::stopRealPlay(const QString &displayName)
{
    if (MainPlayBKLabel *displayWindow = displayWindowNamed(displayName))
        displayWindow->resetAllWindows();
}

void Widget::slotClearCurrentAllScheme()
{
    // What plays stops first: its timers and areas go with the schedule.
    for (ProjectWidget *panel : qAsConst(projectWidgets))
        panel->tree()->slotStopPlay(panel->tree()->displayName);
    realPlayDisplayNames.clear();
    // The monitor's labels name display windows that are about to go.
    closeMonitor();
    m_backStageOrigins.clear();
    setEditingEnabled(true);
    showPlayButton(true);
    playPaused = true;
    displayWindowCounter = 0;
    clearSelectionInto();
    // Area players point at window records: the display windows go before the trees.
    qDeleteAll(displayWindows);
    displayWindows.clear();
    qDeleteAll(projectWidgets);
    projectWidgets.clear();
    curProjectWidget = nullptr;
    qDeleteAll(playWinObjects);
    playWinObjects.clear();
    currentPlayWinObject = nullptr;
    qDeleteAll(displayWindowButtons);
    displayWindowButtons.clear();
    delete tabLayout;
    tabLayout = nullptr;
    // Nothing is left to show or act on until a schedule is built or read.
    showPanel(nullptr);
    hideAllSetupLabel();
    clearTableWidget(m_mediaTable);
    curMediaList.clear();
    updateDisplayWindowCommands();
}

void Widget::showFirstTreePanel()
{
    // The first display window becomes current, so its tab, tree, record and name agree.
    if (newDisplayWindowButton *first = displayWindowButtons.value(0))
        slotDisplayWindowChecked(first->name);
}

void Widget::openStartupDocument(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    if (!document->loadSchedule(path)) {
        qCWarning(lcShell).noquote() << "start-up schedule not opened:" << document->errorString();
        return;
    }
    AppContext::currentSchedulePath = path;
    showFirstTreePanel();
    // One delayed start, however many openings start-up makes: a second start
    // would toggle play into pause.
    if (AppContext::Play != 0 && !m_startArmed) {
        m_startArmed = true;
        QTimer::singleShot(2000, this, &Widget::slotStartLast);
    }
}

void Widget::slotOpenSettingsDoc(const QString &path)
{
    openStartupDocument(path);
}

void Widget::slotOpenLastDoc(const QString &)
{
    openStartupDocument(AppContext::LastSchemePath);
}

void Widget::slotStartLast()
{
    m_startArmed = false;
    if (projectWidgets.isEmpty())
        return; // a schedule without display windows: nothing starts, nothing says it plays
    startingUnattended = true;
    const QList<ProjectWidget *> panels = projectWidgets.values();
    for (ProjectWidget *panel : panels)
        panel->tree()->slotStartPlay(panel->tree()->displayName);
    startingUnattended = false;
    playPaused = false;
    showPlayButton(false);
    playButton->update();
    showMinimized();
    if (AppContext::BackStageFlag != 0)
        slotAutoBackState();
}

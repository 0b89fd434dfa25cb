// The schedule as one document: discarding it, and the openings of a
// schedule at start-up with the delayed start of play.

#include "editor/Prodoc.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/AppContext.h"
#include "shell/Widget.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"

#include <QDebug>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QTimer>

void Widget::slotClearCurrentAllScheme()
{
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
        qWarning().noquote() << "start-up schedule not opened:" << document->errorString();
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
    for (auto it = projectWidgets.cbegin(); it != projectWidgets.cend(); ++it)
        emit sigStartPlay(it.value()->tree()->displayName);
    playPaused = false;
    playButtonShowsPlay = false;
    playButton->caption = tr("pause");
    playButton->icon = QPixmap(QStringLiteral(":/images/top_pause.png"));
    playButton->update();
    showMinimized();
}

// The area player: item sequencing, stay times, pause and resume, the play
// log row of each finished item, and the area's look.

#include "playback/CommonPlayWindow.h"

#include "model/KindNames.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "base/Clock.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/writeLogThread.h"
#include "base/AppContext.h"

#include <QPainter>

namespace {
constexpr int kMinimumStayMs = 1000;
} // namespace

CommonPlayWindow::CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner)
    : QLabel(owner), winObject(window), owner(owner)
{
    borderColour = window->borderColour;
    borderWidth = window->borderWidth;
    borderEnabled = window->borderEnabled;
    setMouseTracking(true);
    m_stayTimer.setSingleShot(true);
    m_stayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stayTimer, &QTimer::timeout, this, &CommonPlayWindow::onStayTimeout);
}

// ---- what an item is --------------------------------------------------

int CommonPlayWindow::stayMs(const QVLedMediaObject &item)
{
    // An item of no length would end at once, again and again, and flood the log.
    const qint64 ms = MediaKinds::staySeconds(item) * 1000;
    return int(qBound<qint64>(kMinimumStayMs, ms, INT_MAX));
}

QString CommonPlayWindow::logNameOf(const QVLedMediaObject &item)
{
    return MediaKinds::logName(item);
}

// ---- sequencing -------------------------------------------------------

void CommonPlayWindow::startRealPlay()
{
    show();
    if (index < mediaList.size()) {
        playCurrentElement();
    } else {
        currentKind.clear();
        currentItem = nullptr;
    }
}

void CommonPlayWindow::playCurrentElement()
{
    QVLedMediaObject *item = mediaList.value(index);
    if (!item)
        return;
    if (!MediaKind::isKnown(item->kind)) {
        // Nothing can show it: step over it, as if it had played.
        QTimer::singleShot(0, this, [this, item] {
            if (mediaList.value(index) == item)
                playNextElement();
        });
        currentItem = nullptr;
        currentKind = item->kind;
        return;
    }
    currentItem = item;
    currentKind = item->kind;
    logName = logNameOf(*item);
    // The content widget of the kind shows the item; until it exists the area stays empty for the stay time.
    m_itemStart = Clock::current().now();
    m_runningSince = m_itemStart;
    m_elapsedBeforePause = 0;
    paused = false;
    m_stayTimer.start(stayMs(*item));
}

void CommonPlayWindow::onStayTimeout()
{
    playNextElement();
}

void CommonPlayWindow::playNextElement()
{
    m_stayTimer.stop();
    if (mediaList.isEmpty()) {
        index = 0;
        currentItem = nullptr;
        return;
    }
    if (currentItem) {
        if (!m_logWriter)
            m_logWriter = new writeLogThread(this);
        const QStringList row = PlayLog::makeRow(logName, m_itemStart, Clock::current().now());
        m_logWriter->setLogInfo(row.value(0), row.value(1), row.value(2), row.value(3), row.value(4),
                                row.value(5), row.value(6));
        m_logWriter->start();
    }
    currentItem = nullptr;
    ++index;
    if (index >= mediaList.size()) {
        finished = true;
        if (owner)
            owner->windowPlayFinished(winObject);
        return;
    }
    slotStopAllTimer();
    playCurrentElement();
}

qint64 CommonPlayWindow::elapsedMs() const
{
    if (!currentItem)
        return 0;
    if (paused)
        return m_elapsedBeforePause;
    return m_elapsedBeforePause + m_runningSince.msecsTo(Clock::current().now());
}

void CommonPlayWindow::pauseRealPlay()
{
    if (paused)
        return;
    paused = true;
    if (currentItem) {
        m_elapsedBeforePause += m_runningSince.msecsTo(Clock::current().now());
        m_stayTimer.stop();
    }
}

void CommonPlayWindow::resumeRealPlay()
{
    if (!paused)
        return;
    show();
    paused = false;
    if (!currentItem)
        return;
    m_runningSince = Clock::current().now();
    // Never a negative or empty wait: an item whose time ran out during the pause ends at once.
    const qint64 remaining = qint64(stayMs(*currentItem)) - m_elapsedBeforePause;
    m_stayTimer.start(int(qBound<qint64>(1, remaining, INT_MAX)));
}

void CommonPlayWindow::slotStopAllTimer()
{
    m_stayTimer.stop();
}

void CommonPlayWindow::clearPlayList()
{
    slotStopAllTimer();
    index = 0;
    mediaList.clear();
    currentItem = nullptr;
    currentKind.clear();
    paused = false;
    finished = false;
    m_elapsedBeforePause = 0;
    update();
}

// ---- look -------------------------------------------------------------

void CommonPlayWindow::relayoutChildren()
{
    // The content widgets of each media kind are placed here as they are made.
}

void CommonPlayWindow::showEvent(QShowEvent *event)
{
    if (winObject)
        resize(winObject->width, winObject->height);
    relayoutChildren();
    update();
    QLabel::showEvent(event);
}

void CommonPlayWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen = painter.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    const int w = width(), h = height();
    if (borderEnabled) {
        pen.setColor(borderColour);
        pen.setWidth(borderWidth);
        painter.setPen(pen);
        painter.drawRect(0, 0, w, h);
        return;
    }
    if (owner && owner->playing)
        return;
    pen.setWidth(1);
    pen.setColor(selected ? QColor(255, 0, 0) : QColor(20, 127, 255));
    painter.setPen(pen);
    painter.drawRect(0, 0, w - 1, h - 1);
    if (winObject) {
        QFont font = AppContext::appFont;
        font.setPixelSize(12);
        painter.setFont(font);
        painter.drawText(QRect(0, h / 2 - 10, w, 20), Qt::AlignCenter, winObject->name);
    }
}

// The area player: item sequencing through the content players, stay times,
// pause and resume, the play log row of each finished item, and the area's look.

#include "playback/CommonPlayWindow.h"

#include "model/KindNames.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordSet.h"
#include "model/ScheduleRecords.h"
#include "base/AppContext.h"
#include "base/Clock.h"
#include "base/Log.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/content/ContentPlayer.h"
#include "playback/content/StreamPlayer.h"
#include "playback/content/VideoContentPlayer.h"
#include "playback/content/WeatherPlayer.h"
#include "playback/writeLogThread.h"

#include <QPainter>

namespace {
constexpr int kMinimumStayMs = 1000;
} // namespace

CommonPlayWindow::CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner)
    : QLabel(owner), winObject(window), owner(owner), m_content(this)
{
    borderColour = window->borderColour;
    borderWidth = window->borderWidth;
    borderEnabled = window->borderEnabled;
    setMouseTracking(true);
    m_stayTimer.setSingleShot(true);
    m_stayTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stayTimer, &QTimer::timeout, this, &CommonPlayWindow::onStayTimeout);
}

CommonPlayWindow::~CommonPlayWindow()
{
    // Players stop before they go, so nothing decodes into a widget on its way out.
    stopAndHideAll();
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
    MediaFamily family;
    if (!MediaKinds::familyOf(item->kind, &family)) {
        // Nothing can show it: step over it, as if it had played.
        QTimer::singleShot(0, this, [this, item] {
            if (mediaList.value(index) == item)
                playNextElement();
        });
        currentItem = nullptr;
        m_currentPlayer = nullptr;
        currentKind = item->kind;
        return;
    }
    currentItem = item;
    currentKind = item->kind;
    logName = logNameOf(*item);
    // A new showing: the end of the one before (its last second of stay after
    // its player reported the end) must not end this one.
    m_stayTimer.stop();
    m_itemStart = Clock::current().now();
    m_runningSince = m_itemStart;
    m_elapsedBeforePause = 0;
    paused = false;
    stopAndHideAll();
    ++m_ticket;
    m_endReported = false;
    m_currentPlayer = playerFor(family, *item);
    m_itemSucceeded = m_currentPlayer != nullptr;
    // An item no player can show ends as a file that does not open: after the shortest stay.
    m_endReported = m_currentPlayer == nullptr;
    if (m_currentPlayer)
        m_currentPlayer->show(item, ContentPlayer::Purpose::RealPlay, m_ticket);
    // A player may end its item at once; then the stay timer already holds it.
    if (!m_currentPlayer)
        m_stayTimer.start(kMinimumStayMs);
    else if (!m_endReported && currentStayMs() >= 0)
        m_stayTimer.start(currentStayMs());
}

ContentPlayer *CommonPlayWindow::playerFor(MediaFamily family, const QVLedMediaObject &item, QString *why)
{
    if (ContentPlayer *player = m_content.find(family))
        return player;
    QString error;
    ContentPlayer *player = m_content.make(family, &error);
    if (!player) {
        // The item keeps its place for its stay time, empty, and is logged as failed.
        qCWarning(lcPlayback).noquote() << "cannot show" << item.kind << "item" << logNameOf(item) << "in area"
                                        << (winObject ? winObject->name : QString()) << ":" << error;
        if (why)
            *why = error;
        return nullptr;
    }
    connect(player, &ContentPlayer::sigItemFinished, this, &CommonPlayWindow::onItemFinished);
    if (auto *video = qobject_cast<VideoContentPlayer *>(player))
        connectVideo(video);
    handForecastTo(player);
    return player;
}

int CommonPlayWindow::currentStayMs() const
{
    if (!currentItem)
        return -1;
    // An item whose player said it is over still holds the area for the shortest
    // stay, so a list whose items all fail at once cannot spin and flood the log.
    if (m_endReported)
        return kMinimumStayMs;
    if (!m_currentPlayer || !m_currentPlayer->timesItself())
        return stayMs(*currentItem);
    return -1;
}

void CommonPlayWindow::onItemFinished(quint64 ticket, bool succeeded)
{
    if (ticket != m_ticket || !currentItem || m_endReported) {
        qCDebug(lcPlayback) << "an end report for an item no longer shown is dropped";
        return;
    }
    m_endReported = true;
    m_itemSucceeded = succeeded;
    if (paused)
        return; // the item ends when the area resumes
    m_stayTimer.start(int(qMax<qint64>(0, kMinimumStayMs - elapsedMs())));
}

void CommonPlayWindow::onStayTimeout()
{
    playNextElement();
}

void CommonPlayWindow::endStayOf(MediaFamily family)
{
    if (ContentPlayer *player = m_content.find(family))
        player->stop();
    playNextElement();
}

void CommonPlayWindow::setWeatherForecast(const WeatherForecast &forecast)
{
    m_forecast = forecast;
    m_hasForecast = true;
    handForecastTo(m_content.find(MediaFamily::Weather));
}

void CommonPlayWindow::setStreamVolume(int volume)
{
    if (auto *stream = qobject_cast<StreamPlayer *>(m_content.find(MediaFamily::Streaming)))
        stream->setVolume(volume);
}

void CommonPlayWindow::handForecastTo(ContentPlayer *player)
{
    if (auto *weather = qobject_cast<WeatherPlayer *>(player)) {
        if (m_hasForecast)
            weather->setForecast(m_forecast);
    }
}

void CommonPlayWindow::playNextElement()
{
    m_stayTimer.stop();
    if (mediaList.isEmpty()) {
        stopAndHideAll();
        index = 0;
        currentItem = nullptr;
        m_currentPlayer = nullptr;
        return;
    }
    if (currentItem) {
        if (!m_logWriter)
            m_logWriter = new writeLogThread(this);
        const QStringList row = PlayLog::makeRow(logName, m_itemStart, Clock::current().now(), m_itemSucceeded);
        m_logWriter->setLogInfo(row.value(0), row.value(1), row.value(2), row.value(3), row.value(4),
                                row.value(5), row.value(6));
        m_logWriter->start();
    }
    currentItem = nullptr;
    m_currentPlayer = nullptr;
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
    // Only an item that shows can be held. An idle area has nothing to resume:
    // were it marked paused, its program's next turn would resume nothing and
    // leave the area black instead of starting it.
    if (paused || !currentItem)
        return;
    paused = true;
    m_elapsedBeforePause += m_runningSince.msecsTo(Clock::current().now());
    m_stayTimer.stop();
    if (m_currentPlayer && !m_endReported)
        m_currentPlayer->pause();
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
    if (m_currentPlayer && !m_endReported)
        m_currentPlayer->resume();
    const int stay = currentStayMs();
    if (stay < 0)
        return;
    // Never a negative or empty wait: an item whose time ran out during the pause ends at once.
    const qint64 remaining = qint64(stay) - m_elapsedBeforePause;
    m_stayTimer.start(int(qBound<qint64>(1, remaining, INT_MAX)));
}

void CommonPlayWindow::slotStopAllTimer()
{
    m_stayTimer.stop();
    stopAndHideAll();
}

void CommonPlayWindow::stopAndHideAll()
{
    m_content.stopAll();
    previewKind.clear();
    m_previewItem = nullptr;
    ++m_ticket; // what the players were showing can no longer report its end
}

void CommonPlayWindow::forgetItems(const RecordSet &doomed)
{
    bool holds = doomed.contains(currentItem) || doomed.contains(m_previewItem);
    for (const QVLedMediaObject *item : qAsConst(mediaList))
        holds = holds || doomed.contains(item);
    if (holds)
        clearPlayList();
    forgetVideoItems(doomed);
}

void CommonPlayWindow::clearPlayList()
{
    slotStopAllTimer();
    index = 0;
    mediaList.clear();
    currentItem = nullptr;
    m_currentPlayer = nullptr;
    currentKind.clear();
    paused = false;
    finished = false;
    m_elapsedBeforePause = 0;
    update();
}

void CommonPlayWindow::previewItem(QVLedMediaObject *item)
{
    MediaFamily family;
    if (!item || !MediaKinds::familyOf(item->kind, &family))
        return;
    stopAndHideAll();
    previewKind = item->kind;
    QString why;
    if (ContentPlayer *player = playerFor(family, *item, &why)) {
        m_previewItem = item;
        player->show(item, ContentPlayer::Purpose::Preview, 0);
    } else if (owner) {
        owner->previewFailed(item, why);
    }
}

// ---- look -------------------------------------------------------------

void CommonPlayWindow::relayoutChildren()
{
    // Inside the border: in by half of it from the top left, a whole border narrower on every side.
    const int border = borderWidth;
    m_content.placeAll(QRect(border / 2, border / 2, width() - 2 * border, height() - 2 * border));
}

void CommonPlayWindow::showEvent(QShowEvent *event)
{
    // A new area covers its display window until it first shows: then it
    // takes its record's size. Later shows (the display window hidden and shown
    // again, to apply an on-top mode or by the operator) keep the size it has
    // been given since, by its record or by scaling with its display window.
    if (winObject && !m_sizedByRecord)
        resize(winObject->width, winObject->height);
    m_sizedByRecord = true;
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

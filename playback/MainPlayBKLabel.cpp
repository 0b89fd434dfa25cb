#include "playback/MainPlayBKLabel.h"

#include "base/AppContext.h"
#include "base/PictureRequest.h"
#include "model/DisplayGeometry.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordSet.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"

#include <QPainter>

MainPlayBKLabel::MainPlayBKLabel(const QString &name, QWidget *parent) : QLabel(parent), name(name)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

void MainPlayBKLabel::setBackgroundImage(const QString &path)
{
    backgroundImagePath = path;
    backgroundImage = QImage();
    if (path.isEmpty()) {
        if (m_backgroundRequest)
            m_backgroundRequest->forget();
        return;
    }
    askForBackground();
}

void MainPlayBKLabel::askForBackground()
{
    if (!m_backgroundRequest) {
        m_backgroundRequest = new PictureRequest(QStringLiteral("display window's background picture"), this);
        connect(m_backgroundRequest, &PictureRequest::sigSettled, this, &MainPlayBKLabel::backgroundSettled);
    }
    const PictureCache::Result result = m_backgroundRequest->want(backgroundImagePath, size());
    if (result.state != PictureCache::State::Pending)
        backgroundSettled(result);
}

void MainPlayBKLabel::backgroundSettled(const PictureCache::Result &result)
{
    // One that cannot be read paints nothing over the colour.
    if (result.state != PictureCache::State::Ready)
        return;
    backgroundImage = result.picture;
    update();
}

void MainPlayBKLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    // A larger window may want more pixels of its background picture than were decoded.
    if (!backgroundImagePath.isEmpty())
        askForBackground();
}

void MainPlayBKLabel::addCommonWin(bool exclusive, CommonWinObject *window, const QString &segmentType)
{
    // Found by key, so that a schedule of thousands of areas loads in linear time.
    if (m_areaIndex.find(*window)) {
        if (exclusive) {
            for (CommonPlayWindow *player : qAsConst(playWindows))
                m_areaVisibility.setVisible(player, sameArea(*player->winObject, *window));
        } else {
            for (CommonPlayWindow *player : m_areaIndex.ofProgram(*window)) {
                m_areaVisibility.setVisible(player, true);
                player->closeVideo(); // a program shown again starts no old video
            }
        }
        if (!m_areaVisibility.batching()) {
            for (CommonPlayWindow *player : qAsConst(playWindows))
                player->update();
        }
        return;
    }

    m_areaVisibility.setAllVisible(playWindows, !exclusive);
    auto *player = new CommonPlayWindow(window, this);
    currentPlayWindow = player;
    player->segmentType = segmentType;
    player->setGeometry(0, 0, width(), height());
    player->relayoutChildren();
    playWindows.append(player);
    m_areaIndex.add(player);
    m_areaVisibility.setVisible(player, true);
    m_areaVisibility.repaint(player);
}

void MainPlayBKLabel::updateWindowGeometry(CommonWinObject *window)
{
    CommonPlayWindow *player = m_areaIndex.find(*window);
    if (!player)
        return;
    player->borderColour = window->borderColour;
    player->borderWidth = window->borderWidth;
    player->borderEnabled = window->borderEnabled;
    // Whatever the record holds, the area stays where its size cannot overflow.
    player->move(qBound(DisplayGeometry::kMinPosition, window->x, DisplayGeometry::kMaxPosition),
                 qBound(DisplayGeometry::kMinPosition, window->y, DisplayGeometry::kMaxPosition));
    player->resize(qBound(0, window->width, DisplayGeometry::kMaxSize),
                   qBound(0, window->height, DisplayGeometry::kMaxSize));
    player->relayoutChildren();
    m_areaVisibility.repaint(player);
}

void MainPlayBKLabel::setWindowSelected(CommonWinObject *window, bool selected)
{
    if (CommonPlayWindow *player = m_areaIndex.find(*window)) {
        player->selected = selected;
        m_areaVisibility.repaint(player);
    }
}

void MainPlayBKLabel::hideAllWindows()
{
    m_areaVisibility.setAllVisible(playWindows, false);
}

void MainPlayBKLabel::beginAreaBatch()
{
    m_areaVisibility.beginBatch();
}

void MainPlayBKLabel::endAreaBatch()
{
    m_areaVisibility.endBatch(playWindows);
}

void MainPlayBKLabel::stopAllWindows()
{
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        player->slotStopAllTimer(); // also stops and hides its content players
        player->setStyleSheet(QStringLiteral("background:black"));
    }
}

void MainPlayBKLabel::forEachAreaOf(QVLedMediaObject *item, void (CommonPlayWindow::*play)(QVLedMediaObject *))
{
    if (!item)
        return;
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        const CommonWinObject *area = player->winObject;
        if (area->name == item->windowName && area->segmentName == item->segmentName
            && area->programName == item->programName)
            (player->*play)(item);
    }
}

void MainPlayBKLabel::previewAnalogClock(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayAnalogClock);
}

void MainPlayBKLabel::previewDigitalClock(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayDigitalClock);
}

void MainPlayBKLabel::previewDigitalTimer(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayDigitalTimer);
}

void MainPlayBKLabel::previewImage(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayImage);
}

void MainPlayBKLabel::previewSimpleText(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlaySimpleText);
}

void MainPlayBKLabel::previewStreaming(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayStreaming);
}

void MainPlayBKLabel::previewUrl(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayURL);
}

void MainPlayBKLabel::previewVideo(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayVideo);
}

void MainPlayBKLabel::previewVideoDevice(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayVideoDevice);
}

void MainPlayBKLabel::previewWeather(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotPlayWeather);
}

void MainPlayBKLabel::previewVideoCover(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::slotSetVideoCoverLabel);
}

void MainPlayBKLabel::slotSetVideoRange(QVLedMediaObject *item, float seconds)
{
    if (!playing)
        emit sigVideoRangeReported(item, seconds);
}

void MainPlayBKLabel::slotSetVideoProgress(QVLedMediaObject *item, float seconds)
{
    if (!playing)
        emit sigVideoProgressReported(item, seconds);
}

void MainPlayBKLabel::previewFailed(QVLedMediaObject *item, const QString &why)
{
    if (!playing) // play has its log, and no one to answer a message
        emit sigPreviewFailed(item, why);
}

void MainPlayBKLabel::resetAllWindows()
{
    if (!playing)
        return;
    playing = false;
    for (CommonPlayWindow *player : qAsConst(playWindows))
        player->clearPlayList();
    update();
}

namespace {
bool hasPlayableItem(const CommonPlayWindow *player)
{
    for (const QVLedMediaObject *item : player->mediaList) {
        if (MediaKind::isKnown(item->kind))
            return true;
    }
    return false;
}
} // namespace

void MainPlayBKLabel::windowPlayFinished(CommonWinObject *window)
{
    // An area with nothing it can play counts as finished: it never holds its program.
    bool complete = true;
    for (const CommonPlayWindow *player : qAsConst(playWindows)) {
        if (sameProgram(*player->winObject, *window) && !player->finished && hasPlayableItem(player))
            complete = false;
    }
    if (!complete) {
        // Short lists play again until the longest one of the program has played once.
        for (CommonPlayWindow *player : qAsConst(playWindows)) {
            if (sameArea(*player->winObject, *window) && hasPlayableItem(player)) {
                player->index = 0;
                player->playCurrentElement();
                return;
            }
        }
        return;
    }
    // Only this program's areas end; paused areas of another segment wait to resume.
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        if (!sameProgram(*player->winObject, *window))
            continue;
        player->index = 0;
        player->finished = false;
        player->clearPlayList();
        m_areaVisibility.setVisible(player, false);
    }
    emit sigCurProgramRealPlayEnd(name, window);
}

void MainPlayBKLabel::reportAreaGeometry(CommonWinObject *window)
{
    emit sigCommonWinGeometryChanged(window);
}

void MainPlayBKLabel::hideWindowsNamed(const CommonWinObject *window)
{
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        if (player->winObject->name == window->name) {
            m_areaVisibility.setVisible(player, false);
            return;
        }
    }
}

void MainPlayBKLabel::removePlayWindow(CommonPlayWindow *playWindow)
{
    playWindows.removeAll(playWindow);
    m_areaIndex.remove(playWindow);
    if (currentPlayWindow == playWindow)
        currentPlayWindow = nullptr;
    delete playWindow;
}

void MainPlayBKLabel::forgetRecords(const RecordSet &doomed)
{
    for (CommonPlayWindow *player : QList<CommonPlayWindow *>(playWindows)) {
        if (doomed.contains(player->winObject))
            removePlayWindow(player);
        else
            player->forgetItems(doomed);
    }
}

void MainPlayBKLabel::stackWindowNextTo(const CommonWinObject &moved, const CommonWinObject &passed, bool above)
{
    auto areaOf = [this](const CommonWinObject &window) -> CommonPlayWindow * {
        for (CommonPlayWindow *player : qAsConst(playWindows)) {
            if (sameArea(*player->winObject, window))
                return player;
        }
        return nullptr;
    };
    CommonPlayWindow *movedArea = areaOf(moved);
    CommonPlayWindow *passedArea = areaOf(passed);
    if (!movedArea || !passedArea || movedArea == passedArea)
        return;
    playWindows.removeOne(movedArea);
    const int at = playWindows.indexOf(passedArea) + (above ? 1 : 0);
    playWindows.insert(at, movedArea);
    // The list is the stacking order, lowest first: the moved area lies right under its successor.
    if (CommonPlayWindow *next = playWindows.value(at + 1))
        movedArea->stackUnder(next);
    else
        movedArea->raise();
}

void MainPlayBKLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour);
    if (showNameMarks && !playing) {
        QFont font = AppContext::appFont;
        font.setPixelSize(11);
        painter.setFont(font);
        painter.setPen(Qt::white);
        const int w = width(), h = height();
        painter.drawText(QRect(0, 0, w, 16), Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.drawText(QRect(0, 0, w, 16), Qt::AlignRight | Qt::AlignVCenter, name);
        painter.drawText(QRect(0, h - 16, w, 16), Qt::AlignLeft | Qt::AlignVCenter, name);
        painter.drawText(QRect(0, h - 16, w, 16), Qt::AlignRight | Qt::AlignVCenter, name);
        painter.drawText(QRect(0, (h - 16) / 2, w, 16), Qt::AlignCenter, name);
    }
    if (!backgroundImagePath.isEmpty() && !backgroundImage.isNull())
        painter.drawImage(rect(), backgroundImage);
}

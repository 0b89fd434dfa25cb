#include "playback/MainPlayBKLabel.h"

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "model/RecordSet.h"
#include "playback/CommonPlayWindow.h"
#include "base/AppContext.h"

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
    if (!path.isEmpty())
        backgroundImage.load(path);
}

void MainPlayBKLabel::addCommonWin(bool exclusive, CommonWinObject *window, const QString &segmentType)
{
    bool exists = false;
    for (CommonPlayWindow *player : playWindows)
        exists = exists || sameArea(*player->winObject, *window);

    if (exists) {
        for (CommonPlayWindow *player : playWindows) {
            const CommonWinObject *shown = player->winObject;
            if (exclusive)
                player->setVisible(sameArea(*shown, *window));
            else if (sameProgram(*shown, *window)) {
                player->show();
                player->closeVideo();
            }
            player->update();
        }
        return;
    }

    for (CommonPlayWindow *player : playWindows)
        player->setVisible(!exclusive);
    auto *player = new CommonPlayWindow(window, this);
    currentPlayWindow = player;
    player->segmentType = segmentType;
    player->setGeometry(0, 0, width(), height());
    player->relayoutChildren();
    playWindows.append(player);
    player->show();
    player->update();
}

void MainPlayBKLabel::updateWindowGeometry(CommonWinObject *window)
{
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        if (!sameArea(*player->winObject, *window))
            continue;
        player->borderColour = window->borderColour;
        player->borderWidth = window->borderWidth;
        player->borderEnabled = window->borderEnabled;
        player->move(window->x, window->y);
        player->resize(window->width, window->height);
        player->relayoutChildren();
        player->update();
        return;
    }
}

void MainPlayBKLabel::setWindowSelected(CommonWinObject *window, bool selected)
{
    for (CommonPlayWindow *player : qAsConst(playWindows)) {
        if (sameArea(*player->winObject, *window)) {
            player->selected = selected;
            player->update();
            return;
        }
    }
}

void MainPlayBKLabel::hideAllWindows()
{
    for (CommonPlayWindow *player : qAsConst(playWindows))
        player->hide();
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

void MainPlayBKLabel::probeVideoLength(QVLedMediaObject *item)
{
    forEachAreaOf(item, &CommonPlayWindow::probeVideoLength);
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
        player->hide();
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
            player->hide();
            return;
        }
    }
}

void MainPlayBKLabel::removePlayWindow(CommonPlayWindow *playWindow)
{
    playWindows.removeAll(playWindow);
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

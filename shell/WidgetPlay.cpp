// Real play as the main window sees it: the play, pause and stop commands,
// and the hand-over of a program's windows to the area players, by which an
// inserted segment hides and pauses the general one and gives way to it again.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Widget.h"
#include "shell/menuButton.h"

QList<CommonPlayWindow *> Widget::areasOf(const QString &displayName) const
{
    QList<CommonPlayWindow *> areas;
    for (MainPlayBKLabel *displayWindow : displayWindows) {
        for (CommonPlayWindow *area : displayWindow->playWindows) {
            if (area->winObject->displayName == displayName)
                areas << area;
        }
    }
    return areas;
}

void Widget::showPlayButton(bool showsPlay)
{
    playButtonShowsPlay = showsPlay;
    playPaused = showsPlay; // the retranslation reads the face from it
    playButton->caption = showsPlay ? tr("play") : tr("pause");
    playButton->icon = QPixmap(showsPlay ? QStringLiteral(":/images/top_play.png")
                                         : QStringLiteral(":/images/top_pause.png"));
}

void Widget::slotRealPlayCommonWinObj(const QString &displayName, const QString &segmentType,
                                      CommonWinObject *window, const QList<QVLedMediaObject *> &media)
{
    playingSegmentType = segmentType;
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != displayName)
            continue;
        for (CommonPlayWindow *area : displayWindow->playWindows) {
            if (sameArea(*area->winObject, *window)) {
                area->mediaList = media;
                area->update();
                if (segmentType == SegmentType::General) {
                    // An area an insertion held goes on with its item; any other
                    // (only an area with an item is ever held) starts its list.
                    if (area->paused)
                        area->resumeRealPlay();
                    else
                        area->startRealPlay();
                } else {
                    area->startRealPlay();
                    area->resumeRealPlay();
                }
            } else if (area->winObject->displayName == window->displayName) {
                if (area->segmentType == segmentType)
                    continue; // windows of one program run side by side
                if (area->segmentType == SegmentType::General) {
                    area->hide(); // an insertion starts: the general area waits
                    area->pauseRealPlay();
                } else if (area->segmentType == SegmentType::Cycle || area->segmentType == SegmentType::Timing) {
                    area->clearPlayList(); // the insertion is over or replaced
                    area->hide();
                }
            }
        }
    }
}

void Widget::slotRealPlayContinue(const QString &segmentType)
{
    for (CommonPlayWindow *area : areasOf(curDisplayName)) {
        if (area->segmentType == segmentType)
            area->resumeRealPlay();
    }
}

void Widget::slotPlayInvalid(const QString &displayName, const QString &segmentType, CommonWinObject *window)
{
    // Whatever the kind of its segment, a window whose time is over leaves the screen.
    Q_UNUSED(segmentType)
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != displayName)
            continue;
        for (CommonPlayWindow *area : displayWindow->playWindows) {
            if (area->winObject == window) {
                area->clearPlayList();
                area->hide();
            }
        }
    }
}

void Widget::slotGetRealBeginWinInfo(const QString &displayName)
{
    if (!realPlayDisplayNames.contains(displayName))
        realPlayDisplayNames.append(displayName);
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name == displayName) {
            // The areas the editor left shown would stand empty (black) over
            // what plays: real play shows only the areas handed over.
            if (!displayWindow->playing)
                displayWindow->hideAllWindows();
            displayWindow->playing = true;
            displayWindow->update();
        }
    }
    setEditingEnabled(false);
}

void Widget::slotOverallPlay()
{
    if (playButton->caption == tr("play")) {
        showPlayButton(false);
        emit sigStartPlay(curDisplayName);
    } else {
        showPlayButton(true);
        emit sigStartPlay(curDisplayName);
        // In the two seconds after midnight the tree is restarting: the press
        // starts it again instead of pausing it, and the areas go on with it.
        const ProjectWidget *panel = projectWidgets.value(curDisplayName);
        if (panel && panel->tree()->playing && !panel->tree()->paused) {
            showPlayButton(false);
        } else {
            for (CommonPlayWindow *area : areasOf(curDisplayName))
                area->pauseRealPlay();
        }
    }
    playButton->update();
}

void Widget::slotMenuPlay()
{
    mainMenu->hide();
    if (playButton->caption == tr("play"))
        slotOverallPlay();
    playButton->update();
}

void Widget::slotMenuPause()
{
    mainMenu->hide();
    if (playButton->caption == tr("pause"))
        slotOverallPlay();
    playButton->update();
}

void Widget::slotMenuStop()
{
    mainMenu->hide();
    slotOverallStop();
}

void Widget::slotOverallStop()
{
    emit sigStopPlay(curDisplayName);
    if (playButton->caption == tr("pause"))
        showPlayButton(true);
    playButton->update();
    stopButton->update();
    setEditingEnabled(true);
}

void Widget::slotBeginPlayFailed()
{
    showPlayButton(true);
    playButton->update();
}

void Widget::slotCurProgramRealPlayEnd(const QString &displayName, CommonWinObject *window)
{
    emit sigCurProgramRealPlayEnd(displayName, window);
}

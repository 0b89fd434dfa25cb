// The area's video slots: they reach the area's video player, made on the
// area's first video item, and hand its length and position reports to the
// display window.

#include "playback/CommonPlayWindow.h"

#include "model/QVLedMediaObject.h"
#include "model/RecordSet.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/content/VideoContentPlayer.h"

VideoContentPlayer *CommonPlayWindow::videoContent() const
{
    return qobject_cast<VideoContentPlayer *>(m_content.find(MediaFamily::Video));
}

PlayLabel *CommonPlayWindow::videoPlayer() const
{
    const VideoContentPlayer *video = videoContent();
    return video ? video->playLabel() : nullptr;
}

void CommonPlayWindow::connectVideo(VideoContentPlayer *video)
{
    setCoverWindow(video->coverWindow());
    connect(video, &VideoContentPlayer::sigLengthReported, this, [this](QVLedMediaObject *item, float seconds) {
        if (owner)
            owner->slotSetVideoRange(item, seconds);
    });
    connect(video, &VideoContentPlayer::sigPositionReported, this, [this](QVLedMediaObject *item, float seconds) {
        if (owner)
            owner->slotSetVideoProgress(item, seconds);
    });
}

void CommonPlayWindow::closeVideo()
{
    if (VideoContentPlayer *video = videoContent())
        video->stop();
}

void CommonPlayWindow::forgetVideoItems(const RecordSet &doomed)
{
    VideoContentPlayer *video = videoContent();
    if (video && doomed.contains(video->shownItem()))
        video->closeForGood();
}

void CommonPlayWindow::slotSetVideoCoverLabel(QVLedMediaObject *item)
{
    if (VideoContentPlayer *video = videoContent())
        video->changeCover(item);
}

void CommonPlayWindow::showVideoCover()
{
    if (VideoContentPlayer *video = videoContent())
        video->showCoverIfWanted();
}

void CommonPlayWindow::slotPlayVideoTimeout()
{
    if (VideoContentPlayer *video = videoContent())
        video->timeUp();
}

void CommonPlayWindow::slotPlayVideoEnd()
{
    if (VideoContentPlayer *video = videoContent())
        video->endPreview();
}

void CommonPlayWindow::slotSetVideoRange(float seconds)
{
    if (VideoContentPlayer *video = videoContent())
        video->lengthReported(seconds);
}

void CommonPlayWindow::slotSetVideoProgress(float seconds)
{
    if (VideoContentPlayer *video = videoContent())
        video->positionReported(seconds);
}

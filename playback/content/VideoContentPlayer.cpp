// Video items in an area: open, time, pause, resume and close.

#include "playback/content/VideoContentPlayer.h"

#include "base/Log.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/content/VideoTiming.h"
#include "playback/video/PlayLabel.h"
#include "playback/video/VideoValues.h"

VideoContentPlayer::VideoContentPlayer(QWidget *area) : m_label(new PlayLabel(area)), m_cover(area, m_label)
{
    m_label->hide();
    m_videoTimer.setSingleShot(true);
    m_videoTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_videoTimer, &QTimer::timeout, this, &VideoContentPlayer::timeUp);
    connect(m_label, &PlayLabel::sigSetVideoRange, this, &VideoContentPlayer::lengthReported);
    connect(m_label, &PlayLabel::sigProgressChange, this, &VideoContentPlayer::positionReported);
    connect(m_label, &PlayLabel::sigOpenFailed, this, &VideoContentPlayer::fileFailed);
    connect(m_label, &PlayLabel::sigFileEnded, this, &VideoContentPlayer::fileEnded);
}

VideoContentPlayer::~VideoContentPlayer()
{
    m_videoTimer.stop();
    delete m_label; // the label's libmpv goes with it, before the area's widgets
}

QWidget *VideoContentPlayer::view() const
{
    return m_label;
}

void VideoContentPlayer::placeIn(const QRect &contentRect)
{
    if (m_label)
        m_label->setGeometry(contentRect);
    m_cover.place();
}

QWidget *VideoContentPlayer::coverWindow() const
{
    return m_cover.label();
}

void VideoContentPlayer::changeCover(QVLedMediaObject *item)
{
    if (item && item == m_item)
        m_cover.change(item->video);
}

void VideoContentPlayer::showCoverIfWanted()
{
    m_cover.showIfWanted();
}

void VideoContentPlayer::showItem(QVLedMediaObject *item, Purpose purpose)
{
    const VideoProperty &video = item->video;
    m_item = item;
    m_purpose = purpose;
    m_storedLengthSeconds = video.duration.isValid() ? QTime(0, 0).msecsTo(video.duration) / 1000.0 : 0;
    m_elapsedMs = 0;
    m_timerMs = 0;
    m_waitingForLength = false;
    m_running.start();

    m_label->startPosition = VideoTiming::startSeconds(video);
    m_label->on_file_open(video.path);
    m_label->on_file_Scale(video.scaleType);
    m_label->on_file_volume(video.volume);
    m_label->on_file_contiue();
    const int degrees = VideoValues::degreesForRotation(video.rotate);
    if (degrees >= 0)
        m_label->video_rotate(degrees);
    m_label->show();
    m_label->raise();
    m_cover.start(video);

    const qint64 stay = VideoTiming::stayMs(video);
    if (stay >= 0 && (video.rangeOn || purpose == Purpose::RealPlay))
        startTimer(stay);
    else if (purpose == Purpose::RealPlay)
        m_waitingForLength = true; // never previewed: the file's length times it
}

void VideoContentPlayer::startTimer(qint64 ms)
{
    // The item's time counts from its start, pauses left out.
    m_timerMs = ms;
    if (m_running.isValid())
        m_videoTimer.start(int(qBound<qint64>(1, m_timerMs - runMs(), INT_MAX)));
}

qint64 VideoContentPlayer::runMs() const
{
    return m_elapsedMs + (m_running.isValid() ? m_running.elapsed() : 0);
}

void VideoContentPlayer::pause()
{
    m_label->on_file_pause();
    m_cover.pause();
    m_videoTimer.stop();
    if (m_running.isValid()) {
        m_elapsedMs = runMs();
        m_running.invalidate();
    }
}

void VideoContentPlayer::resume()
{
    m_label->on_file_contiue();
    m_label->show();
    m_label->raise();
    m_cover.resume();
    if (!m_running.isValid())
        m_running.start();
    if (m_timerMs > 0)
        startTimer(m_timerMs);
}

void VideoContentPlayer::lengthReported(float seconds)
{
    QVLedMediaObject *item = m_item;
    if (!item)
        return;
    if (m_waitingForLength) {
        // Never previewed: the item lasts its file, counted from its start.
        m_waitingForLength = false;
        startTimer(VideoTiming::lengthMs(seconds));
    }
    emit sigLengthReported(item, seconds);
}

void VideoContentPlayer::positionReported(float seconds)
{
    QVLedMediaObject *item = m_item;
    if (!item)
        return;
    emit sigPositionReported(item, seconds);
    // In the editor a preview closes where the file's stored length ends.
    if (m_purpose == Purpose::Preview && m_storedLengthSeconds > 0 && seconds >= m_storedLengthSeconds) {
        m_videoTimer.stop();
        closeFile();
    }
}

void VideoContentPlayer::fileFailed()
{
    if (!m_item)
        return;
    qCWarning(lcVideo).noquote() << "cannot play video" << m_item->video.path;
    const Purpose purpose = m_purpose;
    m_videoTimer.stop();
    closeFile();
    if (purpose == Purpose::RealPlay)
        reportFinished(false);
}

void VideoContentPlayer::fileEnded()
{
    if (!m_item)
        return;
    if (m_purpose == Purpose::RealPlay) {
        m_videoTimer.stop();
        reportFinished(true);
    }
}

void VideoContentPlayer::timeUp()
{
    m_videoTimer.stop();
    if (m_purpose == Purpose::RealPlay && m_item)
        reportFinished(true);
    else
        endPreview();
}

void VideoContentPlayer::closeForGood()
{
    stop();
}

void VideoContentPlayer::endPreview()
{
    m_videoTimer.stop();
    closeFile();
    m_label->hide();
}

void VideoContentPlayer::stopItem()
{
    m_videoTimer.stop();
    m_running.invalidate();
    m_waitingForLength = false;
    closeFile();
    m_label->hide();
}

void VideoContentPlayer::closeFile()
{
    m_cover.end();
    if (m_item)
        m_label->on_file_close();
    m_item = nullptr;
}

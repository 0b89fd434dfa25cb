// Streams in an area: open at the item's volume, pause, resume and close.

#include "playback/content/StreamPlayer.h"

#include "base/Log.h"
#include "model/QVLedMediaObject.h"
#include "playback/video/PlayLabel.h"

StreamPlayer::StreamPlayer(QWidget *area) : m_label(new PlayLabel(area))
{
    m_label->hide();
    connect(m_label, &PlayLabel::sigOpenFailed, this, &StreamPlayer::openFailed);
}

StreamPlayer::~StreamPlayer()
{
    delete m_label; // the label's libmpv goes with it, before the area's widgets
}

QWidget *StreamPlayer::view() const
{
    return m_label;
}

void StreamPlayer::placeIn(const QRect &contentRect)
{
    if (m_label)
        m_label->setGeometry(contentRect);
}

void StreamPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    const StreamingProperty &stream = item->streaming;
    m_label->startPosition = 0;
    m_label->on_file_open(stream.address);
    // A stream that kept the volume of whatever played before would be too loud or mute.
    m_label->on_file_volume(qBound(0, stream.volume, 100));
    m_label->on_file_contiue();
    m_open = true;
    m_label->show();
    m_label->raise();
}

void StreamPlayer::pause()
{
    if (m_open)
        m_label->on_file_pause();
}

void StreamPlayer::resume()
{
    if (!m_open)
        return;
    m_label->on_file_contiue();
    m_label->show();
    m_label->raise();
}

void StreamPlayer::setVolume(int volume)
{
    if (m_open)
        m_label->on_file_volume(qBound(0, volume, 100));
}

void StreamPlayer::stopItem()
{
    if (m_open)
        m_label->on_file_close();
    m_open = false;
    m_label->hide();
}

void StreamPlayer::openFailed(const QString &address)
{
    // Nothing shows: like a picture or a camera that cannot show, the item
    // ends after the area's shortest stay and is logged as failed.
    qCWarning(lcVideo).noquote() << "cannot play stream" << address;
    if (m_open)
        reportFinished(false);
}

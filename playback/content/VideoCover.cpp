// The cover window of an area's videos: filled from the item, placed over the
// video, shown and hidden with it.

#include "playback/content/VideoCover.h"

#include "model/MediaProperties.h"
#include "platform/Compositing.h"
#include "playback/videoCoverLabel.h"

#include <QEvent>
#include <QWidget>

VideoCover::VideoCover(QWidget *area, QWidget *video) : m_area(area), m_video(video)
{
    // A window of its own, yet the area's child, so it never outlives the area.
    m_label = new videoCoverLabel(area);
    m_label->setAttribute(Qt::WA_ShowWithoutActivating);
    m_label->setShapedByText(!Compositing::translucentWindowsShow());
    m_label->hide();
    area->installEventFilter(this);
}

VideoCover::~VideoCover()
{
    if (m_area)
        m_area->removeEventFilter(this);
    delete m_label;
}

void VideoCover::start(const VideoProperty &video)
{
    m_paused = false;
    change(video);
}

void VideoCover::change(const VideoProperty &video)
{
    m_wanted = video.coverOn;
    if (!m_wanted) {
        end();
        return;
    }
    place();
    m_label->setCover(video);
    if (m_label->rolling) {
        m_label->renderCoverStrip();
        m_label->setstartPox();
    } else {
        m_label->stopRolling();
    }
    showIfWanted();
    m_label->update();
}

void VideoCover::end()
{
    m_wanted = false;
    m_paused = false;
    m_label->stopRolling();
    m_label->hide();
}

void VideoCover::pause()
{
    m_paused = true;
    m_label->pauseRolling();
    m_label->hide();
}

void VideoCover::resume()
{
    m_paused = false;
    m_label->resumeRolling();
    showIfWanted();
}

void VideoCover::place()
{
    QWidget *displayWindow = m_video->window();
    const QPoint topLeft = displayWindow->pos() + m_video->mapTo(displayWindow, QPoint(0, 0));
    m_label->setGeometry(QRect(topLeft, m_video->size()));
}

void VideoCover::showIfWanted()
{
    if (!m_wanted || m_paused || !displayWindowShown())
        return;
    place();
    m_label->show();
    m_label->raise();
}

bool VideoCover::displayWindowShown() const
{
    return m_area->window()->isVisible();
}

bool VideoCover::eventFilter(QObject *watched, QEvent *event)
{
    // The area dragged inside its display window: the cover goes along.
    if (watched == m_area && event->type() == QEvent::Move && m_label->isVisible())
        place();
    return QObject::eventFilter(watched, event);
}

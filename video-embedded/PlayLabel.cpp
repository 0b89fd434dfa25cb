// The second program's PlayLabel: libmpv draws into the label's own native
// window; commands go asynchronously and events are drained on the GUI
// thread after a wake-up.

#include "playback/video/PlayLabel.h"

#include "playback/video/MpvSession.h"
#include "playback/video/VideoValues.h"

#include <QCoreApplication>

struct PlayLabel::Engine {
    std::unique_ptr<MpvSession> session;
    StartSeek startSeek;
};

namespace {

// libmpv's thread calls this: it only queues the drain onto the GUI thread.
void onMpvWakeup(void *context)
{
    emit static_cast<PlayLabel *>(context)->mpv_events();
}

MpvSession::Options embeddedOptions()
{
    return {
        {"hwdec", "yes"},
        // Without it libmpv refuses a software OpenGL, tries every other
        // output and keeps a core busy.
        {"gpu-sw", "yes"},
    };
}

} // namespace

PlayLabel::PlayLabel(QWidget *parent) : QLabel(parent), m_engine(std::make_unique<Engine>())
{
    // Only this label gets a window of its own: its siblings and ancestors stay
    // drawn by Qt, so the display window keeps its look and its mouse editing.
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_NativeWindow);
    m_engine->session = std::make_unique<MpvSession>(embeddedOptions(), qint64(winId()),
                                                     "can't create mpv instance", "mpv failed to initialize");
    mpvHandle = m_engine->session->handle();
    // Connected before libmpv can call: a wake-up that finds no receiver is lost,
    // and libmpv does not call again for events already waiting.
    connect(this, &PlayLabel::mpv_events, this, &PlayLabel::on_mpv_events, Qt::QueuedConnection);
    m_engine->session->observe({"track-list", "chapter-list"});
    m_engine->session->setWakeup(&onMpvWakeup, this);
}

// The handle goes (wake-up cleared first) before the label and its window.
PlayLabel::~PlayLabel()
{
    m_engine->session.reset();
    mpvHandle = nullptr;
}

QString PlayLabel::openedPath() const
{
    return m_engine->session->openedPath();
}

QString PlayLabel::propertyText(const QString &name) const
{
    return m_engine->session->propertyText(name);
}

void PlayLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
}

void PlayLabel::on_file_open(QString path)
{
    m_engine->startSeek.fileOpened();
    m_engine->session->open(path);
}

void PlayLabel::on_file_close()
{
    // A pause: the file and its last frame stay until the next open.
    m_engine->session->setProperty("pause", "yes");
}

void PlayLabel::on_mpv_events()
{
    const QList<MpvReport> reports = m_engine->session->takeReports();
    for (const MpvReport &report : reports) {
        switch (report.kind) {
        case MpvReport::Kind::Length:
            setSliderRange(float(report.seconds));
            break;
        case MpvReport::Kind::Position:
            emit sigProgressChange(float(report.seconds));
            break;
        case MpvReport::Kind::Failed:
            emit sigOpenFailed(openedPath());
            break;
        case MpvReport::Kind::Ended:
            emit sigFileEnded(openedPath());
            break;
        }
    }
}

void PlayLabel::on_file_pause()
{
    m_engine->session->setProperty("pause", "yes");
    paused = true;
}

void PlayLabel::on_file_contiue()
{
    m_engine->session->setProperty("pause", "no");
    paused = false;
}

void PlayLabel::on_file_Scale(int i)
{
    if (const char *zoom = VideoValues::zoomForScale(i))
        m_engine->session->setProperty("video-zoom", zoom);
}

void PlayLabel::on_file_volume(int v)
{
    m_engine->session->setProperty("volume", VideoValues::number(v));
}

void PlayLabel::video_rotate(int degrees)
{
    m_engine->session->setProperty("video-rotate", VideoValues::number(degrees));
}

void PlayLabel::on_file_seek(int seconds)
{
    m_engine->session->commandAsync({QStringLiteral("seek"), QString::number(seconds), QStringLiteral("absolute")});
}

void PlayLabel::get_length_string()
{
    m_engine->session->commandAsync({QStringLiteral("length")});
}

void PlayLabel::setSliderRange(float seconds)
{
    emit sigSetVideoRange(seconds);
    if (m_engine->startSeek.takeDue() && startPosition != 0)
        on_file_seek(startPosition);
}

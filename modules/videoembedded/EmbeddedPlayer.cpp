// The second program's engine behind a PlayLabel: libmpv draws into the
// label's own native window; commands go asynchronously and events are
// drained on the GUI thread after a wake-up.

#include "modules/videoembedded/EmbeddedPlayer.h"

#include "playback/video/PlayLabel.h"

#include <QCoreApplication>

namespace {

// libmpv's thread calls this: the label only queues the drain onto the GUI thread.
void onMpvWakeup(void *context)
{
    static_cast<VideoReports *>(context)->wake();
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

// Only this label gets a window of its own: its siblings and ancestors stay
// drawn by Qt, so the display window keeps its look and its mouse editing.
qint64 nativeWindowOf(PlayLabel *label)
{
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    label->setAttribute(Qt::WA_DontCreateNativeAncestors);
    label->setAttribute(Qt::WA_NativeWindow);
    return qint64(label->winId());
}

} // namespace

EmbeddedPlayer::EmbeddedPlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings)
    : m_label(label), m_reports(reports),
      m_session(std::make_unique<MpvSession>(embeddedOptions(), settings.overrides, nativeWindowOf(label),
                                             "can't create mpv instance", "mpv failed to initialize"))
{
    label->mpvHandle = m_session->handle();
    m_session->observe({"track-list", "chapter-list"});
    m_session->setWakeup(&onMpvWakeup, reports);
}

// The handle goes (wake-up cleared first) before the label and its window.
EmbeddedPlayer::~EmbeddedPlayer()
{
    m_session.reset();
    m_label->mpvHandle = nullptr;
}

MpvSession &EmbeddedPlayer::session() const
{
    return *m_session;
}

void EmbeddedPlayer::open(const QString &path)
{
    m_session->open(path);
}

void EmbeddedPlayer::close()
{
    // A pause: the file and its last frame stay until the next open.
    m_session->setProperty("pause", "yes");
}

void EmbeddedPlayer::drain()
{
    const QList<MpvReport> reports = m_session->takeReports();
    for (const MpvReport &report : reports) {
        switch (report.kind) {
        case MpvReport::Kind::Length:
            m_reports->lengthReported(report.seconds);
            break;
        case MpvReport::Kind::Position:
            m_reports->positionReported(report.seconds);
            break;
        case MpvReport::Kind::Failed:
            m_reports->openFailed();
            break;
        case MpvReport::Kind::Ended:
            m_reports->fileEnded();
            break;
        }
    }
}

void EmbeddedPlayer::seek(int seconds)
{
    m_session->commandAsync({QStringLiteral("seek"), QString::number(seconds), QStringLiteral("absolute")});
}

void EmbeddedPlayer::askLength()
{
    m_session->commandAsync({QStringLiteral("length")});
}

void EmbeddedPlayer::fit(const QSize &)
{ } // libmpv follows the window's size itself

// The length reader of both programs: a paused libmpv player with null
// outputs whose first length report of the file opened last is the answer.

#include "playback/video/VideoLengthReader.h"

#include "base/Log.h"
#include "playback/video/MpvSession.h"

#include <QMetaObject>
#include <QTimer>

#include <stdexcept>

namespace {

// A file libmpv has not measured by then (a stalled network share) counts as unreadable.
constexpr int kReadTimeoutMs = 20000;

MpvSession::Options readerOptions()
{
    return {
        {"vo", "null"},  {"ao", "null"},   {"pause", "yes"},       {"hwdec", "no"}, {"audio-display", "no"},
        {"idle", "yes"}, {"config", "no"}, {"load-scripts", "no"}, {"ytdl", "no"},  {"terminal", "no"},
    };
}

} // namespace

struct VideoLengthReader::Engine
{
    std::unique_ptr<MpvSession> session;
    bool unavailable = false; // libmpv could not be started: every read fails
    QString path;
    QTimer timeout;

    // Starts libmpv on first use; false when it cannot be started.
    bool start(VideoLengthReader *reader);
    // What libmpv reported of the file being read: its first length, or that it cannot be read.
    void drain(VideoLengthReader *reader);
};

bool VideoLengthReader::Engine::start(VideoLengthReader *reader)
{
    if (session || unavailable)
        return session != nullptr;
    try {
        session = std::make_unique<MpvSession>(readerOptions(), 0, "could not create mpv context",
                                               "could not initialize mpv context");
    } catch (const std::runtime_error &error) {
        qCWarning(lcVideo) << "video lengths cannot be read:" << error.what();
        unavailable = true;
        return false;
    }
    session->observe();
    // libmpv's thread calls this: it only queues the drain onto the GUI thread.
    session->setWakeup(
        [](void *context) {
            auto *reader = static_cast<VideoLengthReader *>(context);
            QMetaObject::invokeMethod(
                reader, [reader] { reader->m_engine->drain(reader); }, Qt::QueuedConnection);
        },
        reader);
    return true;
}

void VideoLengthReader::Engine::drain(VideoLengthReader *reader)
{
    for (const MpvReport &report : session->takeReports()) {
        const QString read = path;
        if (read.isEmpty())
            return;
        // The answer ends the file: what follows in this drain belongs to no file being read.
        if (report.kind == MpvReport::Kind::Length && report.seconds > 0) {
            reader->cancel();
            emit reader->sigLength(read, report.seconds);
            return;
        }
        if (report.kind == MpvReport::Kind::Failed || report.kind == MpvReport::Kind::Ended) {
            reader->cancel();
            emit reader->sigFailed(read);
            return;
        }
    }
}

VideoLengthReader::VideoLengthReader(QObject *parent) : QObject(parent), m_engine(std::make_unique<Engine>())
{
    m_engine->timeout.setSingleShot(true);
    m_engine->timeout.setInterval(kReadTimeoutMs);
    connect(&m_engine->timeout, &QTimer::timeout, this, [this] {
        const QString path = m_engine->path;
        qCWarning(lcVideo).noquote() << "no length reported in time for" << path;
        cancel();
        emit sigFailed(path);
    });
}

VideoLengthReader::~VideoLengthReader() = default; // the session clears its wake-up before it goes

QString VideoLengthReader::reading() const
{
    return m_engine->path;
}

void VideoLengthReader::read(const QString &path)
{
    cancel();
    m_engine->path = path;
    if (!m_engine->start(this)) {
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (m_engine->path != path)
                    return;
                m_engine->path.clear();
                emit sigFailed(path);
            },
            Qt::QueuedConnection);
        return;
    }
    m_engine->session->open(path);
    m_engine->timeout.start();
}

void VideoLengthReader::cancel()
{
    Engine &engine = *m_engine;
    engine.timeout.stop();
    if (engine.path.isEmpty())
        return;
    engine.path.clear();
    if (engine.session)
        engine.session->stop(true);
}

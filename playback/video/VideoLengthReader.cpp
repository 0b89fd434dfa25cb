// The reader's side of measuring a file: the file being read, how long an
// answer may take, and the engine of the program's video module behind it.

#include "playback/video/VideoLengthReader.h"

#include "base/Log.h"
#include "playback/video/VideoModule.h"

#include <QMetaObject>
#include <QTimer>

#include <stdexcept>

namespace {

// A file libmpv has not measured by then (a stalled network share) counts as unreadable.
constexpr int kReadTimeoutMs = 20000;

} // namespace

struct VideoLengthReader::Engine final : VideoLengthReports
{
    explicit Engine(VideoLengthReader *reader) : reader(reader) { }

    VideoLengthReader *const reader;
    std::unique_ptr<VideoLengthEngine> player; // made by the first read
    bool unavailable = false;                  // it could not be made: every read fails
    QString path;
    QTimer timeout;

    // Makes the player on first use; false when it cannot be made.
    bool start();
    void lengthRead(double seconds) override
    {
        const QString read = takePath();
        if (!read.isEmpty())
            emit reader->sigLength(read, seconds);
    }
    void readFailed() override
    {
        const QString read = takePath();
        if (!read.isEmpty())
            emit reader->sigFailed(read);
    }
    // The file being read, which an answer ends; empty when none is.
    QString takePath()
    {
        const QString read = path;
        reader->cancel();
        return read;
    }
};

bool VideoLengthReader::Engine::start()
{
    if (player || unavailable)
        return player != nullptr;
    QString why;
    try {
        if (VideoModule *module = VideoModule::ofThisProgram(&why))
            player = module->makeLengthReader(reader, this, VideoSettings::current());
    } catch (const std::runtime_error &error) {
        why = QString::fromLocal8Bit(error.what());
    }
    if (!player) {
        qCWarning(lcVideo).noquote() << "video lengths cannot be read:" << why;
        unavailable = true;
    }
    return player != nullptr;
}

VideoLengthReader::VideoLengthReader(QObject *parent) : QObject(parent), m_engine(std::make_unique<Engine>(this))
{
    m_engine->timeout.setSingleShot(true);
    m_engine->timeout.setInterval(kReadTimeoutMs);
    connect(&m_engine->timeout, &QTimer::timeout, this, [this] {
        qCWarning(lcVideo).noquote() << "no length reported in time for" << m_engine->path;
        m_engine->readFailed();
    });
}

VideoLengthReader::~VideoLengthReader() = default; // the engine stops libmpv's calls before it goes

QString VideoLengthReader::reading() const
{
    return m_engine->path;
}

void VideoLengthReader::read(const QString &path)
{
    cancel();
    m_engine->path = path;
    if (!m_engine->start()) {
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (m_engine->path == path)
                    m_engine->readFailed();
            },
            Qt::QueuedConnection);
        return;
    }
    m_engine->player->open(path);
    m_engine->timeout.start();
}

void VideoLengthReader::cancel()
{
    Engine &engine = *m_engine;
    engine.timeout.stop();
    if (engine.path.isEmpty())
        return;
    engine.path.clear();
    if (engine.player)
        engine.player->stop();
}

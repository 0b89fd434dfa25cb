// The recording back end's length reader: it notes the files it is asked to
// read; a test answers for libmpv (FakeVideo.h).

#include "support/FakeVideo.h"

QStringList FakeLengthReads::asked;

struct VideoLengthReader::Engine
{
    QString path;
};

VideoLengthReader::VideoLengthReader(QObject *parent) : QObject(parent), m_engine(std::make_unique<Engine>())
{ }

VideoLengthReader::~VideoLengthReader() = default;

void VideoLengthReader::read(const QString &path)
{
    m_engine->path = path;
    FakeLengthReads::asked << path;
}

void VideoLengthReader::cancel()
{
    m_engine->path.clear();
}

QString VideoLengthReader::reading() const
{
    return m_engine->path;
}

void FakeLengthReads::answer(VideoLengthReader *reader, double seconds)
{
    const QString path = reader ? reader->reading() : QString();
    if (path.isEmpty())
        return;
    reader->cancel();
    emit reader->sigLength(path, seconds);
}

void FakeLengthReads::fail(VideoLengthReader *reader)
{
    const QString path = reader ? reader->reading() : QString();
    if (path.isEmpty())
        return;
    reader->cancel();
    emit reader->sigFailed(path);
}

// The fake engine's length reader: it notes the files it is asked to read; a
// test answers for libmpv (FakeVideo.h).

#include "support/FakeVideo.h"

QStringList FakeLengthReads::asked;

void FakeLengthEngine::open(const QString &path)
{
    FakeLengthReads::asked << path;
}

namespace {
FakeLengthEngine *engineOf(VideoLengthReader *reader)
{
    return reader ? reader->findChild<FakeLengthEngine *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}
} // namespace

void FakeLengthReads::answer(VideoLengthReader *reader, double seconds)
{
    if (FakeLengthEngine *engine = engineOf(reader))
        engine->m_reports->lengthRead(seconds);
}

void FakeLengthReads::fail(VideoLengthReader *reader)
{
    if (FakeLengthEngine *engine = engineOf(reader))
        engine->m_reports->readFailed();
}

// The recording video engine of the tests, and the program's video module
// of every test that links it.

#include "support/FakeVideo.h"

#include <stdexcept>

int FakeVideoEngine::made = 0;
int FakeVideoEngine::destroyed = 0;
bool FakeVideoEngine::refuseNext = false;

FakeVideoEngine::FakeVideoEngine(PlayLabel *label, VideoReports *reports)
    : QObject(label), label(label), m_reports(reports)
{
    ++made;
}

FakeVideoEngine::~FakeVideoEngine()
{
    ++destroyed;
}

void FakeVideoEngine::reportLength(float seconds)
{
    if (!opened.isEmpty())
        m_reports->lengthReported(seconds);
}

void FakeVideoEngine::reportPosition(float seconds)
{
    if (!opened.isEmpty())
        m_reports->positionReported(seconds);
}

void FakeVideoEngine::fail()
{
    if (!opened.isEmpty())
        m_reports->openFailed();
}

void FakeVideoEngine::end()
{
    if (!opened.isEmpty())
        m_reports->fileEnded();
}

QStringList FakeVideoEngine::callsOf(const QString &word) const
{
    QStringList found;
    for (const QString &call : calls) {
        if (call == word || call.startsWith(word + QLatin1Char(' ')))
            found << call;
    }
    return found;
}

void FakeVideoEngine::open(const QString &path)
{
    calls << QStringLiteral("open ") + path;
    opened = path;
}

void FakeVideoEngine::close()
{
    calls << QStringLiteral("close");
    opened.clear();
}

void FakeVideoEngine::scale(int index)
{
    calls << QStringLiteral("scale %1").arg(index);
    if (const char *zoom = VideoValues::zoomForScale(index))
        properties[QStringLiteral("video-zoom")] = QString::fromLatin1(zoom);
}

void FakeVideoEngine::setVolume(int volume)
{
    calls << QStringLiteral("volume %1").arg(volume);
    properties[QStringLiteral("volume")] = QString::number(volume);
}

void FakeVideoEngine::rotate(int degrees)
{
    calls << QStringLiteral("rotate %1").arg(degrees);
    properties[QStringLiteral("video-rotate")] = QString::number(degrees);
}

namespace {

class FakeVideoModule : public VideoModule
{
public:
    Player makePlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &) override
    {
        if (FakeVideoEngine::refuseNext) {
            FakeVideoEngine::refuseNext = false;
            throw std::runtime_error("could not create mpv context");
        }
        return std::make_unique<FakeVideoEngine>(label, reports);
    }
    LengthReader makeLengthReader(VideoLengthReader *reader, VideoLengthReports *reports,
                                  const VideoSettings &) override
    {
        return std::make_unique<FakeLengthEngine>(reader, reports);
    }
};

} // namespace

VideoModule *VideoModule::ofThisProgram(QString *)
{
    static FakeVideoModule module;
    return &module;
}

// The recording video back end of the tests.

#include "support/FakeVideo.h"

#include <QResizeEvent>

#include <stdexcept>

int FakeVideoEngine::made = 0;
int FakeVideoEngine::destroyed = 0;
bool FakeVideoEngine::refuseNext = false;

FakeVideoEngine::FakeVideoEngine(PlayLabel *label) : QObject(label), label(label)
{ }

void FakeVideoEngine::reportLength(float seconds)
{
    if (!opened.isEmpty())
        label->setSliderRange(seconds);
}

void FakeVideoEngine::reportPosition(float seconds)
{
    if (!opened.isEmpty())
        emit label->sigProgressChange(seconds);
}

void FakeVideoEngine::fail()
{
    if (!opened.isEmpty())
        emit label->sigOpenFailed(opened);
}

void FakeVideoEngine::end()
{
    if (!opened.isEmpty())
        emit label->sigFileEnded(opened);
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

struct PlayLabel::Engine {
    FakeVideoEngine *fake = nullptr;
};

namespace {
FakeVideoEngine &fakeOf(const PlayLabel *label)
{
    return *FakeVideoEngine::of(label);
}
} // namespace

PlayLabel::PlayLabel(QWidget *parent) : QLabel(parent)
{
    if (FakeVideoEngine::refuseNext) {
        FakeVideoEngine::refuseNext = false;
        throw std::runtime_error("could not create mpv context");
    }
    m_engine = std::make_unique<Engine>();
    m_engine->fake = new FakeVideoEngine(this);
    ++FakeVideoEngine::made;
}

PlayLabel::~PlayLabel()
{
    ++FakeVideoEngine::destroyed;
}

QString PlayLabel::openedPath() const
{
    return fakeOf(this).opened;
}

QString PlayLabel::propertyText(const QString &name) const
{
    return fakeOf(this).properties.value(name);
}

void PlayLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
}

void PlayLabel::on_file_open(QString path)
{
    FakeVideoEngine &fake = fakeOf(this);
    fake.calls << QStringLiteral("open ") + path;
    fake.opened = path;
    fake.startSeek.fileOpened();
}

void PlayLabel::on_file_close()
{
    FakeVideoEngine &fake = fakeOf(this);
    fake.calls << QStringLiteral("close");
    fake.opened.clear();
}

void PlayLabel::on_mpv_events()
{ }

void PlayLabel::on_file_pause()
{
    fakeOf(this).calls << QStringLiteral("pause");
    paused = true;
}

void PlayLabel::on_file_contiue()
{
    fakeOf(this).calls << QStringLiteral("contiue");
    paused = false;
}

void PlayLabel::on_file_Scale(int i)
{
    FakeVideoEngine &fake = fakeOf(this);
    fake.calls << QStringLiteral("scale %1").arg(i);
    if (const char *zoom = VideoValues::zoomForScale(i))
        fake.properties[QStringLiteral("video-zoom")] = QString::fromLatin1(zoom);
}

void PlayLabel::on_file_volume(int v)
{
    FakeVideoEngine &fake = fakeOf(this);
    fake.calls << QStringLiteral("volume %1").arg(v);
    fake.properties[QStringLiteral("volume")] = QString::number(v);
}

void PlayLabel::video_rotate(int degrees)
{
    FakeVideoEngine &fake = fakeOf(this);
    fake.calls << QStringLiteral("rotate %1").arg(degrees);
    fake.properties[QStringLiteral("video-rotate")] = QString::number(degrees);
}

void PlayLabel::on_file_seek(int seconds)
{
    fakeOf(this).calls << QStringLiteral("seek %1").arg(seconds);
}

void PlayLabel::get_length_string()
{ }

void PlayLabel::setSliderRange(float seconds)
{
    emit sigSetVideoRange(seconds);
    if (fakeOf(this).startSeek.takeDue() && startPosition != 0)
        on_file_seek(startPosition);
}

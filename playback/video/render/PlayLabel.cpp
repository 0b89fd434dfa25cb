// The first program's PlayLabel: a facade over the OpenGL surface that fills it.

#include "playback/video/PlayLabel.h"

#include "playback/video/VideoValues.h"
#include "playback/video/render/MpvWidget.h"

#include <QResizeEvent>

struct PlayLabel::Engine {
    StartSeek startSeek;
};

PlayLabel::PlayLabel(QWidget *parent) : QLabel(parent), m_engine(std::make_unique<Engine>())
{
    mpv = new MpvWidget(this); // throws before anything else is made
    mpv->setGeometry(rect());
    connect(mpv, &MpvWidget::sigSetVideoRange, this, &PlayLabel::setSliderRange);
    connect(mpv, &MpvWidget::sigProgressChange, this, [this](int seconds) { emit sigProgressChange(float(seconds)); });
    connect(mpv, &MpvWidget::sigOpenFailed, this, [this] { emit sigOpenFailed(openedPath()); });
    connect(mpv, &MpvWidget::sigFileEnded, this, [this] { emit sigFileEnded(openedPath()); });
}

PlayLabel::~PlayLabel() = default;

QString PlayLabel::openedPath() const
{
    return mpv->session().openedPath();
}

QString PlayLabel::propertyText(const QString &name) const
{
    return mpv->session().propertyText(name);
}

void PlayLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    mpv->resize(event->size());
}

void PlayLabel::on_file_open(QString path)
{
    m_engine->startSeek.fileOpened();
    mpv->openFile(path);
}

void PlayLabel::on_file_close()
{
    mpv->closeFile();
}

void PlayLabel::on_mpv_events()
{
    mpv->on_mpv_events();
}

void PlayLabel::on_file_pause()
{
    mpv->setMpvProperty(QStringLiteral("pause"), QStringLiteral("yes"));
    paused = true;
}

void PlayLabel::on_file_contiue()
{
    mpv->setMpvProperty(QStringLiteral("pause"), QStringLiteral("no"));
    paused = false;
}

void PlayLabel::on_file_Scale(int i)
{
    if (const char *zoom = VideoValues::zoomForScale(i))
        mpv->setMpvProperty(QStringLiteral("video-zoom"), QString::fromLatin1(zoom));
}

void PlayLabel::on_file_volume(int v)
{
    mpv->setMpvProperty(QStringLiteral("volume"), QString::fromLatin1(VideoValues::number(v)));
}

void PlayLabel::video_rotate(int degrees)
{
    mpv->setMpvProperty(QStringLiteral("video-rotate"), QString::fromLatin1(VideoValues::number(degrees)));
}

void PlayLabel::on_file_seek(int seconds)
{
    mpv->runCommand({QStringLiteral("seek"), qint64(seconds), QStringLiteral("absolute")});
}

void PlayLabel::get_length_string()
{
    mpv->runCommand({QStringLiteral("length")});
}

void PlayLabel::setSliderRange(float seconds)
{
    emit sigSetVideoRange(seconds);
    if (m_engine->startSeek.takeDue() && startPosition != 0)
        on_file_seek(startPosition);
}

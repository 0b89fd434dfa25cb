// The label's side of video play: its slots go to the engine that the
// program's video module makes for it, and the engine's reports come back as
// the label's signals.

#include "playback/video/PlayLabel.h"

#include "playback/video/VideoModule.h"
#include "playback/video/VideoValues.h"

#include <QResizeEvent>

#include <stdexcept>

struct PlayLabel::Engine final : VideoReports
{
    explicit Engine(PlayLabel *label) : label(label) { }

    PlayLabel *const label;
    std::unique_ptr<VideoEngine> player;
    StartSeek startSeek;

    void lengthReported(double seconds) override { label->setSliderRange(float(seconds)); }
    void positionReported(double seconds) override { emit label->sigProgressChange(float(seconds)); }
    void openFailed() override { emit label->sigOpenFailed(label->openedPath()); }
    void fileEnded() override { emit label->sigFileEnded(label->openedPath()); }
    void wake() override { emit label->mpv_events(); }
};

PlayLabel::PlayLabel(QWidget *parent) : QLabel(parent), m_engine(std::make_unique<Engine>(this))
{
    QString why;
    VideoModule *module = VideoModule::ofThisProgram(&why);
    if (!module)
        throw std::runtime_error(why.toStdString());
    // Connected before libmpv can call: a wake-up that finds no receiver is lost,
    // and libmpv does not call again for events already waiting.
    connect(this, &PlayLabel::mpv_events, this, &PlayLabel::on_mpv_events, Qt::QueuedConnection);
    m_engine->player = module->makePlayer(this, m_engine.get(), VideoSettings::current());
}

// The engine (and libmpv with it) goes before the label and its window.
PlayLabel::~PlayLabel()
{
    m_engine->player.reset();
}

QString PlayLabel::openedPath() const
{
    return m_engine->player->openedPath();
}

QString PlayLabel::propertyText(const QString &name) const
{
    return m_engine->player->propertyText(name);
}

void PlayLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_engine->player) // not while the engine is being made
        m_engine->player->fit(event->size());
}

void PlayLabel::on_file_open(QString path)
{
    m_engine->startSeek.fileOpened();
    m_engine->player->open(path);
}

void PlayLabel::on_file_close()
{
    m_engine->player->close();
}

void PlayLabel::on_mpv_events()
{
    m_engine->player->drain();
}

void PlayLabel::on_file_pause()
{
    m_engine->player->setPaused(true);
    paused = true;
}

void PlayLabel::on_file_contiue()
{
    m_engine->player->setPaused(false);
    paused = false;
}

void PlayLabel::on_file_Scale(int i)
{
    m_engine->player->scale(i);
}

void PlayLabel::on_file_volume(int v)
{
    m_engine->player->setVolume(v);
}

void PlayLabel::video_rotate(int degrees)
{
    m_engine->player->rotate(degrees);
}

void PlayLabel::on_file_seek(int seconds)
{
    m_engine->player->seek(seconds);
}

void PlayLabel::get_length_string()
{
    m_engine->player->askLength();
}

void PlayLabel::setSliderRange(float seconds)
{
    emit sigSetVideoRange(seconds);
    if (m_engine->startSeek.takeDue() && startPosition != 0)
        on_file_seek(startPosition);
}

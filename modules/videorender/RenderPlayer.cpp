// The first program's engine behind a PlayLabel: the OpenGL surface that fills it.

#include "modules/videorender/RenderPlayer.h"

#include "modules/videorender/MpvWidget.h"
#include "playback/video/PlayLabel.h"

RenderPlayer::RenderPlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings)
    : m_label(label), m_widget(new MpvWidget(settings, label)) // throws before anything else is made
{
    label->mpv = m_widget;
    m_widget->setGeometry(label->rect());
    QObject::connect(m_widget, &MpvWidget::sigSetVideoRange, m_widget,
                     [reports](float seconds) { reports->lengthReported(seconds); });
    QObject::connect(m_widget, &MpvWidget::sigProgressChange, m_widget,
                     [reports](int seconds) { reports->positionReported(seconds); });
    QObject::connect(m_widget, &MpvWidget::sigOpenFailed, m_widget, [reports] { reports->openFailed(); });
    QObject::connect(m_widget, &MpvWidget::sigFileEnded, m_widget, [reports] { reports->fileEnded(); });
}

// The surface, and libmpv with it, goes while the label still stands.
RenderPlayer::~RenderPlayer()
{
    m_label->mpv = nullptr;
    delete m_widget;
}

MpvSession &RenderPlayer::session() const
{
    return m_widget->session();
}

void RenderPlayer::open(const QString &path)
{
    m_widget->openFile(path);
}

void RenderPlayer::close()
{
    m_widget->closeFile();
}

void RenderPlayer::drain()
{
    m_widget->on_mpv_events();
}

void RenderPlayer::seek(int seconds)
{
    m_widget->runCommand({QStringLiteral("seek"), qint64(seconds), QStringLiteral("absolute")});
}

void RenderPlayer::askLength()
{
    m_widget->runCommand({QStringLiteral("length")});
}

void RenderPlayer::fit(const QSize &size)
{
    m_widget->resize(size);
}

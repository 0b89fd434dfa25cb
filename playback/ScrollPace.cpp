// Frame-paced movement of rolling texts.

#include "playback/ScrollPace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cmath>

void ScrollPace::setSpeed(qreal pixelsPerSecond)
{
    m_pixelsPerSecond = qMax<qreal>(0, pixelsPerSecond);
    m_remainder = 0;
}

int ScrollPace::advance(qint64 ms)
{
    if (!moves() || ms <= 0)
        return 0;
    const qreal due = m_pixelsPerSecond * qreal(ms) / 1000 + m_remainder;
    const qreal whole = std::floor(due);
    m_remainder = due - whole;
    return int(qMin<qreal>(whole, 1 << 20));
}

void ScrollPace::start(QTimer *frameTimer)
{
    m_sinceLastFrame.start();
    if (!moves())
        return;
    frameTimer->setTimerType(Qt::PreciseTimer);
    frameTimer->start(frameIntervalMs());
}

void ScrollPace::stop(QTimer *frameTimer)
{
    frameTimer->stop();
}

qint64 ScrollPace::takeElapsedMs()
{
    if (!m_sinceLastFrame.isValid()) {
        m_sinceLastFrame.start();
        return 0;
    }
    return m_sinceLastFrame.restart();
}

int ScrollPace::frameIntervalMs()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal rate = screen ? screen->refreshRate() : 0;
    return qMax(1, qRound(1000 / (rate >= 1 ? rate : 60)));
}

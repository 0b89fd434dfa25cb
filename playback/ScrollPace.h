#pragma once

// The pace of a rolling text. A rolling speed stands for so many pixels per
// second; the text moves at most once per screen frame, by the whole pixels
// due since the last move, and the fraction left over is kept for the next
// one. So a fast text moves several pixels a frame instead of one pixel every
// 2 ms, and a slow one moves on the frames where a whole pixel is due.

#include <QElapsedTimer>
#include <QtGlobal>

class QTimer;

class ScrollPace
{
public:
    // 0 (or less) stands: no pixel is ever due.
    void setSpeed(qreal pixelsPerSecond);
    qreal speed() const { return m_pixelsPerSecond; }
    bool moves() const { return m_pixelsPerSecond > 0; }

    // Whole pixels due after `ms` more milliseconds; the fraction is kept.
    int advance(qint64 ms);

    // For a frame timer: starts it at one frame, and measures from now.
    void start(QTimer *frameTimer);
    // Stops the timer; the fraction is kept for a resume.
    void stop(QTimer *frameTimer);
    // Milliseconds since the last call (or since start), for the frame slot.
    qint64 takeElapsedMs();

    // One screen refresh in milliseconds: the primary screen's refresh rate, or 60 Hz.
    static int frameIntervalMs();

private:
    qreal m_pixelsPerSecond = 0;
    qreal m_remainder = 0;
    QElapsedTimer m_sinceLastFrame;
};

#pragma once

// What long content costs the player: a probe of how long the GUI thread is
// held and how much memory the process gains, and a long text to feed it.
// Used by the benchmarks and by tests that bound both.

#include "BenchMeasure.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

// A news text of `characters` characters: numbered sentences, so no two stretches of it look alike.
inline QString newsText(int characters)
{
    QString text;
    text.reserve(characters + 64);
    for (int i = 0; text.size() < characters; ++i)
        text += QStringLiteral("Item %1: the market opens at nine. ").arg(i);
    text.truncate(characters);
    return text;
}

// The probe: a 100 ms timer on the GUI thread that fires on time unless the
// thread is busy, and reads the resident memory each time it fires.
class HoldProbe
{
public:
    HoldProbe() : m_before(BenchMeasure::residentKilobytes()), m_peak(m_before)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { sample(); });
        m_sinceLast.start();
        m_timer.start(kIntervalMs);
    }
    HoldProbe(const HoldProbe &) = delete;
    HoldProbe &operator=(const HoldProbe &) = delete;

    void stop()
    {
        m_timer.stop();
        m_peak = qMax(m_peak, BenchMeasure::residentKilobytes());
    }
    // A hold measured apart (a call the probe's timer could not interrupt).
    void count(qint64 heldMs) { longestMs = qMax(longestMs, heldMs); }
    // Resident kilobytes at the peak over those when the probe started.
    long addedKilobytes() const { return m_peak - m_before; }

    qint64 longestMs = 0; // the timer's worst lateness, in milliseconds

private:
    static constexpr int kIntervalMs = 100;

    void sample()
    {
        count(m_sinceLast.restart() - kIntervalMs);
        m_peak = qMax(m_peak, BenchMeasure::residentKilobytes());
    }

    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    long m_before = 0;
    long m_peak = 0;
};

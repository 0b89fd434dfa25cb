#pragma once

// What a test watches while the program meets hostile content: the longest
// stall of a 100 ms timer on the GUI thread, the peak resident memory and
// the CPU the process spends (the play-log rows of the items: PlayLogRows.h).
// Linux only (it reads /proc/self). Needs nothing of the program.

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QTimer>

#include <sys/resource.h>

namespace HostileProbes {

// Under AddressSanitizer a process also keeps shadow memory and a quarantine
// of freed blocks: the memory budget of a whole process doubles there.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSanitizerMemoryScale = 2;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kSanitizerMemoryScale = 2;
#else
constexpr int kSanitizerMemoryScale = 1;
#endif
#else
constexpr int kSanitizerMemoryScale = 1;
#endif

// A timer ticking every `intervalMs` on the GUI thread, and the longest gap
// seen between two of its ticks: how long the GUI thread was kept from its
// events.
class GuiStallProbe : public QObject
{
public:
    explicit GuiStallProbe(int intervalMs = 100) : m_intervalMs(intervalMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            m_longestGapMs = qMax(m_longestGapMs, m_sinceTick.restart());
            ++m_ticks;
        });
    }
    void start()
    {
        m_longestGapMs = 0;
        m_ticks = 0;
        m_sinceTick.start();
        m_timer.start();
    }
    // Past the timer's own interval.
    qint64 longestStallMs() const { return qMax<qint64>(0, m_longestGapMs - m_intervalMs); }
    int ticks() const { return m_ticks; }

private:
    int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestGapMs = 0;
    int m_ticks = 0;
};

// A field of /proc/<pid>/status in kB ("VmRSS", "VmHWM") of this process or
// another one; -1 when absent.
inline qint64 statusKb(const char *field, const QString &pid = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The peak resident memory of this process from start() on, above what was
// resident at start(). The kernel's high-water mark is reset at start(), so
// rows of one test each have their own peak.
class PeakMemory
{
public:
    bool start()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        const bool reset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
        clear.close();
        m_baseKb = statusKb("VmRSS");
        return reset && m_baseKb > 0;
    }
    qint64 growthMb() const { return (statusKb("VmHWM") - m_baseKb) / 1024; }

private:
    qint64 m_baseKb = 0;
};

// CPU time (user and system, every thread) this process spends per second of
// wall time from start() on: 1.0 is one core kept busy.
class CpuProbe
{
public:
    void start()
    {
        m_cpuStartUs = cpuUs();
        m_wall.start();
    }
    double cores() const
    {
        const qint64 wallUs = qMax<qint64>(1, m_wall.nsecsElapsed() / 1000);
        return double(cpuUs() - m_cpuStartUs) / wallUs;
    }

private:
    static qint64 cpuUs()
    {
        struct rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        return (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000 + usage.ru_utime.tv_usec
               + usage.ru_stime.tv_usec;
    }
    qint64 m_cpuStartUs = 0;
    QElapsedTimer m_wall;
};

} // namespace HostileProbes

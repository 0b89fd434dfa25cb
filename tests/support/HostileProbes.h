#pragma once

// What a test watches while the program meets hostile content: the longest
// stall of a 100 ms timer on the GUI thread, the peak resident memory and
// the CPU the process spends, with the helper processes it started (a web
// engine's, a converter's). The play-log rows of the items: PlayLogRows.h;
// the windows: HostileWindows.h. Linux only (it reads /proc). Needs nothing
// of the program.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

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
// Its checks also make every decode and page drawn cost some three times the
// CPU: budgets of CPU, and of how long the GUI thread may be held, double
// there. (On this kind of virtual machine a 10 ms sleep alone can wake 35 ms
// late when the host is busy; slowed threefold, the program's own short turns
// on the GUI thread then reach the single budget now and then.)
constexpr int kSanitizerCpuScale = kSanitizerMemoryScale;

// A timer ticking every `intervalMs` on the GUI thread, and the longest gap
// seen between two of its ticks: how long the GUI thread was kept from its
// events. The test's own work on the GUI thread (OwnWork) is not counted.
class GuiStallProbe : public QObject
{
public:
    explicit GuiStallProbe(int intervalMs = 100) : m_intervalMs(intervalMs)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            if (m_ownWork == 0)
                m_longestGapMs = qMax(m_longestGapMs, m_sinceTick.restart());
            ++m_ticks;
        });
    }
    ~GuiStallProbe() override
    {
        if (running() == this)
            running() = nullptr;
    }
    void start()
    {
        m_longestGapMs = 0;
        m_ticks = 0;
        m_sinceTick.start();
        m_timer.start();
        running() = this;
    }
    // Past the timer's own interval.
    qint64 longestStallMs() const { return qMax<qint64>(0, m_longestGapMs - m_intervalMs); }
    int ticks() const { return m_ticks; }

    // The probe that watches now, if one does.
    static GuiStallProbe *&running()
    {
        static GuiStallProbe *probe = nullptr;
        return probe;
    }
    // The gap up to the test's own work counts; the work itself does not.
    void ownWorkBegins()
    {
        if (m_ownWork++ == 0)
            m_longestGapMs = qMax(m_longestGapMs, m_sinceTick.elapsed());
    }
    void ownWorkEnds()
    {
        if (--m_ownWork == 0)
            m_sinceTick.restart();
    }

private:
    int m_intervalMs;
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestGapMs = 0;
    int m_ticks = 0;
    int m_ownWork = 0;
};

// While it lives, the test works on the GUI thread for itself (reading every
// process of /proc, grabbing a widget to look at it): on a busy machine, and
// under the sanitizers, that takes hundreds of milliseconds that are not the
// program's.
class OwnWork
{
public:
    OwnWork() : m_probe(GuiStallProbe::running())
    {
        if (m_probe)
            m_probe->ownWorkBegins();
    }
    ~OwnWork()
    {
        if (m_probe && GuiStallProbe::running() == m_probe)
            m_probe->ownWorkEnds();
    }
    OwnWork(const OwnWork &) = delete;
    OwnWork &operator=(const OwnWork &) = delete;

private:
    GuiStallProbe *m_probe;
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

// The fields of /proc/<pid>/stat after the command name: [0] the state,
// [1] the parent, [11] and [12] the user and system time in clock ticks.
inline QList<QByteArray> statFields(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2).split(' ');
}

// The processes this one started, and those they started in turn, that are
// still running (zombies aside).
inline QStringList descendants()
{
    const OwnWork own;
    QMultiHash<QByteArray, QString> children;
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs)) {
        const QList<QByteArray> fields = statFields(pid);
        if (fields.size() > 12 && fields.value(0) != "Z")
            children.insert(fields.value(1), pid);
    }
    QStringList found;
    QList<QByteArray> parents{QByteArray::number(qint64(::getpid()))};
    while (!parents.isEmpty()) {
        for (const QString &child : children.values(parents.takeFirst())) {
            found << child;
            parents << child.toLatin1();
        }
    }
    return found;
}

// The peak resident memory of this process and of the processes it started
// (each counted at its own peak), from start() on, above what they held at
// start(). The kernel's high-water marks are reset at start(), so rows of
// one test each have their own peak.
class PeakMemory
{
public:
    bool start()
    {
        m_baseKb.clear();
        bool reset = true;
        for (const QString &pid : QStringList{QStringLiteral("self")} + descendants()) {
            QFile clear(QStringLiteral("/proc/%1/clear_refs").arg(pid));
            reset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1 && reset;
            clear.close();
            m_baseKb.insert(pid, statusKb("VmRSS", pid));
        }
        return reset && m_baseKb.value(QStringLiteral("self")) > 0;
    }
    qint64 growthMb() const
    {
        qint64 kb = 0;
        for (const QString &pid : QStringList{QStringLiteral("self")} + descendants())
            kb += qMax<qint64>(0, statusKb("VmHWM", pid) - m_baseKb.value(pid));
        return kb / 1024;
    }

private:
    QHash<QString, qint64> m_baseKb; // by process; a process started later held nothing
};

// CPU time (user and system, every thread) this process and the processes
// it started spend per second of wall time from start() on: 1.0 is one core
// kept busy. A helper that ends in between takes its share with it.
class CpuProbe
{
public:
    void start()
    {
        m_startUs = cpuUs();
        m_wall.start();
    }
    double cores() const
    {
        const qint64 wallUs = qMax<qint64>(1, m_wall.nsecsElapsed() / 1000);
        qint64 spentUs = 0;
        const QHash<QString, qint64> now = cpuUs();
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            spentUs += it.value() - m_startUs.value(it.key());
        return double(spentUs) / wallUs;
    }

private:
    // By process: "self" and each helper.
    static QHash<QString, qint64> cpuUs()
    {
        QHash<QString, qint64> spent;
        struct rusage usage;
        getrusage(RUSAGE_SELF, &usage);
        spent.insert(QStringLiteral("self"), (qint64(usage.ru_utime.tv_sec) + usage.ru_stime.tv_sec) * 1000000
                                                 + usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
        const qint64 tickUs = 1000000 / qMax(1L, ::sysconf(_SC_CLK_TCK));
        for (const QString &pid : descendants()) {
            const QList<QByteArray> fields = statFields(pid);
            spent.insert(pid, (fields.value(11).toLongLong() + fields.value(12).toLongLong()) * tickUs);
        }
        return spent;
    }
    QHash<QString, qint64> m_startUs;
    QElapsedTimer m_wall;
};

} // namespace HostileProbes

#pragma once

// What the benchmarks measure of a process: the CPU time it has used, and
// the memory it keeps resident (alone, or with every process it started,
// such as the web engine's helpers). Linux only: read from getrusage and /proc.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <sys/resource.h>
#include <unistd.h>

namespace BenchMeasure {

// User and system CPU seconds of this process so far.
inline double cpuSeconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Resident kilobytes of a process ("self" for this one); 0 when it cannot be read.
inline long residentKilobytes(const QString &pid = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// The parent of a process, from its stat line; empty when it cannot be read.
inline QString parentOf(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray line = stat.readAll();
    // "pid (name) state ppid ...": the name may hold blanks, so read after its closing bracket.
    return QString::fromLatin1(line.mid(line.lastIndexOf(')') + 2).split(' ').value(1));
}

// Resident kilobytes of this process and every process below it.
inline long residentOfTree()
{
    QStringList tree{QString::number(getpid())};
    const QStringList all = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (bool grew = true; grew;) {
        grew = false;
        for (const QString &pid : all) {
            if (!tree.contains(pid) && tree.contains(parentOf(pid))) {
                tree << pid;
                grew = true;
            }
        }
    }
    long total = 0;
    for (const QString &pid : tree)
        total += residentKilobytes(pid);
    return total;
}

} // namespace BenchMeasure

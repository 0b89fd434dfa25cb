// Opens schedules of one display window with N programs of one window each
// and reports, per size, the time until the main window is shown and its
// event loop answers again, and the peak resident memory of the process.
// Each size runs in a process of its own, so each peak is its own; the
// best of three runs (or --runs N) is shown.
//   bench_load [--runs N] [sizes...]   (default: best of 3 runs; 1000 2000 4000 8000)
//   bench_load --one N           (one size; prints "N milliseconds peak-KiB")

#include "BenchSupport.h"
#include "base/AppContext.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "resources/QvResources.h"
#include "shell/Widget.h"
#include "support/GeneratedSchedules.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <sys/resource.h>

namespace {

long peakResidentKilobytes()
{
    struct rusage usage
    { };
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int runOne(int windows)
{
    BenchSupport::Environment environment;
    const QString path = environment.path("bench.qvsc");
    if (!GeneratedSchedules::save(*GeneratedSchedules::wide(windows), path))
        qFatal("cannot write %s", qPrintable(path));

    int areas = 0;
    qint64 elapsedMs = 0;
    {
        Widget w;
        w.show();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        w.slotOpenSettingsDoc(path);
        // Usable: everything the opening posted has been handled and the loop answers.
        QEventLoop loop;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
        loop.exec();
        elapsedMs = timer.elapsed();
        for (const MainPlayBKLabel *display : w.displayWindows)
            areas += display->playWindows.size();
    }
    if (areas != windows)
        qFatal("%d areas made for %d windows", areas, windows);
    QTextStream(stdout) << windows << ' ' << elapsedMs << ' ' << peakResidentKilobytes() << '\n';
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::preferOffscreen();
    QApplication app(argc, argv);
    initQvResources();
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--one"))
        return runOne(args.value(2).toInt());

    QList<int> sizes;
    int runs = 3;
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--runs"))
            runs = qMax(1, args.value(++i).toInt());
        else
            sizes << args.at(i).toInt();
    }
    if (sizes.isEmpty())
        sizes = {1000, 2000, 4000, 8000};

    QTextStream out(stdout);
    out << "platform: " << QGuiApplication::platformName() << "\n";
    out << "windows   time to usable window    peak resident memory\n";
    qint64 baseMs = 0;
    long baseKb = 0;
    for (int windows : sizes) {
        // The best of the runs: the machine may be busy with other work.
        qint64 ms = -1;
        long kb = -1;
        for (int run = 0; run < runs; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one"), QString::number(windows)});
            if (!child.waitForFinished(-1) || child.exitCode() != 0) {
                out << windows << ": failed\n";
                return 1;
            }
            const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
            const qint64 runMs = figures.value(1).toLongLong();
            const long runKb = figures.value(2).trimmed().toLong();
            ms = ms < 0 ? runMs : qMin(ms, runMs);
            kb = kb < 0 ? runKb : qMin(kb, runKb);
        }
        if (baseMs == 0) {
            baseMs = qMax<qint64>(1, ms);
            baseKb = qMax(1L, kb);
        }
        out << QString::asprintf("%7d   %9.2f s (x %5.2f)      %8.1f MiB (x %5.2f)\n", windows, ms / 1000.0,
                                 double(ms) / baseMs, kb / 1024.0, double(kb) / baseKb);
        out.flush();
    }
    out << "linear: 8x the windows should cost at most 10x the time and memory of the first size\n";
    out << "before areas were found by key (best of 1, same machine): 1000 in 2.70 s / 125.5 MiB, 2000 in 17.35 s /\n"
           "373.3 MiB, 4000 in 51.57 s / 1350.0 MiB, 8000 in 252.74 s / 5224.6 MiB (x 93.5 time, x 41.6 memory)\n";
    return 0;
}

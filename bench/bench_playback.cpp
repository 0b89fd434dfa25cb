// Plays a display window with 8 areas of short items and reports the CPU it
// uses; then loads a schedule of 50 areas and reports the memory they take.
//   bench_playback [seconds]   (default 60; run under Xvfb for a real display)

#include "BenchMeasure.h"
#include "shell/Prodoc.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "resources/QvResources.h"
#include "base/AppContext.h"
#include "shell/Widget.h"
#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

using BenchMeasure::cpuSeconds;

} // namespace

int main(int argc, char **argv)
{
    BenchSupport::preferOffscreen();
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);
    const int seconds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 60;

    BenchSupport::Environment dir;

    {
        Widget w;
        BenchSupport::buildProgram(w, 8);
        w.slotOverallPlay();
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        const double cpu = cpuSeconds() - cpuBefore;
        PlayLog::flush();
        out << "platform: " << QGuiApplication::platformName() << "\n";
        out << "8 areas playing for " << wall.elapsed() / 1000.0 << " s: CPU " << QString::number(cpu, 'f', 2)
            << " s (" << QString::number(100.0 * cpu / (wall.elapsed() / 1000.0), 'f', 2) << " % of one core)\n";
        w.slotOverallStop();
    }

    {
        Widget author;
        BenchSupport::buildProgram(author, 50);
        author.document->saveSchedule(dir.path("fifty.qvsc"));
    }
    const long before = BenchSupport::residentKilobytes();
    {
        Widget w;
        const long withWindow = BenchSupport::residentKilobytes();
        w.document->loadSchedule(dir.path("fifty.qvsc"));
        app.processEvents();
        const long loaded = BenchSupport::residentKilobytes();
        int areas = 0;
        for (MainPlayBKLabel *display : w.displayWindows)
            areas += display->playWindows.size();
        out << "main window: " << (withWindow - before) / 1024.0 << " MiB; loading " << areas
            << " areas: +" << (loaded - withWindow) << " KiB resident (" << (loaded - withWindow) / qMax(1, areas)
            << " KiB per area)\n";
    }
    return 0;
}

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

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

using BenchMeasure::cpuSeconds;
using BenchMeasure::residentKilobytes;

// One program of the first display window's tree with `areas` windows of three short texts each.
void buildProgram(Widget &w, int areas)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString d = w.curDisplayName;
    tree->loadGeneralSegment("Bench", d, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
    tree->loadProgram("P", SegmentType::General, d, Qt::black, {}, 1, {}, 2, 1, QTime(0, 6, 0), 0);
    int id = 0;
    for (int a = 0; a < areas; ++a) {
        const QString window = QStringLiteral("Area%1").arg(a + 1);
        tree->loadCommonWindow(window, SegmentType::General, true, 2, Qt::yellow, (a % 4) * 80, (a / 4) * 60, 80, 60);
        for (int i = 0; i < 3; ++i) {
            TextProperty text;
            text.stayTime = 1;
            tree->loadTextObject(MediaKind::SimpleText, ++id, d, "Bench", "P", window, text);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);
    const int seconds = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 60;

    QTemporaryDir dir;
    AppContext::appDirPath = dir.path();
    PlayLog::setDatabasePath(dir.filePath("log.db"));
    AppContext::screenWidth = 1920;
    AppContext::screenHeight = 1080;
    AppContext::displayWindowParent = new QLabel;

    {
        Widget w;
        buildProgram(w, 8);
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
        buildProgram(author, 50);
        author.document->saveSchedule(dir.filePath("fifty.qvsc"));
    }
    const long before = residentKilobytes();
    {
        Widget w;
        const long withWindow = residentKilobytes();
        w.document->loadSchedule(dir.filePath("fifty.qvsc"));
        app.processEvents();
        const long loaded = residentKilobytes();
        int areas = 0;
        for (MainPlayBKLabel *display : w.displayWindows)
            areas += display->playWindows.size();
        out << "main window: " << (withWindow - before) / 1024.0 << " MiB; loading " << areas
            << " areas: +" << (loaded - withWindow) << " KiB resident (" << (loaded - withWindow) / qMax(1, areas)
            << " KiB per area)\n";
    }
    delete AppContext::displayWindowParent;
    return 0;
}

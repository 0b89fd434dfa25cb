// Plays a display window of 8 areas of one-second items in real time and
// reports what an unattended screen must not do over hours: grow in memory,
// threads or open files after warming up, or lose play-log rows.
//   bench_soak [minutes]   (default 10; run under Xvfb for a real display)

#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "playback/PlayLog.h"
#include "playback/PlayLogFallback.h"
#include "resources/QvResources.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <unistd.h>

namespace {

struct Usage
{
    double residentMiB = 0;
    int threads = 0;
    int descriptors = 0;
};

Usage usageNow()
{
    Usage usage;
    long pages = 0, resident = 0;
    if (FILE *statm = fopen("/proc/self/statm", "r")) {
        if (fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        fclose(statm);
    }
    usage.residentMiB = resident * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024);
    usage.threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    usage.descriptors = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
    return usage;
}

// One program of 8 areas with three one-second texts each, playing in a loop.
void buildProgram(Widget &w)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString d = w.curDisplayName;
    tree->loadGeneralSegment("Soak", d, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
    tree->loadProgram("P", SegmentType::General, d, Qt::black, {}, 1, {}, 2, 1, QTime(0, 6, 0), 0);
    int id = 0;
    for (int a = 0; a < 8; ++a) {
        const QString window = QStringLiteral("Area%1").arg(a + 1);
        tree->loadCommonWindow(window, SegmentType::General, true, 2, Qt::yellow, (a % 4) * 80, (a / 4) * 60, 80, 60);
        for (int i = 0; i < 3; ++i) {
            TextProperty text;
            text.stayTime = 1;
            tree->loadTextObject(MediaKind::SimpleText, ++id, d, "Soak", "P", window, text);
        }
    }
}

qint64 rowsIn(const QString &file)
{
    qint64 rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("select count(*) from LOGINFOS")) && query.next())
            rows = query.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return rows;
}

qint64 linesIn(const QString &file)
{
    QFile text(file);
    return text.open(QIODevice::ReadOnly) ? text.readAll().count('\n') : 0;
}

void runFor(QApplication &app, qint64 ms)
{
    QTimer::singleShot(int(ms), &app, &QCoreApplication::quit);
    app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);
    const double minutes = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 10.0;
    const qint64 totalMs = qint64(qMax(0.5, minutes) * 60000);
    const qint64 warmUpMs = qMax<qint64>(20000, totalMs / 10);

    QTemporaryDir dir;
    AppContext::appDirPath = dir.path();
    const QString log = dir.filePath("log.db");
    PlayLog::setDatabasePath(log);
    AppContext::screenWidth = 1920;
    AppContext::screenHeight = 1080;
    AppContext::displayWindowParent = new QLabel;

    Usage warm, end;
    quint64 due = 0;
    QElapsedTimer wall;
    {
        Widget w;
        buildProgram(w);
        w.slotOverallPlay();
        wall.start();
        runFor(app, warmUpMs);
        PlayLog::flush();
        warm = usageNow();
        runFor(app, qMax<qint64>(0, totalMs - wall.elapsed()));
        end = usageNow();
        w.slotOverallStop();
        due = PlayLog::queuedRows();
    }
    PlayLog::shutdown();
    delete AppContext::displayWindowParent;

    const qint64 written = rowsIn(log);
    const qint64 kept = linesIn(PlayLogFallback::pathFor(log));
    out << "platform: " << QGuiApplication::platformName() << "\n";
    out << "8 areas of 1 s items for " << QString::number(wall.elapsed() / 60000.0, 'f', 1) << " min in real time\n";
    out << "                        resident   threads   descriptors\n";
    out << QString::asprintf("%-22s %8.1f MiB %8d %12d\n",
                             qPrintable(QStringLiteral("after warm-up (%1 s)").arg(warmUpMs / 1000)), warm.residentMiB,
                             warm.threads, warm.descriptors);
    out << QString::asprintf("%-22s %8.1f MiB %8d %12d\n", "at the end", end.residentMiB, end.threads, end.descriptors);
    out << QString::asprintf("%-22s %+8.1f MiB %+8d %+12d   (target: 0, memory within SQLite's page "
                             "cache of about 2 MiB)\n",
                             "growth after warm-up", end.residentMiB - warm.residentMiB, end.threads - warm.threads,
                             end.descriptors - warm.descriptors);
    out << "play log: rows due " << due << ", written " << written << ", kept in the fallback file " << kept
        << ", dropped " << PlayLog::droppedRows() << "   (target: written + kept = due, none dropped)\n";
    return 0;
}

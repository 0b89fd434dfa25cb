// Plays a display window of 8 areas of one-second items in real time and
// reports what an unattended screen must not do over hours: grow in memory,
// threads or open files after warming up, or lose play-log rows.
//   bench_soak [minutes]   (default 10; run under Xvfb for a real display)

#include "BenchSupport.h"
#include "base/AppContext.h"
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
    usage.residentMiB = BenchSupport::residentKilobytes() / 1024.0;
    usage.threads = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    usage.descriptors = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
    return usage;
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
    BenchSupport::preferOffscreen();
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);
    const double minutes = argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 10.0;
    const qint64 totalMs = qint64(qMax(0.5, minutes) * 60000);
    const qint64 warmUpMs = qMax<qint64>(20000, totalMs / 10);

    BenchSupport::Environment environment;
    const QString log = environment.logPath();

    Usage warm, end;
    quint64 due = 0;
    QElapsedTimer wall;
    {
        Widget w;
        BenchSupport::buildProgram(w, 8);
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

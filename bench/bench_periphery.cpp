// The monitor window and the play-log viewer, each against the bare work it
// does, in one run:
//   - the CPU the monitor uses over 3 display windows of 640x360, against a
//     loop that grabs and smooth-scales the same rectangles every 50 ms;
//   - wall time and peak memory of a look-up in a play log of 1,000,000 rows
//     over 90 days, the table filled, against the same query run bare
//     through QSqlQuery (each look-up in a process of its own, so that its
//     peak is its own): one day (about 11,000 rows) and a keyword over the
//     whole range (about 220,000 rows).
//   bench_periphery [seconds]   (default 30; run under Xvfb for real grabs)

#include "BenchMeasure.h"
#include "base/AppContext.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "resources/QvResources.h"
#include "shell/Widget.h"
#include "shell/dialogs/JournalWin.h"
#include "shell/dialogs/MonitorWin.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QVariant>


namespace {

using BenchMeasure::cpuSeconds;

QTextStream out(stdout);

long peakKilobytes()
{
    struct rusage usage
    { };
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// ---- monitor ------------------------------------------------------------

void benchMonitor(int seconds)
{
    QTemporaryDir home;
    AppContext::appDirPath = home.path();
    QDir::setCurrent(home.path());
    AppContext::enumerateScreens();
    AppContext::displayWindowParent = new QLabel;
    PlayLog::setDatabasePath(home.filePath("log.db"));
    {
        Widget w;
        w.createDisplayWindowBackground(QStringLiteral("B"), 660, 0, 640, 360);
        w.createDisplayWindowBackground(QStringLiteral("C"), 0, 380, 640, 360);
        w.displayWindows.first()->setGeometry(0, 0, 640, 360);
        runFor(500);

        w.slotMonitor();
        MonitorWin *monitor = w.monitorWin();
        runFor(500);
        double start = cpuSeconds();
        runFor(seconds * 1000);
        const double monitorCpu = cpuSeconds() - start;
        QList<QSize> labelSizes;
        for (QLabel *label : monitor->monitorLabels)
            labelSizes << label->size();
        monitor->close();
        runFor(200);

        // The bare work: the same grabs and scales on the same timer.
        QList<QRect> rects;
        for (MainPlayBKLabel *display : w.displayWindows)
            rects << display->geometry();
        QScreen *screen = QGuiApplication::primaryScreen();
        QList<QPixmap> kept;
        QTimer bare;
        bare.setInterval(50);
        QObject::connect(&bare, &QTimer::timeout, [&] {
            kept.clear();
            for (int i = 0; i < rects.size(); ++i) {
                const QRect &r = rects.at(i);
                kept << screen->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                            .scaled(labelSizes.value(i), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        });
        bare.start();
        start = cpuSeconds();
        runFor(seconds * 1000);
        const double bareCpu = cpuSeconds() - start;
        bare.stop();

        out << "monitor, 3 display windows of 640x360, " << seconds << " s\n";
        out << QStringLiteral("  monitor window     %1 s CPU\n").arg(monitorCpu, 0, 'f', 2);
        out << QStringLiteral("  bare grab + scale  %1 s CPU\n").arg(bareCpu, 0, 'f', 2);
        out << QStringLiteral("  ratio              %1 (target <= 1.2)\n")
                   .arg(monitorCpu / qMax(bareCpu, 1e-6), 0, 'f', 2);
        out.flush();
    }
    delete AppContext::displayWindowParent;
    AppContext::displayWindowParent = nullptr;
}

// ---- log look-up ----------------------------------------------------------

const QDate kFirstDay(2024, 1, 1);
const int kDays = 90;
const int kRows = 1000000;

// 1,000,000 rows spread evenly over 90 days; 11 names in 50 hold "promo".
void makeLog(const QString &path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
    db.setDatabaseName(path);
    db.open();
    {
        QSqlQuery query(db);
        query.exec(QStringLiteral("create table LOGINFOS (name varchar,length varchar,beginDate date,"
                                  "endDate date,beginTime varchar,endTime varchar,result varchar)"));
        db.transaction();
        query.prepare(QStringLiteral("insert into LOGINFOS values(?,?,?,?,?,?,?)"));
        for (int i = 0; i < kRows; ++i) {
            const QString day = kFirstDay.addDays(qint64(i) * kDays / kRows).toString(QStringLiteral("yyyy-MM-dd"));
            const int n = i % 50;
            const QString name = n < 11 ? QStringLiteral("promo_%1.mp4").arg(n) : QStringLiteral("clip_%1.png").arg(n);
            for (const QVariant &value :
                 {QVariant(name), QVariant(QStringLiteral("15")), QVariant(day), QVariant(day),
                  QVariant(QStringLiteral("10:00:00:000")), QVariant(QStringLiteral("10:00:15:000")),
                  QVariant(QStringLiteral("success"))})
                query.addBindValue(value);
            query.exec();
        }
        db.commit();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("maker"));
}

// One look-up in this process; prints "milliseconds rows peak-kB base-kB".
int lookUpChild(const QStringList &args)
{
    const QString path = args.value(0), mode = args.value(1), keyword = args.value(4);
    const QDate from = QDate::fromString(args.value(2), Qt::ISODate),
                to = QDate::fromString(args.value(3), Qt::ISODate);
    const long base = peakKilobytes();
    QElapsedTimer timer;
    qint64 ms = 0;
    int rows = 0;
    if (mode == QLatin1String("viewer")) {
        PlayLog::setDatabasePath(path);
        JournalWin journal(nullptr);
        journal.fromDateEdit->setDate(from);
        journal.toDateEdit->setDate(to);
        journal.keywordEdit->setText(keyword);
        timer.start();
        journal.slotFindDate();
        ms = timer.elapsed(); // the rows are in the table; the dialog lives on in the program
        rows = journal.resultTable->rowCount();
    } else {
        timer.start();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        db.open();
        {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.prepare(QStringLiteral("select * FROM LOGINFOS where name like ? escape '\\' "
                                         "and beginDate between ? and ?"));
            query.addBindValue(QLatin1Char('%') + keyword + QLatin1Char('%'));
            query.addBindValue(from.toString(QStringLiteral("yyyy-MM-dd")));
            query.addBindValue(to.toString(QStringLiteral("yyyy-MM-dd")));
            query.exec();
            while (query.next()) {
                for (int c = 0; c < 7; ++c)
                    query.value(c).toString();
                ++rows;
            }
        }
        db.close();
        ms = timer.elapsed();
    }
    out << ms << ' ' << rows << ' ' << peakKilobytes() << ' ' << base << '\n';
    return 0;
}

struct Measure
{
    qint64 ms = 0;
    int rows = 0;
    long peakKb = 0;
};

// The best of three runs of a child look-up.
Measure measure(const QString &path, const QString &mode, const QDate &from, const QDate &to, const QString &keyword)
{
    Measure best;
    for (int run = 0; run < 3; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {"--lookup", path, mode, from.toString(Qt::ISODate), to.toString(Qt::ISODate), keyword});
        child.waitForFinished(600000);
        const QStringList figures = QString::fromLatin1(child.readAllStandardOutput()).simplified().split(' ');
        Measure m{figures.value(0).toLongLong(), figures.value(1).toInt(),
                  figures.value(2).toLong() - figures.value(3).toLong()};
        if (run == 0 || m.ms < best.ms)
            best = Measure{m.ms, m.rows, qMax(best.peakKb, m.peakKb)};
    }
    return best;
}

void benchLookUps()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("log.db"));
    QElapsedTimer made;
    made.start();
    makeLog(path);
    out << "log look-up, " << kRows << " rows over " << kDays << " days (made in " << made.elapsed() << " ms)\n";
    struct Case
    {
        const char *name;
        QDate from, to;
        QString keyword;
        const char *target;
    };
    const Case cases[]
        = {{"one day", kFirstDay.addDays(45), kFirstDay.addDays(45), QString(), "target <= 1.5"},
           {"keyword, whole range", kFirstDay, kFirstDay.addDays(kDays), QStringLiteral("promo"), "reported"}};
    for (const Case &c : cases) {
        const Measure viewer = measure(path, QStringLiteral("viewer"), c.from, c.to, c.keyword);
        const Measure bare = measure(path, QStringLiteral("bare"), c.from, c.to, c.keyword);
        out << "  " << c.name << ", " << viewer.rows << " rows (bare " << bare.rows << ")\n";
        out << QStringLiteral("    viewer  %1 ms  peak +%2 MB\n").arg(viewer.ms).arg(viewer.peakKb / 1024.0, 0, 'f', 1);
        out << QStringLiteral("    bare    %1 ms  peak +%2 MB\n").arg(bare.ms).arg(bare.peakKb / 1024.0, 0, 'f', 1);
        out << QStringLiteral("    time ratio %1 (%2), memory ratio %3\n")
                   .arg(double(viewer.ms) / qMax<qint64>(bare.ms, 1), 0, 'f', 2)
                   .arg(QLatin1String(c.target))
                   .arg(double(viewer.peakKb) / qMax<long>(bare.peakKb, 1), 0, 'f', 2);
        out.flush();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initQvResources();
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == QLatin1String("--lookup"))
        return lookUpChild(args.mid(1));
    const int seconds = args.isEmpty() ? 30 : qMax(1, args.value(0).toInt());
    benchMonitor(seconds);
    benchLookUps();
    return 0;
}

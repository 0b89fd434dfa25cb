// Starts the real program the way an operator or the system does. Each
// program started gets a lock folder of its own (the tests' build of the
// program takes it from QV_TEST_LOCK_FOLDER), so two test runs, or a test
// beside a running player, never meet at the single-instance guard.

#include "playback/PlayLogFallback.h"
#include "shell/WeatherService.h"
#include "support/GeneratedSchedules.h"
#include "support/LocalHttpServer.h"

#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QProcessEnvironment programEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QVDIDUDODID_HOME", home);
    env.insert("QV_TEST_LOCK_FOLDER", home + "/lock");
    if (!env.contains("DISPLAY"))
        env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

void start(QProcess &process, const QString &home)
{
    process.setProcessEnvironment(programEnvironment(home));
    process.setWorkingDirectory(home);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(QV_PROGRAM), QStringList());
    QVERIFY(process.waitForStarted());
}

QString closeType(const QString &home)
{
    QSettings settings(home + "/setting.ini", QSettings::IniFormat);
    return settings.value("CloseType", "<absent>").toString();
}

// True when the program reached the end of its start-up: it resets a
// "normal" close type for the run.
bool cameUp(const QString &home, int timeoutMs = 15000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (closeType(home).isEmpty())
            return true;
        QTest::qWait(50);
    }
    return false;
}

void kill9(QProcess &process)
{
    ::kill(pid_t(process.processId()), SIGKILL);
    process.waitForFinished(5000);
}

// A schedule of two areas of one-second texts that starts playing by itself.
bool preparePlayingStart(const QString &home)
{
    auto owned = GeneratedSchedules::wide(1, 2);
    for (CommonWinObject *window :
         owned->schedule().displayWindows.first().generalSegments.first()->programs.first()->windows) {
        window->media.first()->text.stayTime = 1;
        window->media << new QVLedMediaObject(*window->media.first());
    }
    const QString path = home + "/playing.qvsc";
    if (!GeneratedSchedules::save(*owned, path))
        return false;
    QSettings settings(home + "/setting.ini", QSettings::IniFormat);
    settings.setValue("Play", 1);
    settings.setValue("PlayType", 0);
    settings.setValue("SchemePath", path);
    settings.setValue("CloseType", "normal");
    return true;
}

QStringList loggedNames(const QString &file)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "probe");
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec("select name from LOGINFOS"))
            while (query.next())
                names << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("probe");
    return names;
}

// The begin times of the rows in the play log, earliest first ("HH:mm:ss:zzz").
QStringList loggedBeginTimes(const QString &file)
{
    QStringList times;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "times");
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec("select beginTime from LOGINFOS order by beginTime"))
            while (query.next())
                times << query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("times");
    return times;
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void oneInstanceAtATimeAndACrashNeverBlocks()
    {
        QTemporaryDir home;
        QSettings(home.filePath("setting.ini"), QSettings::IniFormat).setValue("CloseType", "normal");

        QProcess first;
        start(first, home.path());
        QVERIFY2(cameUp(home.path()), "the program did not come up");

        // a second start while the first runs leaves at once, with 0
        QProcess second;
        start(second, home.path());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // a crash leaves the guard behind; the next start must not be blocked by it
        kill9(first);
        QSettings(home.filePath("setting.ini"), QSettings::IniFormat).setValue("CloseType", "normal");
        QProcess third;
        start(third, home.path());
        QVERIFY2(cameUp(home.path()), "a crashed instance blocked the next start");
        QCOMPARE(third.state(), QProcess::Running);
        kill9(third);
    }

    // A link where the lock folder should be is never followed: the program
    // does not come up, and what it tells names the link.
    void aLockFolderThatIsALinkStopsTheStart()
    {
        QTemporaryDir home;
        QSettings(home.filePath("setting.ini"), QSettings::IniFormat).setValue("CloseType", "normal");
        QVERIFY(QDir().mkpath(home.filePath("elsewhere")));
        QVERIFY(QFile::link(home.filePath("elsewhere"), home.filePath("lock")));

        QProcess program;
        program.setProcessEnvironment(programEnvironment(home.path()));
        program.setWorkingDirectory(home.path());
        program.start(QStringLiteral(QV_PROGRAM), QStringList());
        QVERIFY(program.waitForStarted());
        QByteArray told;
        QTRY_VERIFY_WITH_TIMEOUT(
            (told += program.readAllStandardError()).contains(QFile::encodeName(home.filePath("lock"))), 15000);
        QVERIFY(!cameUp(home.path(), 1500));
        QVERIFY(QDir(home.filePath("elsewhere")).isEmpty());
        kill9(program);
    }

    void stopSignalEndsTheNormalWayAndKeepsTheLog_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("logHeld");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("SIGINT") << int(SIGINT) << false;
        QTest::newRow("SIGTERM, log held by another program") << int(SIGTERM) << true;
    }

    void stopSignalEndsTheNormalWayAndKeepsTheLog()
    {
        QFETCH(int, signal);
        QFETCH(bool, logHeld);
        QTemporaryDir home;
        QVERIFY(preparePlayingStart(home.path()));
        const QString log = home.filePath("log.db");
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(log);
        if (logHeld) {
            QVERIFY(holder.open());
            QSqlQuery(holder).exec("create table LOGINFOS (name varchar,length varchar,beginDate date,endDate date,"
                                   "beginTime varchar,endTime varchar,result varchar)");
            QSqlQuery read(holder);
            QVERIFY(QSqlQuery(holder).exec("begin") && read.exec("select count(*) from LOGINFOS") && read.next());
        }

        QProcess program;
        start(program, home.path());
        QVERIFY2(cameUp(home.path()), "the program did not come up");
        QTest::qWait(2000 + 4500); // the delayed start, then a few items in each area
        QCOMPARE(::kill(pid_t(program.processId()), signal), 0);
        QVERIFY2(program.waitForFinished(12000), "the program did not end in time");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(closeType(home.path()), QStringLiteral("normal"));

        if (logHeld) {
            QSqlQuery(holder).exec("commit");
            holder.close();
        }
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase("holder");
        QFile fallback(PlayLogFallback::pathFor(log));
        const int kept = fallback.open(QIODevice::ReadOnly) ? fallback.readAll().count('\n') : 0;
        const QStringList written = loggedNames(log);
        if (logHeld) {
            QVERIFY(written.isEmpty());
            QVERIFY2(kept >= 4, qPrintable(QString::number(kept)));
        } else {
            QCOMPARE(kept, 0);
            QVERIFY2(written.size() >= 4, qPrintable(written.join(',')));
        }
    }

    void anUnattendedStartAsksForTheWeatherBeforePlayBegins()
    {
        QTemporaryDir home;
        QVERIFY(preparePlayingStart(home.path()));
        LocalHttpServer weather;
        QTime asked;
        weather.answerFor = [&asked](const QUrl &) {
            if (asked.isNull())
                asked = QTime::currentTime();
            return LocalHttpServer::Answer{200, "application/json", "{\"error\":0,\"results\":[]}"};
        };
        qputenv(WeatherService::kHostVariable, weather.hostAndPort().toUtf8());
        QProcess program;
        start(program, home.path());
        qunsetenv(WeatherService::kHostVariable);
        QVERIFY2(cameUp(home.path()), "the program did not come up");
        QTest::qWait(2000 + 2500); // the delayed start, then an item or two in each area
        QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
        QVERIFY2(program.waitForFinished(12000), "the program did not end in time");

        QCOMPARE(weather.requests.size(), 1);
        QCOMPARE(weather.requests.first().path(), QString("/telematics/v3/weather"));
        // Asked while the main window was built: well before the first item played.
        const QStringList begins = loggedBeginTimes(home.filePath("log.db"));
        QVERIFY2(!begins.isEmpty(), "nothing was played");
        const QTime firstItem = QTime::fromString(begins.first(), "HH:mm:ss:zzz");
        QVERIFY2(asked.msecsTo(firstItem) > 1000, qPrintable(asked.toString("HH:mm:ss.zzz") + " " + begins.first()));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"

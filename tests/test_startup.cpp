// Starts the real program the way an operator or the system does.

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QProcessEnvironment programEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QVDIDUDODID_HOME", home);
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
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"

#include "platform/InstanceGuard.h"
#include "platform/ProcessControl.h"

#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/types.h>

namespace {
const QString Helper = QStringLiteral(QV_INSTANCEGUARD_HELPER);

// Keys and image names carry our pid: other people run these tests on the
// same machine at the same time.
QString uniqueKey()
{
    return QStringLiteral("QVTEST-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate());
}

QString firstLine(QProcess &process)
{
    if (!process.canReadLine() && !process.waitForReadyRead(10000))
        return QString();
    return QString::fromUtf8(process.readLine()).trimmed();
}

void endAndWait(QProcess &process)
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}
} // namespace

class PlatformTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

    // A copy of /bin/sleep under the given name, so that its image name is ours to choose.
    QString copyOfSleep(const QString &relativePath) const
    {
        const QString target = path(relativePath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(QStringLiteral("/bin/sleep"), target))
            return QString();
        return target;
    }

    static bool startSleeping(QProcess &process, const QString &program)
    {
        process.start(program, {QStringLiteral("60")});
        return process.waitForStarted(5000);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        qputenv("QVDIDUDODID_HOME", m_dir->path().toUtf8());
        // A runtime folder of the test's own: two test runs never meet at the guard.
        qputenv("XDG_RUNTIME_DIR", m_dir->path().toUtf8());
    }

    void cleanup()
    {
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

    void guardIsReleasedWithItsHolder()
    {
        const QString key = uniqueKey();
        {
            InstanceGuard first(key);
            QVERIFY2(first.acquire(), qPrintable(first.errorString()));
            QVERIFY(first.acquire()); // asking again while holding it keeps it
            InstanceGuard second(key);
            QVERIFY(!second.acquire());
            QVERIFY(!second.isHeld());
        }
        InstanceGuard afterwards(key);
        QVERIFY2(afterwards.acquire(), qPrintable(afterwards.errorString()));
    }

    void liveInstanceBlocksAndKilledInstanceDoesNot_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGKILL") << int(SIGKILL);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }

    void liveInstanceBlocksAndKilledInstanceDoesNot()
    {
        QFETCH(int, signal);
        const QString key = uniqueKey();
        QProcess holder;
        holder.start(Helper, {key});
        QVERIFY(holder.waitForStarted(5000));
        QCOMPARE(firstLine(holder), QStringLiteral("acquired"));

        // A second live instance, in another process and in this one, is refused.
        QProcess second;
        second.start(Helper, {key});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()).trimmed(), QStringLiteral("refused"));
        QCOMPARE(second.exitCode(), 1);
        InstanceGuard guard(key);
        QVERIFY(!guard.acquire());
        QVERIFY(guard.heldElsewhere());

        QCOMPARE(::kill(pid_t(holder.processId()), signal), 0);
        QVERIFY(holder.waitForFinished(5000));

        // However the holder ended, the guard is free again, and then held against others.
        QVERIFY2(guard.acquire(), qPrintable(guard.errorString()));
        QVERIFY(guard.isHeld());
        QProcess third;
        third.start(Helper, {key});
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(third.readAllStandardOutput()).trimmed(), QStringLiteral("refused"));
    }

    void guardDoesNotDependOnTheTempFolder()
    {
        const QString key = uniqueKey();
        QProcess holder;
        holder.start(Helper, {key});
        QCOMPARE(firstLine(holder), QStringLiteral("acquired"));
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        QVERIFY(QDir().mkpath(path(QStringLiteral("othertmp"))));
        env.insert(QStringLiteral("TMPDIR"), path(QStringLiteral("othertmp")));
        second.setProcessEnvironment(env);
        second.start(Helper, {key});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()).trimmed(), QStringLiteral("refused"));
        endAndWait(holder);
    }

    void anotherUserIsNeverBlocked()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to start a process as another user");
        // Both users without a runtime folder and with one temp folder: each
        // gets a folder of its own under it.
        const QString key = uniqueKey();
        const QString tmp = path(QStringLiteral("shared-tmp"));
        QVERIFY(QDir().mkpath(tmp));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7755)));
        QVERIFY(QFile::setPermissions(tmp, QFileDevice::Permissions(0x7777)));
        auto start = [&](QProcess &process, bool asNobody) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
            env.insert(QStringLiteral("TMPDIR"), tmp);
            process.setProcessEnvironment(env);
            if (asNobody)
                process.start(QStringLiteral("setpriv"),
                              {"--reuid=65534", "--regid=65534", "--clear-groups", Helper, key});
            else
                process.start(Helper, {key});
        };
        QProcess holder;
        start(holder, false);
        QCOMPARE(firstLine(holder), QStringLiteral("acquired"));
        QCOMPARE(::kill(pid_t(holder.processId()), SIGKILL), 0); // and it left nothing behind that blocks
        QVERIFY(holder.waitForFinished(5000));
        QProcess again;
        start(again, false);
        QCOMPARE(firstLine(again), QStringLiteral("acquired"));

        QProcess other;
        start(other, true);
        const QString answer = firstLine(other);
        if (answer.isEmpty() && other.state() == QProcess::NotRunning)
            QSKIP(other.readAllStandardError().constData());
        QCOMPARE(answer, QStringLiteral("acquired"));
        // ... and that user's own second instance is refused.
        QProcess otherSecond;
        start(otherSecond, true);
        QVERIFY(otherSecond.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(otherSecond.readAllStandardOutput()).trimmed(), QStringLiteral("refused"));
        endAndWait(other);
        endAndWait(again);
    }

    void executableNameHasNoSuffixHere()
    {
        QCOMPARE(ProcessControl::executableName(QStringLiteral("Dozadi")), QStringLiteral("Dozadi"));
    }

    void endsOnlyProcessesOfTheExactImageName()
    {
        const QString name = QStringLiteral("Doz%1").arg(QCoreApplication::applicationPid());
        QProcess exact, longer, prefixed, linked;
        QVERIFY(startSleeping(exact, copyOfSleep(name)));
        QVERIFY(startSleeping(longer, copyOfSleep(name + QLatin1Char('X'))));
        QVERIFY(startSleeping(prefixed, copyOfSleep(QLatin1Char('x') + name)));
        // Started through a link of the name, its command name is ours but its image is not.
        const QString other = copyOfSleep(QStringLiteral("Other%1").arg(QCoreApplication::applicationPid()));
        const QString link = path(QStringLiteral("link/") + name);
        QVERIFY(QDir().mkpath(path(QStringLiteral("link"))));
        QVERIFY(QFile::link(other, link));
        QVERIFY(startSleeping(linked, link));

        QCOMPARE(ProcessControl::endProcessesNamed(name), 1);
        QVERIFY(exact.waitForFinished(5000));
        QCOMPARE(exact.exitStatus(), QProcess::CrashExit);
        for (QProcess *survivor : {&longer, &prefixed, &linked}) {
            QVERIFY(!survivor->waitForFinished(300));
            QCOMPARE(survivor->state(), QProcess::Running);
            endAndWait(*survivor);
        }
    }

    void endsAProcessWhoseImageWasRemoved()
    {
        const QString name = QStringLiteral("Dzr%1").arg(QCoreApplication::applicationPid());
        QProcess process;
        QVERIFY(startSleeping(process, copyOfSleep(name)));
        QVERIFY(QFile::remove(path(name)));
        QCOMPARE(ProcessControl::endProcessesNamed(name), 1);
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    }

    void neverEndsTheCallingProcess()
    {
        // A copy of the helper under a fresh name, and a sleeping process of
        // the same image name: the helper ends that one and lives to say so.
        const QString name = QStringLiteral("Dzs%1").arg(QCoreApplication::applicationPid());
        QProcess sibling;
        QVERIFY(startSleeping(sibling, copyOfSleep(QStringLiteral("sleeping/") + name)));
        const QString caller = path(QStringLiteral("caller/") + name);
        QVERIFY(QDir().mkpath(path(QStringLiteral("caller"))));
        QVERIFY(QFile::copy(Helper, caller));

        QProcess helper;
        helper.start(caller, {QStringLiteral("--end-own-image")});
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(helper.readAllStandardOutput()).trimmed(), QStringLiteral("1"));
        QVERIFY(sibling.waitForFinished(5000));
        QCOMPARE(sibling.exitStatus(), QProcess::CrashExit);
    }

    void nothingToEndForAnUnusedOrEmptyName()
    {
        QCOMPARE(ProcessControl::endProcessesNamed(QStringLiteral("Dzn%1").arg(QCoreApplication::applicationPid())), 0);
        QCOMPARE(ProcessControl::endProcessesNamed(QString()), 0);
    }

    void startDetachedRefusesWhatCannotRun_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << QStringLiteral("QVDidUdodidServer");
        QTest::newRow("not executable") << QStringLiteral("plain.txt");
        QTest::newRow("directory") << QStringLiteral("folder");
    }

    void startDetachedRefusesWhatCannotRun()
    {
        QFETCH(QString, file);
        QFile plain(path(QStringLiteral("plain.txt")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("echo never\n");
        plain.close();
        QVERIFY(QDir().mkpath(path(QStringLiteral("folder"))));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path(file))));
        QVERIFY(!ProcessControl::startDetached(path(file)));
    }

    void startDetachedRunsAProgram()
    {
        const QString marker = path(QStringLiteral("started.txt"));
        const QString script = path(QStringLiteral("companion.sh"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n").arg(marker).toUtf8());
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));

        QVERIFY(ProcessControl::startDetached(script));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, 5000);
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().trimmed(), QByteArray("0")); // started without arguments
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "test_platform.moc"

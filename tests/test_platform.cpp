#include "platform/InstanceGuard.h"
#include "platform/ProcessControl.h"

#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {
const QString Helper = QStringLiteral(QV_INSTANCEGUARD_HELPER);
const QString RefusedAsRunning = QStringLiteral("refused: another instance runs");

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
    }

    void cleanup()
    {
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

    void guardIsReleasedWithItsHolder()
    {
        const QString key = uniqueKey();
        const QString folder = path(QStringLiteral("lock"));
        {
            InstanceGuard first(key, folder);
            QVERIFY2(first.acquire(), qPrintable(first.errorString()));
            QVERIFY(first.acquire()); // asking again while holding it keeps it
            InstanceGuard second(key, folder);
            QVERIFY(!second.acquire());
            QVERIFY(!second.isHeld());
        }
        InstanceGuard afterwards(key, folder);
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
        const QString folder = path(QStringLiteral("lock"));
        QProcess holder;
        holder.start(Helper, {key, folder});
        QVERIFY(holder.waitForStarted(5000));
        QCOMPARE(firstLine(holder), QStringLiteral("acquired"));

        // A second live instance, in another process and in this one, is refused.
        QProcess second;
        second.start(Helper, {key, folder});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()).trimmed(), RefusedAsRunning);
        QCOMPARE(second.exitCode(), 1);
        InstanceGuard guard(key, folder);
        QVERIFY(!guard.acquire());
        QVERIFY(guard.heldElsewhere());

        QCOMPARE(::kill(pid_t(holder.processId()), signal), 0);
        QVERIFY(holder.waitForFinished(5000));

        // However the holder ended, the guard is free again, and then held against others.
        QVERIFY2(guard.acquire(), qPrintable(guard.errorString()));
        QVERIFY(guard.isHeld());
        QProcess third;
        third.start(Helper, {key, folder});
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(third.readAllStandardOutput()).trimmed(), RefusedAsRunning);
    }

    // The same user started from the desktop, cron, su or a service: the
    // environment differs, the lock does not. Both use the user's own folder.
    void oneInstancePerUserWhateverTheEnvironment_data()
    {
        QTest::addColumn<QStringList>("unset");
        QTest::addColumn<QStringList>("set");
        QTest::newRow("the same environment") << QStringList{} << QStringList{};
        QTest::newRow("without XDG_RUNTIME_DIR") << QStringList{"XDG_RUNTIME_DIR"} << QStringList{};
        QTest::newRow("another XDG_RUNTIME_DIR") << QStringList{} << QStringList{"XDG_RUNTIME_DIR=<dir>/run-b"};
        QTest::newRow("another TMPDIR") << QStringList{} << QStringList{"TMPDIR=<dir>/tmp-b"};
        QTest::newRow("neither, another HOME")
            << QStringList{"XDG_RUNTIME_DIR", "TMPDIR"} << QStringList{"HOME=<dir>/home-b"};
    }

    void oneInstancePerUserWhateverTheEnvironment()
    {
        QFETCH(QStringList, unset);
        QFETCH(QStringList, set);
        const QString key = uniqueKey();
        const auto forget = qScopeGuard(
            [&] { QFile::remove(InstanceGuard::userFolder() + QLatin1Char('/') + key + QStringLiteral(".lock")); });
        for (const char *folder : {"run-a", "tmp-a", "run-b", "tmp-b", "home-b"})
            QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
        for (const char *runtime : {"run-a", "run-b"}) // as a session manager makes them
            QVERIFY(::chmod(QFile::encodeName(path(QLatin1String(runtime))).constData(), 0700) == 0);

        QProcessEnvironment first = QProcessEnvironment::systemEnvironment();
        first.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("run-a")));
        first.insert(QStringLiteral("TMPDIR"), path(QStringLiteral("tmp-a")));
        QProcess holder;
        holder.setProcessEnvironment(first);
        holder.start(Helper, {key});
        QCOMPARE(firstLine(holder), QStringLiteral("acquired"));

        QProcessEnvironment another = first;
        for (const QString &name : unset)
            another.remove(name);
        for (const QString &assignment : set)
            another.insert(assignment.section(QLatin1Char('='), 0, 0),
                           assignment.section(QLatin1Char('='), 1).replace(QStringLiteral("<dir>"), m_dir->path()));
        QProcess second;
        second.setProcessEnvironment(another);
        second.start(Helper, {key});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(second.readAllStandardOutput()).trimmed(), RefusedAsRunning);
        endAndWait(holder);
    }

    // What lies at the lock's place is checked before it is used: a link is
    // never followed, and what belongs to another user is never taken. The
    // reason names what was refused.
    void aLockPlaceNotOfThisUserIsRefusedAndNamed_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("named"); // empty: the lock is taken
        QTest::newRow("no folder yet: made") << QString("missing") << QString();
        QTest::newRow("a folder of ours, open to others: closed") << QString("loose") << QString();
        QTest::newRow("the folder a symbolic link") << QString("folder-link") << QString("<folder>");
        QTest::newRow("the folder another user's") << QString("folder-other") << QString("<folder>");
        QTest::newRow("the folder a file") << QString("folder-file") << QString("<folder>");
        QTest::newRow("the lock file a symbolic link") << QString("file-link") << QString("<file>");
        QTest::newRow("the lock file another user's") << QString("file-other") << QString("<file>");
        QTest::newRow("the lock file a folder") << QString("file-folder") << QString("<file>");
    }

    void aLockPlaceNotOfThisUserIsRefusedAndNamed()
    {
        QFETCH(QString, setup);
        QFETCH(QString, named);
        if (setup.endsWith(QLatin1String("-other")) && ::geteuid() != 0)
            QSKIP("needs root to give a file to another user");
        const QString key = uniqueKey();
        const QString folder = path(QStringLiteral("lock"));
        const QString file = folder + QLatin1Char('/') + key + QStringLiteral(".lock");
        const QString elsewhere = path(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        const QString elsewhereFile = elsewhere + QStringLiteral("/target");
        QFile target(elsewhereFile);
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.close();
        const QFileDevice::Permissions elsewhereMode = QFileInfo(elsewhere).permissions();
        if (setup != QLatin1String("missing") && !setup.startsWith(QLatin1String("folder-")))
            QVERIFY(::mkdir(QFile::encodeName(folder).constData(), 0700) == 0);

        if (setup == QLatin1String("loose")) {
            QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0777) == 0);
        } else if (setup == QLatin1String("folder-link")) {
            QVERIFY(QFile::link(elsewhere, folder));
        } else if (setup == QLatin1String("folder-other")) {
            QVERIFY(::mkdir(QFile::encodeName(folder).constData(), 0700) == 0);
            QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
        } else if (setup == QLatin1String("folder-file")) {
            QVERIFY(QFile::copy(elsewhereFile, folder));
        } else if (setup == QLatin1String("file-link")) {
            QVERIFY(QFile::link(elsewhereFile, file));
        } else if (setup == QLatin1String("file-other")) {
            QVERIFY(QFile::copy(elsewhereFile, file));
            QVERIFY(::chown(QFile::encodeName(file).constData(), 65534, 65534) == 0);
        } else if (setup == QLatin1String("file-folder")) {
            QVERIFY(QDir().mkpath(file));
        }

        InstanceGuard guard(key, folder);
        const bool acquired = guard.acquire();
        if (named.isEmpty()) {
            QVERIFY2(acquired, qPrintable(guard.errorString()));
            struct stat status;
            QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &status), 0);
            QVERIFY(S_ISDIR(status.st_mode));
            QCOMPARE(int(status.st_mode & 07777), 0700);
            return;
        }
        QVERIFY(!acquired);
        QVERIFY(!guard.heldElsewhere());
        const QString name = named == QLatin1String("<folder>") ? folder : file;
        QVERIFY2(guard.errorString().contains(name), qPrintable(guard.errorString()));
        // Nothing was made or changed through a link.
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("target")});
        QCOMPARE(QFileInfo(elsewhereFile).size(), 0);
        QCOMPARE(QFileInfo(elsewhere).permissions(), elsewhereMode);
    }

    void anotherUserIsNeverBlocked()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to start a process as another user");
        // Each user in the lock folder of their own.
        const QString key = uniqueKey();
        const auto forget = qScopeGuard([&] {
            QFile::remove(InstanceGuard::userFolder() + QLatin1Char('/') + key + QStringLiteral(".lock"));
            QFile::remove(QStringLiteral("/tmp/qvdidudodid-65534/") + key + QStringLiteral(".lock"));
            QDir().rmdir(QStringLiteral("/tmp/qvdidudodid-65534")); // only when nobody else keeps a lock there
        });
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7755)));
        auto start = [&](QProcess &process, bool asNobody) {
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
        QCOMPARE(QString::fromUtf8(otherSecond.readAllStandardOutput()).trimmed(), RefusedAsRunning);
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

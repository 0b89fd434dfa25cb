// Schedule paths and disks that are not what they seem: a FIFO or a device
// where a schedule should be, and saves that the disk refuses.

#include "fixtures/ScheduleFixtures.h"
#include "model/ScheduleFile.h"
#include "support/FileSizeLimit.h"

#include <QtTest>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

class HostileFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesAreRead_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << QStringLiteral("@/fifo.qvsc") << QStringLiteral("not a regular file");
        QTest::newRow("endless zeros") << QStringLiteral("/dev/zero") << QStringLiteral("not a regular file");
        QTest::newRow("endless noise") << QStringLiteral("/dev/urandom") << QStringLiteral("not a regular file");
        QTest::newRow("a folder") << QStringLiteral("@") << QStringLiteral("not a regular file");
        QTest::newRow("beyond the size cap") << QStringLiteral("@/huge.qvsc") << QStringLiteral("too large");
        QTest::newRow("missing") << QStringLiteral("@/missing.qvsc") << QString::fromLocal8Bit(std::strerror(ENOENT));
    }

    void onlyRegularFilesAreRead()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        path.replace(QLatin1Char('@'), dir.path());
        if (path.endsWith("fifo.qvsc"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (path.endsWith("huge.qvsc")) {
            QFile huge(path); // sparse: takes no room on the disk
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(ScheduleFile::kMaxFileBytes + 1));
        }

        QString error;
        auto loading = std::async(std::launch::async, [&] { return ScheduleFile::load(path, &error) != nullptr; });
        const bool finished = loading.wait_for(std::chrono::seconds(20)) == std::future_status::ready;
        if (!finished && path.endsWith("fifo.qvsc")) {
            // Let the blocked reader go before failing, so the test can end.
            const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
        }
        QVERIFY2(finished, "loading the path did not come back");
        QVERIFY(!loading.get());
        QVERIFY2(error.contains(path) && error.contains(reason), qPrintable(error));
    }

    void failedSaveNamesTheSystemsReason_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("expectedErrno");
        QTest::newRow("file size limit") << QStringLiteral("@/schedule.qvsc") << 512 << EFBIG;
        QTest::newRow("no such folder") << QStringLiteral("@/gone/schedule.qvsc") << 0 << ENOENT;
    }

    void failedSaveNamesTheSystemsReason()
    {
        QFETCH(QString, target);
        QFETCH(int, limit);
        QFETCH(int, expectedErrno);
        QTemporaryDir dir;
        target.replace(QLatin1Char('@'), dir.path());
        const ScheduleFixture schedule = Fixtures::structureSchedule(true);
        QVERIFY(schedule.golden.size() > limit);

        bool saved = true;
        QString error;
        auto save = [&] { saved = ScheduleFile::save(target, schedule.records->schedule(), &error); };
        if (limit > 0)
            withFileSizeLimit(rlim_t(limit), save);
        else
            save();
        QVERIFY(!saved);
        const QString reason = QString::fromLocal8Bit(std::strerror(expectedErrno));
        QVERIFY2(error.contains(target) && error.contains(reason), qPrintable(error));
        QVERIFY2(!error.contains(QLatin1String("Unknown error")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(HostileFilesTest)
#include "test_hostilefiles.moc"

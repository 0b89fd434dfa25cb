// The play log when its database misbehaves: held by another program,
// damaged, unwritable, or full; and the bound on what waits.

#include "playback/PlayLog.h"
#include "playback/PlayLogFallback.h"
#include "support/FileSizeLimit.h"
#include "support/MessageLog.h"

#include <QtSql>
#include <QtTest>

#include <memory>

namespace {

QStringList row(int n)
{
    return {QStringLiteral("item-%1").arg(n, 4, 10, QLatin1Char('0')),
            QStringLiteral("1"),
            QStringLiteral("2026-12-07"),
            QStringLiteral("2026-12-07"),
            QStringLiteral("10:00:00:000"),
            QStringLiteral("10:00:01:000"),
            QStringLiteral("success")};
}

// A second connection, as a viewer, a backup or the sqlite3 shell would hold.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &file) : m_name(QStringLiteral("other-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(file);
        db.open();
    }
    ~OtherConnection()
    {
        release();
        QSqlDatabase::database(m_name).close();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name); }
    void makeTable()
    {
        QSqlQuery(db()).exec(QStringLiteral("create table LOGINFOS (name varchar,length varchar,beginDate date,"
                                            "endDate date,beginTime varchar,endTime varchar,result varchar)"));
    }
    // A read transaction: nobody may write until it ends.
    bool holdReadLock()
    {
        QSqlQuery begin(db());
        QSqlQuery read(db());
        return begin.exec(QStringLiteral("begin")) && read.exec(QStringLiteral("select count(*) from LOGINFOS"))
               && read.next();
    }
    void release() { QSqlQuery(db()).exec(QStringLiteral("commit")); }
    QStringList names()
    {
        QStringList result;
        QSqlQuery query(db());
        query.exec(QStringLiteral("select name from LOGINFOS order by rowid"));
        while (query.next())
            result << query.value(0).toString();
        return result;
    }

private:
    static inline int s_count = 0;
    QString m_name;
};

QList<QStringList> fallbackRows(const QString &database)
{
    QList<QStringList> rows;
    QFile file(PlayLogFallback::pathFor(database));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : file.readAll().split('\n'))
            if (!line.isEmpty())
                rows << PlayLogFallback::decode(QString::fromUtf8(line));
    }
    return rows;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PlayLogFailuresTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MessageLog> m_log;
    QString m_file;

private slots:
    void initTestCase() { m_log = std::make_unique<MessageLog>(); }
    void cleanupTestCase() { m_log.reset(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_file = m_dir->filePath(QStringLiteral("log.db"));
        PlayLog::setDatabasePath(m_file);
        m_log->clear();
    }

    void cleanup()
    {
        PlayLog::shutdown();
        PlayLog::setQueueLimit(PlayLog::kQueueLimit);
        PlayLog::setDatabasePath(QStringLiteral("log.db"));
    }

    void heldLockDelaysRowsButLosesNone()
    {
        OtherConnection other(m_file);
        other.makeTable();
        QVERIFY(other.holdReadLock());
        QStringList expected;
        QElapsedTimer held;
        held.start();
        for (int i = 0; held.elapsed() < 10000; ++i) { // ten seconds, a row every half second
            PlayLog::enqueue(row(i));
            expected << row(i).value(0);
            QTest::qWait(500);
        }
        QVERIFY(other.names().isEmpty());
        other.release();
        QVERIFY(PlayLog::flush(20000));
        QCOMPARE(other.names(), expected);
        QVERIFY(fallbackRows(m_file).isEmpty());
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", "dropped"), 0);
    }

    void shutdownEndsInTimeAndKeepsWhatIsLeft()
    {
        OtherConnection other(m_file);
        other.makeTable();
        QVERIFY(other.holdReadLock());
        QList<QStringList> rows;
        for (int i = 0; i < 20; ++i) {
            rows << row(i);
            PlayLog::enqueue(row(i));
        }
        QElapsedTimer closing;
        closing.start();
        PlayLog::shutdown();
        // The deadline and one attempt that was under way, with room for a busy machine.
        QVERIFY2(closing.elapsed() < PlayLog::kShutdownDeadlineMs + 4000,
                 qPrintable(QString::number(closing.elapsed())));
        other.release();
        QCOMPARE(fallbackRows(m_file), rows);
        QVERIFY(other.names().isEmpty());
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", PlayLogFallback::pathFor(m_file)), 1);
    }

    void fullQueueDropsTheOldestAndSaysHowMany()
    {
        PlayLog::setQueueLimit(50);
        OtherConnection other(m_file);
        other.makeTable();
        QVERIFY(other.holdReadLock());
        const quint64 droppedBefore = PlayLog::droppedRows();
        for (int i = 0; i < 60; ++i)
            PlayLog::enqueue(row(i));
        // Rows the writer holds in hand while it waits for the file are not
        // dropped: if it took all fifty at once, one more row waits beside them.
        const int dropped = int(PlayLog::droppedRows() - droppedBefore);
        QVERIFY2(dropped == 10 || dropped == 9, qPrintable(QString::number(dropped)));
        other.release();
        QVERIFY(PlayLog::flush(20000));
        const QStringList written = other.names();
        QCOMPARE(written.size() + dropped, 60);     // every row written or counted as dropped
        QCOMPARE(written.last(), row(59).value(0)); // the newest are kept
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", "the oldest are dropped"), 1);
        QCOMPARE(
            m_log->count(QtWarningMsg, "qv.playback", QStringLiteral("%1 play log row(s) were dropped").arg(dropped)),
            1);
    }

    void damagedFileIsMovedAsideAndANewOneBegun_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("random bytes") << QStringLiteral("random");
        QTest::newRow("damaged pages") << QStringLiteral("pages");
    }

    void damagedFileIsMovedAsideAndANewOneBegun()
    {
        QFETCH(QString, damage);
        QByteArray bytes;
        if (damage == QLatin1String("random")) {
            for (int i = 0; i < 4096; ++i)
                bytes += char(QRandomGenerator::global()->bounded(256));
        } else {
            {
                OtherConnection other(m_file);
                other.makeTable();
                QSqlQuery(other.db()).exec(QStringLiteral("insert into LOGINFOS(name) values('old')"));
            }
            bytes = bytesOf(m_file);
            QVERIFY(bytes.size() >= 8192);
            for (int i = 4096; i < 8192; ++i) // the table's page, the file's header kept
                bytes[i] = char(0x5a);
        }
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        PlayLog::enqueue(row(1));
        QVERIFY(PlayLog::flush());
        const QStringList aside = QDir(m_dir->path()).entryList({QStringLiteral("log.db.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(bytesOf(m_dir->filePath(aside.value(0))), bytes); // kept as it was, never deleted
        OtherConnection fresh(m_file);
        QCOMPARE(fresh.names(), QStringList{row(1).value(0)});
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", aside.value(0)), 1);
    }

    void unwritableFileKeepsRowsInTheFallbackFile_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("a folder in its place") << QStringLiteral("folder");
        QTest::newRow("full disk") << QStringLiteral("full");
    }

    void unwritableFileKeepsRowsInTheFallbackFile()
    {
        QFETCH(QString, cause);
        if (cause == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(m_file));
        } else {
            OtherConnection other(m_file);
            other.makeTable();
        }
        const qint64 size = QFileInfo(m_file).size();
        QList<QStringList> rows;
        auto write = [&] {
            for (int i = 0; i < 40; ++i) {
                rows << row(i);
                PlayLog::enqueue(row(i));
            }
            QVERIFY(PlayLog::flush());
        };
        if (cause == QLatin1String("full"))
            withFileSizeLimit(rlim_t(size / 2), write); // the log cannot even write its own pages back
        else
            write();
        QCOMPARE(fallbackRows(m_file), rows);
        // Reported once, with the reason.
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", "cannot be written"), 1);
        const QString report = m_log->texts("qv.playback").filter("cannot be written").value(0);
        QVERIFY2(report.contains(m_file) && report.size() > m_file.size() + 40, qPrintable(report));
    }

    void anotherUsersReadOnlyFile()
    {
        if (::geteuid() != 0)
            QSKIP("needs to run a process as another user");
        {
            OtherConnection other(m_file);
            other.makeTable();
        }
        QFile::setPermissions(m_file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::Permissions(0x7777)));
        QProcess child;
        child.start(QStringLiteral("setpriv"), {"--reuid=65534", "--regid=65534", "--clear-groups",
                                                QCoreApplication::applicationFilePath(), "--write-rows", m_file});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray errors = child.readAllStandardError();
        if (child.exitCode() == 127 || errors.contains("setpriv:"))
            QSKIP(errors.constData());
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(fallbackRows(m_file).size(), 3);
        QVERIFY2(errors.contains("cannot be written") && errors.contains("readonly"), errors.constData());
        OtherConnection other(m_file);
        QVERIFY(other.names().isEmpty());
    }
};

// Child mode: writes three rows to the given log and ends.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--write-rows")) {
        PlayLog::setDatabasePath(args.value(2));
        for (int i = 0; i < 3; ++i)
            PlayLog::enqueue(row(i));
        PlayLog::flush();
        return 0;
    }
    PlayLogFailuresTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_playlogfailures.moc"

#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"
#include "playback/writeLogThread.h"

#include <QtSql>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// Warnings from any thread (the writer's included) fail the test that made them.
QMutex warningsMutex;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        QMutexLocker lock(&warningsMutex);
        warnings << message;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

const QString createStatement = QStringLiteral(
    "create table LOGINFOS (name varchar,length varchar,beginDate date,endDate date,"
    "beginTime varchar,endTime varchar,result varchar)");

QStringList row(const QString &name, const QString &beginDate = QStringLiteral("2019-03-15"))
{
    return {name, QStringLiteral("15"), beginDate, beginDate, QStringLiteral("14:04:54:100"),
            QStringLiteral("14:05:09:250"), QStringLiteral("success")};
}

void insert(dataBaseConn &conn, const QStringList &r)
{
    conn.insertLog(r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), r.value(5),
                   r.value(6));
}

void startRow(writeLogThread &writer, const QStringList &r)
{
    writer.setLogInfo(r.value(0), r.value(1), r.value(2), r.value(3), r.value(4), r.value(5),
                      r.value(6));
    writer.start();
}

QStringList names(const QList<QStringList> &rows)
{
    QStringList result;
    for (const QStringList &r : rows)
        result << r.value(0);
    std::sort(result.begin(), result.end());
    return result;
}

// The table definitions in the file, read past the code under test. SQLite
// keeps the statement as given except for upper-casing "create table".
QStringList tableDefinitions(const QString &file)
{
    QStringList definitions;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery query(db);
            query.exec(QStringLiteral("select sql from sqlite_master where type = 'table'"));
            while (query.next())
                definitions << query.value(0).toString().replace(
                    QStringLiteral("CREATE TABLE"), QStringLiteral("create table"));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return definitions;
}

} // namespace

class PlayLogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_previousDir;

    QList<QStringList> allRows()
    {
        dataBaseConn conn;
        return conn.queryLogs(QString(), QStringLiteral("0000-01-01"), QStringLiteral("9999-12-31"));
    }

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(recordWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        PlayLog::setDatabasePath(m_dir->filePath(QStringLiteral("log.db")));
        QMutexLocker lock(&warningsMutex);
        warnings.clear();
    }

    void cleanup()
    {
        QVERIFY(PlayLog::flush());
        PlayLog::setDatabasePath(QStringLiteral("log.db"));
        QDir::setCurrent(m_previousDir);
        m_dir.reset();
        QMutexLocker lock(&warningsMutex);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void firstStartCreatesFileAndTableOnce()
    {
        // The default: "log.db" in the working directory.
        PlayLog::setDatabasePath(QStringLiteral("log.db"));
        const QString file = m_dir->filePath(QStringLiteral("log.db"));
        QVERIFY(!QFile::exists(file));

        writeLogThread writer;
        startRow(writer, row(QStringLiteral("first.mp4")));
        QVERIFY(PlayLog::flush());
        QVERIFY(QFile::exists(file));
        QCOMPARE(tableDefinitions(file), QStringList{createStatement});
        QCOMPARE(allRows(), QList<QStringList>{row(QStringLiteral("first.mp4"))});

        // A new start: a fresh writer thread and connection find the table.
        PlayLog::shutdown();
        writeLogThread again;
        startRow(again, row(QStringLiteral("second.mp4")));
        QVERIFY(PlayLog::flush());
        QCOMPARE(tableDefinitions(file), QStringList{createStatement});
        QCOMPARE(names(allRows()), (QStringList{QStringLiteral("first.mp4"), QStringLiteral("second.mp4")}));
    }

    void burstFromThreeWritersLosesNothing()
    {
        writeLogThread writers[3];
        QList<QStringList> expected;
        for (int i = 0; i < 100; ++i) {
            // Each writer's fields are set again before the previous row can be written.
            const QStringList r = row(QStringLiteral("item-%1").arg(i, 3, 10, QLatin1Char('0')));
            startRow(writers[i % 3], r);
            expected << r;
        }
        QVERIFY(PlayLog::flush());

        QList<QStringList> rows = allRows();
        std::sort(rows.begin(), rows.end());
        QCOMPARE(rows.size(), 100);
        QCOMPARE(rows, expected);
    }

    void nameIsSearchedAsLiteralText_data()
    {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("expected");
        const QString apostrophe = QStringLiteral("it's.mp4");
        const QString percent = QStringLiteral("100% clip");
        const QString plain = QStringLiteral("100 clip");
        const QString underscore = QStringLiteral("a_b.png");
        const QString axb = QStringLiteral("axb.png");
        const QString backslash = QStringLiteral("back\\slash");
        const QString upper = QStringLiteral("CLIP");
        QTest::newRow("apostrophe") << QStringLiteral("'") << QStringList{apostrophe};
        QTest::newRow("percent") << QStringLiteral("%") << QStringList{percent};
        QTest::newRow("apostrophe and percent") << QStringLiteral("'s%") << QStringList{};
        QTest::newRow("underscore") << QStringLiteral("a_b") << QStringList{underscore};
        QTest::newRow("backslash") << QStringLiteral("\\") << QStringList{backslash};
        QTest::newRow("escaped-looking") << QStringLiteral("\\%") << QStringList{};
        QTest::newRow("injection") << QStringLiteral("' or '1'='1") << QStringList{};
        QTest::newRow("ASCII case ignored") << QStringLiteral("clip") << QStringList{plain, percent, upper};
        QTest::newRow("empty: every row")
            << QString() << QStringList{plain, percent, upper, underscore, axb, backslash, apostrophe};
    }

    void nameIsSearchedAsLiteralText()
    {
        QFETCH(QString, search);
        QFETCH(QStringList, expected);
        dataBaseConn conn;
        for (const char *name : {"it's.mp4", "100% clip", "100 clip", "a_b.png", "axb.png",
                                 "back\\slash", "CLIP"})
            insert(conn, row(QString::fromUtf8(name)));

        const QList<QStringList> rows = conn.queryLogs(search, QStringLiteral("2019-03-15"),
                                                       QStringLiteral("2019-03-15"));
        std::sort(expected.begin(), expected.end());
        QCOMPARE(names(rows), expected);
    }

    void dateRangeIsInclusive_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("March") << QStringLiteral("2019-03-01") << QStringLiteral("2019-03-31")
                               << QStringList{QStringLiteral("03-01"), QStringLiteral("03-15"), QStringLiteral("03-31")};
        QTest::newRow("one day") << QStringLiteral("2019-03-31") << QStringLiteral("2019-03-31")
                                 << QStringList{QStringLiteral("03-31")};
        QTest::newRow("across the year") << QStringLiteral("2018-12-31") << QStringLiteral("2019-03-01")
                                         << QStringList{QStringLiteral("02-28"), QStringLiteral("03-01"),
                                                        QStringLiteral("12-31")};
        QTest::newRow("reversed") << QStringLiteral("2019-03-31") << QStringLiteral("2019-03-01")
                                  << QStringList{};
        // Compared as text, never read as part of the statement.
        QTest::newRow("apostrophe in a date") << QStringLiteral("2019-03-01")
                                              << QStringLiteral("2019-03-01' or '1'='1")
                                              << QStringList{QStringLiteral("03-01")};
    }

    void dateRangeIsInclusive()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, expected);
        dataBaseConn conn;
        for (const char *date : {"2018-12-31", "2019-02-28", "2019-03-01", "2019-03-15",
                                 "2019-03-31", "2019-04-01"}) {
            const QString beginDate = QString::fromLatin1(date);
            insert(conn, row(beginDate.mid(5), beginDate));
        }
        QCOMPARE(names(conn.queryLogs(QString(), from, to)), expected);
    }

    void connectionsDoNotReplaceEachOther()
    {
        auto first = std::make_unique<dataBaseConn>();
        dataBaseConn second;
        insert(*first, row(QStringLiteral("a")));
        insert(second, row(QStringLiteral("b")));
        first.reset();
        insert(second, row(QStringLiteral("c")));
        QCOMPARE(names(second.queryLogs(QString(), QStringLiteral("2019-03-15"), QStringLiteral("2019-03-15"))),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    }

    void rowsQueuedAtExitAreWritten()
    {
        const QString file = m_dir->filePath(QStringLiteral("exit.db"));
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--write-and-exit"), file});
        QVERIFY(child.waitForFinished(60000));
        const QByteArray errors = child.readAllStandardError();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, errors.constData());
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(!errors.contains("QThread"), errors.constData());
        PlayLog::setDatabasePath(file);
        QCOMPARE(allRows().size(), 50);
    }

    void rowBuilder_data()
    {
        QTest::addColumn<QDateTime>("begin");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<QStringList>("expected");
        const QDate day(2019, 3, 15);
        QTest::newRow("example") << QDateTime(day, QTime(14, 4, 54, 100)) << QDateTime(day, QTime(14, 5, 9, 250))
                                 << QStringList{QStringLiteral("clip.mp4"), QStringLiteral("15"),
                                                QStringLiteral("2019-03-15"), QStringLiteral("2019-03-15"),
                                                QStringLiteral("14:04:54:100"), QStringLiteral("14:05:09:250"),
                                                QStringLiteral("success")};
        // Whole seconds of each time of day, not rounded milliseconds.
        QTest::newRow("second boundary") << QDateTime(day, QTime(9, 0, 0, 900)) << QDateTime(day, QTime(9, 0, 1, 100))
                                         << QStringList{QStringLiteral("clip.mp4"), QStringLiteral("1"),
                                                        QStringLiteral("2019-03-15"), QStringLiteral("2019-03-15"),
                                                        QStringLiteral("09:00:00:900"), QStringLiteral("09:00:01:100"),
                                                        QStringLiteral("success")};
        QTest::newRow("across midnight") << QDateTime(QDate(2019, 12, 31), QTime(23, 59, 58, 5))
                                         << QDateTime(QDate(2020, 1, 1), QTime(0, 0, 3, 0))
                                         << QStringList{QStringLiteral("clip.mp4"), QStringLiteral("-86395"),
                                                        QStringLiteral("2019-12-31"), QStringLiteral("2020-01-01"),
                                                        QStringLiteral("23:59:58:005"), QStringLiteral("00:00:03:000"),
                                                        QStringLiteral("success")};
    }

    void rowBuilder()
    {
        QFETCH(QDateTime, begin);
        QFETCH(QDateTime, end);
        QFETCH(QStringList, expected);
        QCOMPARE(PlayLog::makeRow(QStringLiteral("clip.mp4"), begin, end), expected);
    }

    void unopenableDatabaseIsLoggedNotFatal()
    {
        // A directory cannot be opened as a database file.
        const QString folder = m_dir->filePath(QStringLiteral("folder.db"));
        QVERIFY(QDir().mkpath(folder));
        PlayLog::setDatabasePath(folder);
        const QRegularExpression failure(QStringLiteral("^unable to open database:.+"));
        QTest::ignoreMessage(QtWarningMsg, failure);
        dataBaseConn conn;
        QVERIFY(!conn.errorText().isEmpty());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(conn.errorText())));
        QCOMPARE(conn.queryLogs(QString(), QStringLiteral("0000-01-01"), QStringLiteral("9999-12-31")),
                 QList<QStringList>{});

        // The writer keeps that row beside the folder and goes on once the path is usable again.
        writeLogThread writer;
        startRow(writer, row(QStringLiteral("kept aside")));
        QVERIFY(PlayLog::flush());
        QFile fallback(folder + QStringLiteral(".fallback.txt"));
        QVERIFY(fallback.open(QIODevice::ReadOnly));
        QCOMPARE(fallback.readAll(), row(QStringLiteral("kept aside")).join(QLatin1Char('\t')).toUtf8() + '\n');
        PlayLog::setDatabasePath(m_dir->filePath(QStringLiteral("log.db")));
        startRow(writer, row(QStringLiteral("kept")));
        QVERIFY(PlayLog::flush());
        QCOMPARE(names(allRows()), QStringList{QStringLiteral("kept")});

        // The failures were reported, and nothing else went wrong.
        QMutexLocker lock(&warningsMutex);
        const QString reason = conn.errorText();
        QVERIFY(!warnings.isEmpty());
        const auto fromWriter = [&](const QString &w) {
            return w.contains(folder) && (w.contains(QStringLiteral("cannot be written")) || w.contains(QStringLiteral("kept in")));
        };
        QCOMPARE(int(std::count_if(warnings.begin(), warnings.end(), fromWriter)), 2);
        warnings.erase(std::remove_if(warnings.begin(), warnings.end(),
                                      [&](const QString &w) {
                                          return failure.match(w).hasMatch() || w == reason || fromWriter(w);
                                      }),
                       warnings.end());
    }
};

// Child mode: queue rows and leave at once; the writer must finish them
// and stop before the process ends.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--write-and-exit")) {
        PlayLog::setDatabasePath(args.value(2));
        writeLogThread writer;
        for (int i = 0; i < 50; ++i)
            startRow(writer, row(QString::number(i)));
        return 0;
    }
    PlayLogTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_playlog.moc"

#include "base/AppContext.h"
#include "shell/Settings.h"

#include <QtTest>

#include <memory>

class SettingsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

    void writeFile(const QByteArray &content)
    {
        QFile file(AppContext::settingsFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QVariant fileValue(const QString &key)
    {
        QSettings settings(AppContext::settingsFilePath(), QSettings::IniFormat);
        return settings.value(key);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        qputenv("QVDIDUDODID_HOME", m_dir->path().toUtf8());
        AppContext::reset();
        AppContext::initAppDirPath();
    }

    void cleanup()
    {
        AppContext::reset();
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

    void defaultsWithoutAFile()
    {
        using namespace AppContext;
        readSettings();
        QCOMPARE(std::make_tuple(Language, BackStageFlag, Start, Play, PlayType, HardDecode),
                 std::make_tuple(0, 0, 0, 0, 0, 1));
        QVERIFY(SchemePath.isEmpty() && LastSchemePath.isEmpty() && CloseType.isEmpty());
    }

    void readsEveryKey()
    {
        using namespace AppContext;
        writeFile("[General]\n"
                  "Language=1\nBackStageFlag=1\nStart=1\nPlay=1\nPlayType=1\n"
                  "SchemePath=/data/a b.qvsc\nLastSchemePath=/data/last.qvsc\n"
                  "HardDecode=0\nCloseType=normal\n");
        readSettings();
        QCOMPARE(std::make_tuple(Language, BackStageFlag, Start, Play, PlayType, HardDecode),
                 std::make_tuple(1, 1, 1, 1, 1, 0));
        QCOMPARE(SchemePath, QStringLiteral("/data/a b.qvsc"));
        QCOMPARE(LastSchemePath, QStringLiteral("/data/last.qvsc"));
        QCOMPARE(CloseType, QStringLiteral("normal"));
    }

    void integerEntries_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("expected");
        QTest::newRow("number") << QByteArray("Play=2") << 0 << 2;
        QTest::newRow("not a number") << QByteArray("Play=abc") << 1 << 0;
        QTest::newRow("empty") << QByteArray("Play=") << 1 << 0;
        QTest::newRow("absent keeps the value") << QByteArray("Start=1") << 1 << 1;
    }

    void integerEntries()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, before);
        QFETCH(int, expected);
        writeFile("[General]\n" + line + "\n");
        AppContext::Play = before;
        readSettings();
        QCOMPARE(AppContext::Play, expected);
    }

    void writeKeepsTheKeysItDoesNotOwn()
    {
        using namespace AppContext;
        writeFile("[General]\nBackStageFlag=1\nHardDecode=0\nCloseType=normal\nLanguage=0\n");
        // In-memory values that differ from the file must not reach it.
        BackStageFlag = 0;
        HardDecode = 1;
        CloseType.clear();
        Language = 1;
        Start = 1;
        Play = 1;
        PlayType = 1;
        // Characters that INI files treat specially survive the trip.
        SchemePath = QStringLiteral("C:\\节目\\a;b=c, \"d\".qvsc");
        LastSchemePath = QStringLiteral("/home/op/[last] #1.qvsc");
        writeSettings();

        QCOMPARE(fileValue(QStringLiteral("BackStageFlag")).toInt(), 1);
        QCOMPARE(fileValue(QStringLiteral("HardDecode")).toInt(), 0);
        QCOMPARE(fileValue(QStringLiteral("CloseType")).toString(), QStringLiteral("normal"));

        const QString scheme = SchemePath;
        const QString last = LastSchemePath;
        reset();
        initAppDirPath();
        readSettings();
        QCOMPARE(std::make_tuple(Language, Start, Play, PlayType), std::make_tuple(1, 1, 1, 1));
        QCOMPARE(SchemePath, scheme);
        QCOMPARE(LastSchemePath, last);
    }

    void closeTypeIsWrittenAlone()
    {
        writeFile("[General]\nLanguage=1\nCloseType=normal\n");
        AppContext::Language = 0;
        AppContext::CloseType = QStringLiteral("normal");
        writeCloseType(QString());
        QCOMPARE(fileValue(QStringLiteral("CloseType")).toString(), QString());
        QCOMPARE(fileValue(QStringLiteral("Language")).toInt(), 1);
        QCOMPARE(AppContext::CloseType, QStringLiteral("normal"));

        writeCloseType(QStringLiteral("normal"));
        readSettings();
        QCOMPARE(AppContext::CloseType, QStringLiteral("normal"));
    }

    void firstWriteCreatesTheFile()
    {
        AppContext::Play = 1;
        writeCloseType(QStringLiteral("normal"));
        writeSettings();
        QVERIFY(QFileInfo(QDir(m_dir->path()).filePath(QStringLiteral("setting.ini"))).isFile());
        QCOMPARE(fileValue(QStringLiteral("Play")).toInt(), 1);
        QCOMPARE(fileValue(QStringLiteral("CloseType")).toString(), QStringLiteral("normal"));
    }

    void failedWriteIsLoggedAndHandedBackWithItsReason()
    {
        // Root may write anything, so make the path unwritable as a file.
        QVERIFY(QDir().mkpath(AppContext::settingsFilePath()));
        const QRegularExpression namesTheFile(QRegularExpression::escape(AppContext::settingsFilePath()));
        AppContext::Language = 1;
        QString problem;
        QTest::ignoreMessage(QtWarningMsg, namesTheFile);
        QVERIFY(!writeSettings(&problem));
        QVERIFY2(problem.contains(AppContext::settingsFilePath()) && problem.contains(qt_error_string(EISDIR)),
                 qPrintable(problem));
        problem.clear();
        QTest::ignoreMessage(QtWarningMsg, namesTheFile);
        QVERIFY(!writeCloseType(QStringLiteral("normal"), &problem));
        QVERIFY(problem.contains(AppContext::settingsFilePath()));
        QCOMPARE(AppContext::Language, 1);
        QDir().rmdir(AppContext::settingsFilePath());
        QVERIFY(writeSettings(&problem));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"

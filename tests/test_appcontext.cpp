#include "base/AppContext.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

class AppContextTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir::setCurrent(m_dir->path()));
        qputenv("QVDIDUDODID_HOME", m_dir->path().toUtf8());
        AppContext::reset();
    }

    void cleanup()
    {
        AppContext::reset();
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

    void appDirPathUsesForwardSlashes_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("expected");
        QTest::newRow("temporary dir") << QStringLiteral("<tmp>") << QStringLiteral("<tmp>");
        QTest::newRow("backslashes") << QStringLiteral("C:\\Program Files\\QV\\") << QStringLiteral("C:/Program Files/QV");
        QTest::newRow("mixed") << QStringLiteral("D:/signage\\player") << QStringLiteral("D:/signage/player");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
        QTest::newRow("the program's folder") << QString() << QStringLiteral("<app>");
    }

    void appDirPathUsesForwardSlashes()
    {
        QFETCH(QString, home);
        QFETCH(QString, expected);
        home.replace(QStringLiteral("<tmp>"), m_dir->path());
        expected.replace(QStringLiteral("<tmp>"), m_dir->path());
        expected.replace(QStringLiteral("<app>"), QCoreApplication::applicationDirPath());
        if (home.isNull())
            qunsetenv("QVDIDUDODID_HOME");
        else
            qputenv("QVDIDUDODID_HOME", home.toUtf8());

        AppContext::initAppDirPath();
        QVERIFY(!AppContext::programDirPath.contains(QLatin1Char('\\')));
        if (home.isNull()) { // where the settings then go is the settings folder rule's
            QCOMPARE(AppContext::programDirPath, expected);
            return;
        }
        QCOMPARE(AppContext::appDirPath, expected);
        QVERIFY(!AppContext::appDirPath.contains(QLatin1Char('\\')));
        QCOMPARE(AppContext::settingsFilePath(), expected + QStringLiteral("/setting.ini"));
    }

    void languageSelectsTranslators_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("installed");
        QTest::newRow("Chinese") << 0 << true;
        QTest::newRow("English") << 1 << true;
        // installed empty, so that a later choice takes effect at once
        QTest::newRow("2") << 2 << true;
        QTest::newRow("-1") << -1 << true;
    }

    void languageSelectsTranslators()
    {
        QFETCH(int, language);
        QFETCH(bool, installed);
        // A first call with another language: what it installed must not linger.
        AppContext::Language = 0;
        AppContext::installTranslators();
        AppContext::Language = language;
        AppContext::installTranslators();

        QVERIFY(AppContext::appTranslator && AppContext::qtTranslator);
        // removeTranslator() tells whether a translator was installed; a
        // second removal tells whether it was installed twice.
        for (QTranslator *translator : {AppContext::appTranslator, AppContext::qtTranslator}) {
            QCOMPARE(QCoreApplication::removeTranslator(translator), installed);
            QVERIFY(!QCoreApplication::removeTranslator(translator));
        }
    }

    void applicationFontIsYaHei14Pixels()
    {
        AppContext::setApplicationFont();
        QCOMPARE(AppContext::appFont.family(), QString::fromUtf8("\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91"));
        QCOMPARE(AppContext::appFont.pixelSize(), 14);
        QCOMPARE(QApplication::font(), AppContext::appFont);
    }

    void screensOfTheDesktop()
    {
        QScreen *primary = QGuiApplication::primaryScreen();
        QVERIFY(primary);
        AppContext::enumerateScreens();
        AppContext::enumerateScreens(); // a second listing replaces the first

        QCOMPARE(AppContext::screenList.size(), 1);
        QCOMPARE(AppContext::screenList.value(0).screenNumber, 0);
        QCOMPARE(AppContext::screenList.value(0).geometry, primary->geometry());
        QVERIFY(AppContext::screenWidth > 0 && AppContext::screenHeight > 0);
        QCOMPARE(AppContext::screenWidth, primary->geometry().width());
        QCOMPARE(AppContext::screenHeight, primary->geometry().height());
        QCOMPARE(AppContext::availableHeight, primary->availableGeometry().height());
    }

    void resetRestoresInitialValues()
    {
        using namespace AppContext;
        initAppDirPath();
        currentSchedulePath = QStringLiteral("a.qvsc");
        Language = 1;
        BackStageFlag = Start = Play = PlayType = 1;
        HardDecode = 0;
        SchemePath = LastSchemePath = CloseType = QStringLiteral("x");
        setApplicationFont();
        enumerateScreens();
        installTranslators();
        displayWindowParent = new QLabel;
        QPointer<QLabel> displayWindow = new QLabel(displayWindowParent);

        reset();

        QVERIFY(appDirPath.isEmpty() && currentSchedulePath.isEmpty());
        QCOMPARE(std::make_tuple(Language, BackStageFlag, Start, Play, PlayType, HardDecode),
                 std::make_tuple(0, 0, 0, 0, 0, 1));
        QVERIFY(SchemePath.isEmpty() && LastSchemePath.isEmpty() && CloseType.isEmpty());
        QCOMPARE(appFont, QFont());
        QVERIFY(screenList.isEmpty());
        QCOMPARE(std::make_tuple(screenWidth, screenHeight, availableHeight), std::make_tuple(0, 0, 0));
        QVERIFY(!displayWindowParent && !appTranslator && !qtTranslator);
        QVERIFY(displayWindow.isNull()); // the display windows went with their parent
    }
};

QTEST_MAIN(AppContextTest)
#include "test_appcontext.moc"

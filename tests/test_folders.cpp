// Where the program's files go: the settings folder by its rule, shipped
// files from the program's folder, and a folder or file that cannot be
// written told to the operator as what it is, with its name and the
// system's reason.

#include "base/AppContext.h"
#include "editor/OfficePages.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "panels/WeatherCities.h"
#include "shell/Settings.h"
#include "shell/StartupSequence.h"
#include "shell/Widget.h"
#include "shell/dialogs/LanguageSetupWin.h"
#include "support/RefusingConverter.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

namespace {

// An environment variable set for the life of the object, restored after.
class EnvironmentValue
{
public:
    EnvironmentValue(const char *name, const QString &value)
        : m_name(name), m_was(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    ~EnvironmentValue()
    {
        if (m_had)
            qputenv(m_name, m_was);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    QByteArray m_was;
    bool m_had;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writePdf(const QString &path, int pages)
{
    QPdfWriter writer(path);
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(100, 100, QString::number(page + 1));
    }
}

} // namespace

class FoldersTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppContext::reset(); }

    // <dir> is a temporary folder, <home> its "home", <program> a program
    // folder in it; "missing" names a program folder nobody can write into.
    void theSettingsFolderRule_data()
    {
        QTest::addColumn<QString>("settingsHome"); // null: unset
        QTest::addColumn<QString>("configHome");   // null: unset
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a writable program folder") << QString() << QString() << true << "<program>";
        QTest::newRow("QVDIDUDODID_HOME wins over it") << "<dir>/mine/" << QString() << true << "<dir>/mine";
        QTest::newRow("QVDIDUDODID_HOME wins over the user's") << "<dir>/mine"
                                                               << "<dir>/config" << false << "<dir>/mine";
        QTest::newRow("else the user's, under XDG_CONFIG_HOME")
            << QString() << "<dir>/config" << false << "<dir>/config/QVDidUdodid";
        QTest::newRow("else the user's, under ~/.config")
            << QString() << QString() << false << "<home>/.config/QVDidUdodid";
        QTest::newRow("a relative XDG_CONFIG_HOME is not taken")
            << QString() << "config" << false << "<home>/.config/QVDidUdodid";
    }

    void theSettingsFolderRule()
    {
        QFETCH(QString, settingsHome);
        QFETCH(QString, configHome);
        QFETCH(bool, programWritable);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const auto fill = [&](QString text) {
            return text.isNull() ? text
                                 : text.replace("<dir>", dir.path())
                                       .replace("<home>", dir.filePath("home"))
                                       .replace("<program>", dir.filePath("program"));
        };
        QVERIFY(QDir().mkpath(dir.filePath("program")));
        const EnvironmentValue home("HOME", dir.filePath("home"));
        const EnvironmentValue settings("QVDIDUDODID_HOME", fill(settingsHome));
        const EnvironmentValue config("XDG_CONFIG_HOME", fill(configHome));
        // Root may write into any folder it finds, so the unwritable one is one that is not there.
        const QString program = programWritable ? dir.filePath("program") : dir.filePath("missing");
        QCOMPARE(AppContext::settingsFolderFor(program), fill(expected));
    }

    // What ships with the program is read from its own folder, whatever the settings folder is.
    void shippedFilesComeFromTheProgramsFolder()
    {
        QTemporaryDir settings;
        const EnvironmentValue home("QVDIDUDODID_HOME", settings.path());
        AppContext::initAppDirPath();
        QCOMPARE(AppContext::appDirPath, settings.path());
        QCOMPARE(AppContext::programDirPath, QCoreApplication::applicationDirPath());
        QCOMPARE(WeatherCities::cityFilePath(), QCoreApplication::applicationDirPath() + "/city.txt");
        QCOMPARE(AppContext::programFilePath("QVDidUdodidServer"),
                 QCoreApplication::applicationDirPath() + "/QVDidUdodidServer");
    }

    void theSettingsFolderIsMadeOrItsProblemTold()
    {
        TestEnvironment env;
        AppContext::appDirPath = env.path("a/new/folder");
        QCOMPARE(StartupSequence::prepareSettingsFolder(), QString());
        QVERIFY(QFileInfo(env.path("a/new/folder")).isDir());

        writeFile(env.path("file"), "x");
        AppContext::appDirPath = env.path("file/settings");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot be used"));
        const QString told = StartupSequence::prepareSettingsFolder();
        QVERIFY2(told.contains(env.path("file/settings")) && told.contains(qt_error_string(ENOTDIR)), qPrintable(told));
    }

    // The language command writes the settings: a file that refuses it is told, with the system's reason.
    void aSettingsFileThatRefusesTheWriteIsTold()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        QVERIFY(QDir().mkpath(AppContext::settingsFilePath())); // root writes anything, but not a folder
        prompts.onDialog = [](QDialog *dialog) {
            auto *win = qobject_cast<LanguageSetupWin *>(dialog);
            win->languageIndex = 1;
            win->cancelled = false;
            return int(QDialog::Accepted);
        };
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("could not be written"));
        w.slotSetupLanguage();
        QCOMPARE(AppContext::Language, 1); // the choice holds for this run
        QCOMPARE(prompts.informations.size(), 1);
        const QString told = prompts.informations.value(0);
        QVERIFY2(told.contains(AppContext::settingsFilePath()) && told.contains(qt_error_string(EISDIR)),
                 qPrintable(told));
    }

    // Adding an Office document where no page folder can be made says so,
    // not that Word is missing, and starts no conversion.
    void anOfficeImportWithoutAPageFolderTellsTheFolder()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        RefusingConverter converter;
        Widget w;
        ProjectTree *tree = w.curProjectWidget->tree();
        CommonWinObject *window = tree->generalSegments.first()->programs.first()->windows.first();
        tree->curItem = tree->rootItem->child(0)->child(0)->child(0);
        writeFile(OfficePages::tmpFolder(), "a file where the folder should be");
        writeFile(env.path("report.docx"), "words");
        prompts.fileNames = QStringList{env.path("report.docx")};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no page files can be made"));
        tree->addMediaFileSlot();
        QCOMPARE(window->media.size(), 0);
        QCOMPARE(converter.calls, 0);
        QCOMPARE(prompts.informations.size(), 1);
        const QString told = prompts.informations.value(0);
        QVERIFY2(told.contains(OfficePages::tmpFolder()) && told.contains(qt_error_string(ENOTDIR))
                     && !told.contains("word 2000"),
                 qPrintable(told));
    }

    // Page files that an older installation kept next to the program are
    // still read, never written there; one in the settings folder comes first.
    void pageFilesInTheProgramsOwnTmpFolderAreRead()
    {
        TestEnvironment env;
        AppContext::appDirPath = env.path("settings");
        QVERIFY(QDir().mkpath(env.path("tmp")));
        writePdf(env.path("tmp/report.pdf"), 2);
        writePdf(env.path("tmp/gone.pdf"), 1);
        writeFile(env.path("report.docx"), "words");
        RefusingConverter converter;
        DocumentPages pages;
        OfficePages::prepare(env.path("report.docx"), &pages);
        QCOMPARE(pages.size(), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is missing"));
        OfficePages::prepare(env.path("elsewhere/gone.docx"), &pages);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(converter.calls, 0);
        QCOMPARE(QDir(env.path("tmp")).entryList(QDir::Files), (QStringList{"gone.pdf", "report.pdf"}));

        QVERIFY(QDir().mkpath(env.path("settings/tmp")));
        writePdf(env.path("settings/tmp/report.pdf"), 3);
        OfficePages::prepare(env.path("report.docx"), &pages);
        QCOMPARE(pages.size(), 3);
    }
};

QTEST_MAIN(FoldersTest)
#include "test_folders.moc"

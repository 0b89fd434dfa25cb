// The start-up settings command and the start at log-on it writes, always
// under a temporary XDG_CONFIG_HOME.

#include "base/AppContext.h"
#include "platform/AutoStart.h"
#include "shell/Settings.h"
#include "shell/Widget.h"
#include "shell/dialogs/BootSetupWin.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

// The value of a key of an entry with the string escapes undone.
QString valueOf(const QString &entry, const QString &key)
{
    QString line;
    for (const QString &l : entry.split(QLatin1Char('\n')))
        if (l.startsWith(key + QLatin1Char('=')))
            line = l.mid(key.size() + 1);
    QString value;
    for (int i = 0; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char('\\') && i + 1 < line.size()) {
            const QChar next = line.at(++i);
            value += next == QLatin1Char('n') ? QChar('\n') : next == QLatin1Char('t') ? QChar('\t') : next;
        } else {
            value += line.at(i);
        }
    }
    return value;
}

// Undoes what the Desktop Entry rules do to an Exec line: the value's
// escapes, then the quoting of each argument, then the doubled "%".
QStringList execArguments(const QString &entry)
{
    const QString value = valueOf(entry, QStringLiteral("Exec"));
    QStringList arguments;
    QString current;
    bool quoted = false, any = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < value.size())
                current += value.at(++i);
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                current += c;
        } else if (c == QLatin1Char('"')) {
            quoted = any = true;
        } else if (c == QLatin1Char(' ')) {
            if (any || !current.isEmpty())
                arguments << current;
            current.clear();
            any = false;
        } else {
            current += c;
        }
    }
    if (any || !current.isEmpty())
        arguments << current;
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every file under a folder with its bytes, to tell whether anything changed.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(file.fileName(), file.readAll());
    }
    return files;
}

QSettings settingsOf(const TestEnvironment &env)
{
    return QSettings(env.path("setting.ini"), QSettings::IniFormat);
}

// The dialog answered by OK after the controls were set by `set`.
std::function<int(QDialog *)> okAfter(std::function<void(BootSetupWin *)> set)
{
    return [set](QDialog *dialog) {
        auto *win = qobject_cast<BootSetupWin *>(dialog);
        if (!win)
            return int(QDialog::Rejected);
        set(win);
        win->okButton->click();
        return win->result();
    };
}

// A temporary config home for the test's lifetime.
class ConfigHome
{
public:
    ConfigHome() : m_previous(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8()); }
    ~ConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", m_previous);
        qunsetenv("QVDIDUDODID_HOME");
    }
    QString path(const QString &name = {}) const { return name.isEmpty() ? m_dir.path() : m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

} // namespace

class BootSetupTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppContext::reset(); }

    void cancelAndEscapeStoreNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("cancel") << false;
        QTest::newRow("escape") << true;
    }
    void cancelAndEscapeStoreNothing()
    {
        QFETCH(bool, escape);
        ConfigHome home;
        TestEnvironment env;
        ScriptedPrompts prompts;
        settingsOf(env).setValue("Start", 0);
        QDir().mkpath(home.path("autostart"));
        QFile other(home.path("autostart/other.desktop"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("[Desktop Entry]\n");
        other.close();
        const auto before = snapshot(home.path()), settingsBefore = snapshot(env.path(""));

        Widget w;
        prompts.onDialog = [escape](QDialog *dialog) {
            auto *win = qobject_cast<BootSetupWin *>(dialog);
            win->startBox->setChecked(true);
            win->autoPlayBox->setChecked(true);
            if (escape)
                QTest::keyClick(win, Qt::Key_Escape);
            else
                win->cancelButton->click();
            return win->result();
        };
        w.slotSetBoot();
        QCOMPARE(snapshot(home.path()), before);
        QCOMPARE(snapshot(env.path("")), settingsBefore);
        QCOMPARE(AppContext::Start, 0);
        QCOMPARE(AppContext::Play, 0);
    }

    // The entry starts this program file in the current working folder; with
    // a settings folder it passes that folder on, blanks and all.
    void startUpWritesTheEntry_data()
    {
        QTest::addColumn<QString>("settingsHome");
        QTest::newRow("plain") << QString();
        QTest::newRow("settings folder with a blank") << "my settings";
    }
    void startUpWritesTheEntry()
    {
        QFETCH(QString, settingsHome);
        ConfigHome home;
        TestEnvironment env;
        ScriptedPrompts prompts;
        QString folder;
        if (!settingsHome.isEmpty()) {
            folder = env.path(settingsHome);
            QVERIFY(QDir().mkpath(folder));
            qputenv("QVDIDUDODID_HOME", folder.toUtf8());
        }
        Widget w;
        prompts.onDialog = okAfter([](BootSetupWin *win) { win->startBox->setChecked(true); });
        w.slotSetBoot();

        const QString entry = readAll(home.path("autostart/QVDIDUDODID.desktop"));
        QVERIFY(entry.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QLatin1String("\nType=Application\n")));
        QVERIFY(entry.contains(QLatin1String("\nName=QV LED Player\n")));
        const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/QVDidUdodid");
        const QStringList expected
            = folder.isEmpty() ? QStringList{program} : QStringList{"env", "QVDIDUDODID_HOME=" + folder, program};
        QCOMPARE(execArguments(entry), expected);
        // Started at log-on where it was when the entry was written: the same log.db.
        QCOMPARE(valueOf(entry, "Path"), QDir::currentPath());
        QCOMPARE(AppContext::Start, 1);
        QCOMPARE(settingsOf(env).value("Start").toInt(), 1);
        QVERIFY(prompts.informations.isEmpty());

        // unchecked: the entry goes, since an empty Exec is not valid
        prompts.onDialog = okAfter([](BootSetupWin *win) { win->startBox->setChecked(false); });
        w.slotSetBoot();
        QVERIFY(!QFile::exists(home.path("autostart/QVDIDUDODID.desktop")));
        QCOMPARE(settingsOf(env).value("Start").toInt(), 0);
    }

    void execArgumentsSurviveTheQuoting_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {"/opt/qv/QVDidUdodid", "/opt/my player/QVDidUdodid", "/a\"b/c'd", "/x\\y/$HOME",
                                 "/100%/`cmd`", "/tab\there", "/semi;colon&(x)"})
            QTest::newRow(path) << QString::fromUtf8(path);
    }
    void execArgumentsSurviveTheQuoting()
    {
        QFETCH(QString, path);
        const QString entry = AutoStart::desktopEntry(path, path + "/home", path + "/work");
        QCOMPARE(execArguments(entry), (QStringList{"env", "QVDIDUDODID_HOME=" + path + "/home", path}));
        QCOMPARE(valueOf(entry, "Path"), path + "/work");
        QVERIFY(!entry.section(QLatin1Char('\n'), 3, 3).contains(QLatin1Char('\t')));
    }

    // A folder that cannot be made (root ignores permissions, so a file takes its place).
    void anEntryThatCannotBeWrittenIsReported()
    {
        ConfigHome home;
        TestEnvironment env;
        ScriptedPrompts prompts;
        QFile blocker(home.path("autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        AppContext::SchemePath = "old.qvsc";
        Widget w;
        prompts.onDialog = okAfter([](BootSetupWin *win) {
            win->startBox->setChecked(true);
            win->autoPlayBox->setChecked(true);
        });
        w.slotSetBoot();
        QCOMPARE(AppContext::Start, 0);
        QCOMPARE(settingsOf(env).value("Start").toInt(), 0);
        QCOMPARE(settingsOf(env).value("Play").toInt(), 1); // the other choices are stored
        QCOMPARE(prompts.informations.size(), 1);
        QVERIFY2(prompts.informations.value(0).contains(home.path("autostart")),
                 qPrintable(prompts.informations.value(0)));
    }

    void theChoicesAreStored()
    {
        ConfigHome home;
        TestEnvironment env;
        ScriptedPrompts prompts;
        AppContext::PlayType = 7;
        AppContext::Play = 1;
        AppContext::SchemePath = "/old/a.qvsc";
        AppContext::LastSchemePath = "/old/last.qvsc";
        Widget w;

        // "PlayType" 7 leaves the first choice checked; a cancelled file dialog keeps the path
        prompts.fileName.clear();
        prompts.onDialog = okAfter([](BootSetupWin *win) {
            QVERIFY(win->chosenSchemeRadio->isChecked() && win->schemePathEdit->isEnabled());
            win->selectButton->click();
            QCOMPARE(win->schemePathEdit->text(), QStringLiteral("/old/a.qvsc"));
        });
        w.slotSetBoot();
        QCOMPARE(prompts.fileDialogs, QStringList{"Open"});
        QSettings stored(env.path("setting.ini"), QSettings::IniFormat);
        QCOMPARE(stored.value("PlayType").toInt(), 0);
        QCOMPARE(stored.value("SchemePath").toString(), QStringLiteral("/old/a.qvsc"));
        // never saved: the last played schedule stays the one to recover
        QCOMPARE(stored.value("LastSchemePath").toString(), QStringLiteral("/old/last.qvsc"));

        // auto play off still stores the radios and the chosen path
        prompts.fileName = "/new/b.qvsc";
        AppContext::currentSchedulePath = "/docs/now.qvsc";
        prompts.onDialog = okAfter([](BootSetupWin *win) {
            win->selectButton->click();
            win->lastSchemeRadio->setChecked(true);
            win->autoPlayBox->setChecked(false);
            QVERIFY(!win->lastSchemeRadio->isEnabled());
        });
        w.slotSetBoot();
        stored.sync();
        QCOMPARE(stored.value("Play").toInt(), 0);
        QCOMPARE(stored.value("PlayType").toInt(), 1);
        QCOMPARE(stored.value("SchemePath").toString(), QStringLiteral("/new/b.qvsc"));
        QCOMPARE(stored.value("LastSchemePath").toString(), QStringLiteral("/docs/now.qvsc"));
    }

    void windowsRunValue()
    {
        QCOMPARE(AutoStart::runValueText("C:/Program Files/QV"),
                 QStringLiteral("\"C:\\Program Files\\QV\\QVDidUdodid.exe\""));
        QCOMPARE(AutoStart::runValueText("D:/a/b/"), QStringLiteral("\"D:\\a\\b\\\\QVDidUdodid.exe\""));
    }
};

QTEST_MAIN(BootSetupTest)
#include "test_bootsetup.moc"

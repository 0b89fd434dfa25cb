// The program installed by root and started by normal users: the program's
// folder is not theirs to write, and no QVDIDUDODID_HOME is set. Settings,
// crash recovery and Office page files must then go to each user's own
// folder ($XDG_CONFIG_HOME/QVDidUdodid, here ~/.config/QVDidUdodid), and one
// user's start must not see another's recovery. The users are made for the
// test (useradd), so it needs root, as CI has.

#include "support/GeneratedSchedules.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
               ? QString::fromUtf8(process.readAllStandardOutput()).trimmed()
               : QString();
}

// A user of the system for the life of the object, with a home of its own.
class MadeUser
{
public:
    MadeUser(const QString &name, const QString &home) : m_name(name), m_home(home)
    {
        m_made = QProcess::execute("useradd", {"--no-create-home", "--home-dir", home, "--shell", "/usr/sbin/nologin",
                                               "--user-group", name})
                 == 0;
        m_uid = run("id", {"-u", name});
        m_gid = run("id", {"-g", name});
        if (m_made && QDir().mkpath(home))
            give(home);
    }
    ~MadeUser()
    {
        if (!m_made)
            return;
        QProcess::execute("userdel", {m_name});
        QDir(QStringLiteral("/tmp/qvdidudodid-") + m_uid).removeRecursively(); // its instance lock
        QDir(QStringLiteral("/tmp/runtime-") + m_name).removeRecursively();    // Qt's stand-in runtime folder
    }
    bool ok() const { return m_made && !m_uid.isEmpty() && QFileInfo(m_home).ownerId() == m_uid.toUInt(); }
    QString home(const QString &name = {}) const { return name.isEmpty() ? m_home : m_home + '/' + name; }
    QString settings(const QString &name = {}) const
    {
        return home(".config/QVDidUdodid") + (name.isEmpty() ? QString() : '/' + name);
    }
    uint uid() const { return m_uid.toUInt(); }
    // Makes a file this user's (what the test writes as root is root's).
    void give(const QString &path) const { QProcess::execute("chown", {m_uid + ":" + m_gid, path}); }

    // Starts the program as this user, in its home, with the environment a
    // plain log-in would give (no QVDIDUDODID_HOME, no XDG folders).
    void start(QProcess &process, const QString &program) const
    {
        QProcessEnvironment env;
        env.insert("HOME", m_home);
        env.insert("USER", m_name);
        env.insert("LOGNAME", m_name);
        env.insert("PATH", qEnvironmentVariable("PATH"));
        env.insert("LANG", "C.UTF-8");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(m_home);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start("setpriv", {"--reuid=" + m_uid, "--regid=" + m_gid, "--init-groups", program});
    }

private:
    QString m_name;
    QString m_home;
    QString m_uid;
    QString m_gid;
    bool m_made = false;
};

QVariant valueIn(const QString &settingsFile, const QString &key)
{
    return QSettings(settingsFile, QSettings::IniFormat).value(key, QStringLiteral("<absent>"));
}

void end(QProcess &process, int signal)
{
    ::kill(pid_t(process.processId()), signal);
    process.waitForFinished(15000);
}

// A schedule that plays an Office document (plain text LibreOffice reads as
// a Word file) and a text, readable by everybody.
bool writeSchedule(const QString &folder)
{
    QFile document(folder + "/report.docx");
    if (!document.open(QIODevice::WriteOnly))
        return false;
    document.write("A page of the report\n");
    document.close();
    auto owned = GeneratedSchedules::wide(1);
    CommonWinObject *window = GeneratedSchedules::firstWindow(*owned);
    auto *office = new QVLedMediaObject(*window->media.first());
    office->kind = MediaKind::Office;
    office->image.path = folder + "/report.docx";
    window->media.prepend(office);
    return GeneratedSchedules::save(*owned, folder + "/shared.qvsc");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class NormalUserTest : public QObject
{
    Q_OBJECT

private slots:
    void eachUserKeepsSettingsRecoveryAndPagesInTheirOwnFolder()
    {
        if (::geteuid() != 0)
            QSKIP("needs root: the test makes two users of the system (useradd) and starts the program as them");
        if (QStandardPaths::findExecutable("soffice").isEmpty())
            QSKIP("LibreOffice is not installed (scripts/setup installs it)");
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755)));

        // The program as root installs it: a folder of root's that others may only read.
        const QString programFolder = dir.filePath("program");
        QVERIFY(QDir().mkpath(programFolder));
        const QString program = programFolder + "/QVDidUdodid";
        if (::link(QFile::encodeName(QV_PROGRAM).constData(), QFile::encodeName(program).constData()) != 0)
            QVERIFY(QFile::copy(QV_PROGRAM, program));
        QVERIFY(QFile::copy(QFileInfo(QV_PROGRAM).absolutePath() + "/city.txt", programFolder + "/city.txt"));
        const QString modules = QFileInfo(QV_PROGRAM).absolutePath() + "/modules"; // what the build has of them
        if (QFileInfo(modules).isDir())
            QVERIFY(QFile::link(modules, programFolder + "/modules"));
        const QStringList shipped = entriesOf(programFolder);
        const QString shared = dir.filePath("shared");
        QVERIFY(QDir().mkpath(shared));
        QVERIFY(writeSchedule(shared));

        const QString tag = QString::number(QCoreApplication::applicationPid());
        MadeUser first("qvta" + tag, dir.filePath("home-a"));
        MadeUser second("qvtb" + tag, dir.filePath("home-b"));
        QVERIFY2(first.ok() && second.ok(), "the test users could not be made");

        // First start: the user's folder is made, and a normal end is kept there.
        QProcess run1;
        first.start(run1, program);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(first.settings()).isDir(), 20000);
        QCOMPARE(QFileInfo(first.settings()).ownerId(), first.uid());
        QTest::qWait(1500);
        end(run1, SIGTERM);
        QCOMPARE(valueIn(first.settings("setting.ini"), "CloseType").toString(), QString("normal"));

        // Second start plays the schedule, then the program dies.
        {
            QSettings settings(first.settings("setting.ini"), QSettings::IniFormat);
            settings.setValue("Play", 1);
            settings.setValue("PlayType", 0);
            settings.setValue("SchemePath", shared + "/shared.qvsc");
        }
        first.give(first.settings("setting.ini"));
        QProcess run2;
        first.start(run2, program);
        // The pages of the document, converted as this user, in this user's folder.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(first.settings("tmp/report.pdf")).size() > 0, 120000);
        QCOMPARE(QFileInfo(first.settings("tmp/report.pdf")).ownerId(), first.uid());
        // Play started: the schedule is this user's to recover.
        QTRY_COMPARE_WITH_TIMEOUT(valueIn(first.settings("setting.ini"), "LastSchemePath").toString(),
                                  shared + "/shared.qvsc", 20000);
        end(run2, SIGKILL);
        QCOMPARE(valueIn(first.settings("setting.ini"), "CloseType").toString(), QString());
        const QByteArray firstSettings = [&] {
            QFile file(first.settings("setting.ini"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        // Another user starts: nothing of the first user's recovery is taken
        // (opening that schedule would make its pages in this user's folder).
        QProcess other;
        second.start(other, program);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(second.settings()).isDir(), 20000);
        QTest::qWait(5000);
        QCOMPARE(other.state(), QProcess::Running);
        QVERIFY2(!QFileInfo::exists(second.settings("tmp")), "the second user opened the first user's schedule");
        end(other, SIGTERM);
        QCOMPARE(valueIn(second.settings("setting.ini"), "LastSchemePath").toString(), QString("<absent>"));
        QCOMPARE(valueIn(second.settings("setting.ini"), "CloseType").toString(), QString("normal"));
        QFile firstAfter(first.settings("setting.ini"));
        QVERIFY(firstAfter.open(QIODevice::ReadOnly));
        QCOMPARE(firstAfter.readAll(), firstSettings);

        // Nothing went next to the program.
        QCOMPARE(entriesOf(programFolder), shipped);
    }
};

QTEST_GUILESS_MAIN(NormalUserTest)
#include "test_normaluser.moc"

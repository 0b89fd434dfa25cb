// The heavy libraries come with the first item that needs them, never with
// the start: both programs, started for real with an empty settings folder
// or playing a schedule of pictures and texts, hold none of them once their
// main window shows (no libmpv, no web engine, no Qt Multimedia, no MuPDF,
// nor the modules that hold them, nor the OpenGL driver); a video brings the program's own video
// module and libmpv, a program's music and an Office document bring the
// multimedia and pdf modules, which shows the programs can open them (the web
// module's first page: test_programwebpage).

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "shell/WeatherService.h"
#include "support/FakeSoffice.h"
#include "support/GeneratedSchedules.h"
#include "support/VideoClips.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What a start must not hold: a family and the file names of its libraries
// as /proc/<pid>/maps shows them. Each family that becomes a module of its
// own adds its rows here.
struct HeavyLibrary
{
    const char *family;
    const char *fileName; // a part of the mapped file's name
};
const HeavyLibrary kHeavyLibraries[] = {
    {"video", "/libmpv.so"},
    {"video", "/libqvvideorender.so"},
    {"video", "/libqvvideoembedded.so"},
    {"multimedia", "/libQt5Multimedia"},
    {"multimedia", "/libgst"},
    {"multimedia", "/libqvmultimedia.so"},
    {"pdf", "/libqvpdf.so"},
    {"web", "/libQt5WebEngine"},
    {"web", "/libqvweb.so"},
    // The windows are made without OpenGL until content needs it.
    {"OpenGL driver", "/libqxcb-glx-integration.so"},
    {"OpenGL driver", "/libGLX_mesa.so"},
    {"OpenGL driver", "_dri.so"},
};

// The shared libraries mapped into the process.
QStringList mappedLibraries(qint64 pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        const QString file = slash >= 0 ? QString::fromLocal8Bit(line.mid(slash)) : QString();
        if (file.contains(QLatin1String(".so")) && !libraries.contains(file))
            libraries << file;
    }
    return libraries;
}

// The heavy libraries among `libraries`, as "family: file".
QStringList heavyAmong(const QStringList &libraries)
{
    QStringList found;
    for (const HeavyLibrary &heavy : kHeavyLibraries)
        for (const QString &library : libraries)
            if (library.contains(QLatin1String(heavy.fileName)))
                found << QStringLiteral("%1: %2").arg(QLatin1String(heavy.family), library);
    return found;
}

// A started program with folders of its own; ended (and waited for) when it goes.
class Program
{
public:
    Program(const QString &program, const QTemporaryDir &home)
    {
        QDir(home.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(home.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(home.path()).mkpath(QStringLiteral("tmp"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QVDIDUDODID_HOME"), home.path());
        env.insert(QStringLiteral("QV_TEST_LOCK_FOLDER"), home.filePath(QStringLiteral("lock")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
        env.insert(QStringLiteral("TMPDIR"), home.filePath(QStringLiteral("tmp")));
        env.insert(QString::fromLatin1(WeatherService::kHostVariable), QStringLiteral("127.0.0.1:9"));
        m_process.setProcessEnvironment(env);
        m_process.setWorkingDirectory(home.path());
        m_process.start(program, QStringList());
        m_process.waitForStarted(10000);
    }
    ~Program()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(10000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }
    // What the program has logged so far.
    QString log()
    {
        m_log += QString::fromLocal8Bit(m_process.readAllStandardError());
        return m_log;
    }

    // True once a viewable window of the program is on the display.
    bool windowShows(int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs && running()) {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                          QString::number(pid()), QStringLiteral("--name"), QStringLiteral("QV LED Player")});
            if (search.waitForFinished(5000) && search.exitCode() == 0 && !search.readAll().trimmed().isEmpty())
                return true;
            QTest::qWait(100);
        }
        return false;
    }

private:
    QProcess m_process;
    QString m_log;
};

// Settings that open and play the schedule at start-up.
void playAtStart(const QTemporaryDir &home, const QString &schedule)
{
    QSettings settings(home.filePath(QStringLiteral("setting.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Play"), 1);
    settings.setValue(QStringLiteral("PlayType"), 0);
    settings.setValue(QStringLiteral("SchemePath"), schedule);
    settings.setValue(QStringLiteral("CloseType"), QStringLiteral("normal"));
}

// The sample of pictures, a scrolling text over a clock and a text page.
bool writePicturesAndTexts(const QTemporaryDir &home)
{
    QProcess helper;
    helper.start(QStringLiteral(QV_SAMPLE_SCHEDULE_HELPER), {home.path()});
    if (!helper.waitForFinished(30000) || helper.exitCode() != 0)
        return false;
    playAtStart(home, home.filePath(QStringLiteral("sample.qvsc")));
    return true;
}

// One window playing an Office document (its page file made already), in a
// program with background music.
bool writeMusicAndADocument(const QTemporaryDir &home)
{
    const QString tone = home.filePath(QStringLiteral("tone.wav"));
    if (QProcess::execute(QStringLiteral("ffmpeg"),
                          {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=2", tone})
        != 0)
        return false;
    const QString document = home.filePath(QStringLiteral("menu.docx"));
    QFile words(document);
    if (!words.open(QIODevice::WriteOnly) || words.write("words") < 0)
        return false;
    words.close();
    if (!QDir(home.path()).mkpath(QStringLiteral("tmp"))
        || !FakeSoffice::writePdf(home.filePath(QStringLiteral("tmp/menu.pdf")), 2))
        return false;
    auto owned = GeneratedSchedules::wide(1);
    owned->schedule().displayWindows.first().generalSegments.first()->programs.first()->bgMusic = QStringList{tone};
    QVLedMediaObject *item = GeneratedSchedules::firstWindow(*owned)->media.first();
    item->kind = MediaKind::Office;
    item->image.path = document;
    item->image.stayTime = 2;
    const QString schedule = home.filePath(QStringLiteral("office.qvsc"));
    if (!GeneratedSchedules::save(*owned, schedule))
        return false;
    playAtStart(home, schedule);
    return true;
}

// One window playing a three-second clip.
bool writeOneVideo(const QTemporaryDir &home)
{
    const QString clip = home.filePath(QStringLiteral("clip.avi"));
    if (!VideoClips::make(clip, QStringLiteral("testsrc2=size=160x120:rate=10"), 3))
        return false;
    auto owned = GeneratedSchedules::wide(1);
    QVLedMediaObject *item = GeneratedSchedules::firstWindow(*owned)->media.first();
    item->kind = MediaKind::Video;
    item->video.path = clip;
    item->video.duration = QTime(0, 0, 3);
    const QString schedule = home.filePath(QStringLiteral("video.qvsc"));
    if (!GeneratedSchedules::save(*owned, schedule))
        return false;
    playAtStart(home, schedule);
    return true;
}

// Both programs, each with the file name of its video module.
struct ProgramUnderTest
{
    const char *name;
    const char *path;
    const char *videoModule;
};
const ProgramUnderTest kPrograms[] = {
    {"QVDidUdodid", QV_PROGRAM, "/libqvvideorender.so"},
    {"QVDidUdodidEmbedded", QV_PROGRAM_EMBEDDED, "/libqvvideoembedded.so"},
};

} // namespace

class LazyModulesTest : public QObject
{
    Q_OBJECT

private slots:
    void aStartHoldsNoHeavyLibrary_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("picturesAndTexts");
        for (const ProgramUnderTest &program : kPrograms) {
            QTest::addRow("%s, empty settings folder", program.name) << program.path << false;
            QTest::addRow("%s, playing pictures and texts", program.name) << program.path << true;
        }
    }
    void aStartHoldsNoHeavyLibrary()
    {
        QFETCH(QString, program);
        QFETCH(bool, picturesAndTexts);
        QTemporaryDir home;
        if (picturesAndTexts)
            QVERIFY(writePicturesAndTexts(home));
        Program started(program, home);
        QVERIFY2(started.windowShows(60000), qPrintable(started.log()));
        // Work put off until the window shows, and the first turns of play, come in too.
        QTest::qWait(2000);
        QVERIFY(started.running());
        const QStringList libraries = mappedLibraries(started.pid());
        QVERIFY(libraries.size() > 10); // the maps were read
        QVERIFY2(heavyAmong(libraries).isEmpty(), qPrintable(heavyAmong(libraries).join('\n')));
    }

    void musicAndADocumentBringTheirModules()
    {
        QTemporaryDir home;
        QVERIFY(writeMusicAndADocument(home));
        Program started(QStringLiteral(QV_PROGRAM), home);
        QVERIFY2(started.windowShows(60000), qPrintable(started.log()));
        QTRY_VERIFY2_WITH_TIMEOUT(heavyAmong(mappedLibraries(started.pid())).filter("/libqv").size() == 2,
                                  qPrintable(heavyAmong(mappedLibraries(started.pid())).join('\n')), 20000);
        const QStringList heavy = heavyAmong(mappedLibraries(started.pid()));
        QVERIFY2(!heavy.filter(QStringLiteral("/libQt5Multimedia")).isEmpty(), qPrintable(heavy.join('\n')));
        QTRY_COMPARE_WITH_TIMEOUT(started.log().count(QStringLiteral("loaded the module")), 2, 5000);
        for (const char *failure : {"cannot show", "cannot be drawn", "left out", "cannot read the pages"})
            QVERIFY2(!started.log().contains(QLatin1String(failure)), qPrintable(started.log()));
        QVERIFY(started.running());
    }

    void aVideoBringsTheProgramsOwnModule_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("module");
        for (const ProgramUnderTest &program : kPrograms)
            QTest::newRow(program.name) << program.path << program.videoModule;
    }
    void aVideoBringsTheProgramsOwnModule()
    {
        QFETCH(QString, program);
        QFETCH(QString, module);
        QTemporaryDir home;
        QVERIFY(writeOneVideo(home));
        Program started(program, home);
        QVERIFY2(started.windowShows(60000), qPrintable(started.log()));
        QTRY_VERIFY2_WITH_TIMEOUT(!mappedLibraries(started.pid()).filter(module).isEmpty(), qPrintable(started.log()),
                                  20000);
        const QStringList heavy = heavyAmong(mappedLibraries(started.pid()));
        QCOMPARE(heavy.filter(QStringLiteral("/libqvvideo")).size(), 1); // its own, not the other program's
        QCOMPARE(heavy.filter(QStringLiteral("/libmpv.so")).size(), 1);
        QTRY_VERIFY2_WITH_TIMEOUT(started.log().contains(QStringLiteral("loaded the module")),
                                  qPrintable(started.log()), 5000);
        QVERIFY2(!started.log().contains(QStringLiteral("cannot show")), qPrintable(started.log()));
        QVERIFY(started.running());
    }
};

QTEST_MAIN(LazyModulesTest)
#include "test_lazymodules.moc"

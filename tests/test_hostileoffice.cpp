// Office documents an unattended screen meets, with a stand-in for
// LibreOffice: a long document, a converter that fails, one that writes
// garbage and one that hangs. In this process: the documents of a schedule
// replaced before their turn are not prepared (how each document plays:
// test_hostilecontent). With the real program: the main window comes up at
// once, memory stays bounded, a failure is not tried again on the next
// start, and no converter process or conversion folder is left.

#include "editor/OfficePages.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "platform/OfficeConverter.h"
#include "playback/PlayLog.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "support/FakeSoffice.h"
#include "support/GeneratedSchedules.h"
#include "support/HostileProbes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {

// A schedule of one area of `width` x `height` with one Office item per document, each page staying a second.
bool writeOfficeSchedule(const QString &path, const QStringList &documents, int width = 1280, int height = 720)
{
    auto owned = GeneratedSchedules::wide(1, 1);
    CommonWinObject *window
        = owned->schedule().displayWindows.first().generalSegments.first()->programs.first()->windows.first();
    window->width = width;
    window->height = height;
    QVLedMediaObject *text = window->media.takeFirst();
    for (const QString &document : documents) {
        auto *item = new QVLedMediaObject(*text);
        item->kind = MediaKind::Office;
        item->id = window->media.size() + 1;
        item->image.path = document;
        item->image.stayTime = 1;
        window->media << item;
    }
    delete text;
    return GeneratedSchedules::save(*owned, path);
}

// The main window of this process, with the stand-in converter and a play log of its own.
struct InProcess
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    OfficeConverter converter;
    QString bin;
    std::unique_ptr<Widget> w;

    explicit InProcess(int fixturePages)
    {
        bin = env.path("bin");
        FakeSoffice::writePdf(env.path("fixture.pdf"), fixturePages);
        converter.setProgram(FakeSoffice::install(bin, env.path("fixture.pdf")));
        OfficeConverter::install(&converter);
        PlayLog::setDatabasePath(env.path("log.db"));
        w = std::make_unique<Widget>();
    }
    ~InProcess()
    {
        QTRY_VERIFY(OfficePages::idle());
        PlayLog::flush();
        w.reset();
        OfficeConverter::install(nullptr);
        FakeSoffice::endProcessesMentioning(env.path("."));
    }

    QString document(const QString &name)
    {
        QFile file(env.path(name));
        file.open(QIODevice::WriteOnly);
        file.write("not really a document");
        return env.path(name);
    }
    ProjectTree *tree() const { return w->curProjectWidget->tree(); }
    QList<QVLedMediaObject *> items() const
    {
        return tree()->generalSegments.first()->programs.first()->windows.first()->media;
    }
};

// A home for one run of the program: settings, schedule, documents, and the
// stand-in converter first on PATH.
struct ProgramHome
{
    QTemporaryDir dir;
    QString bin;

    explicit ProgramHome(int fixturePages)
    {
        bin = dir.filePath("bin");
        QDir().mkpath(bin);
        FakeSoffice::writePdf(dir.filePath("fixture.pdf"), fixturePages);
        FakeSoffice::install(bin, dir.filePath("fixture.pdf"));
    }
    ~ProgramHome() { FakeSoffice::endProcessesMentioning(dir.path()); }

    QString path(const QString &name) const { return dir.filePath(name); }

    // A schedule of one 1280 x 720 area playing the document, page by page, at start-up.
    bool prepareStart(const QString &document)
    {
        QFile file(path(document));
        if (!file.open(QIODevice::WriteOnly) || file.write("not really a document") <= 0)
            return false;
        file.close();
        auto owned = GeneratedSchedules::wide(1, 1);
        CommonWinObject *window
            = owned->schedule().displayWindows.first().generalSegments.first()->programs.first()->windows.first();
        window->width = 1280;
        window->height = 720;
        QVLedMediaObject *item = window->media.first();
        item->kind = MediaKind::Office;
        item->image.path = path(document);
        item->image.stayTime = 1;
        if (!GeneratedSchedules::save(*owned, path("office.qvsc")))
            return false;
        QSettings settings(path("setting.ini"), QSettings::IniFormat);
        settings.setValue("Play", 1);
        settings.setValue("PlayType", 0);
        settings.setValue("SchemePath", path("office.qvsc"));
        settings.setValue("LastSchemePath", path("office.qvsc"));
        settings.setValue("CloseType", "normal");
        return true;
    }

    void start(QProcess &program)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QVDIDUDODID_HOME", dir.path());
        env.insert("QV_TEST_LOCK_FOLDER", dir.path() + "/lock"); // the test build's lock: this run's own
        env.insert("PATH", bin + ":" + env.value("PATH"));
        if (!env.contains("DISPLAY"))
            env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(dir.path());
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(QV_PROGRAM), QStringList());
    }

    // Milliseconds until the program came to the end of its start-up (it
    // then resets "CloseType" for the run: the main window is up); -1 when
    // it did not within `timeoutMs`.
    qint64 msUntilUp(const QElapsedTimer &since, int timeoutMs)
    {
        while (since.elapsed() < timeoutMs) {
            if (QSettings(path("setting.ini"), QSettings::IniFormat).value("CloseType").toString().isEmpty())
                return since.elapsed();
            QTest::qWait(20);
        }
        return -1;
    }

    // Conversion folders the converter left in the program's tmp folder.
    QStringList conversionFolders() const
    {
        return QDir(dir.filePath("tmp")).entryList({QStringLiteral("conversion*")}, QDir::Dirs);
    }
};

// Ends the program as a service manager does, and waits for it.
bool stop(QProcess &program)
{
    ::kill(pid_t(program.processId()), SIGTERM);
    return program.waitForFinished(10000);
}

} // namespace

class HostileOfficeTest : public QObject
{
    Q_OBJECT

private slots:
    // A schedule loaded over another: the documents of the first are not prepared any more.
    void aScheduleReplacedBeforeItsTurnIsNotPrepared()
    {
        InProcess p(2);
        QVERIFY(writeOfficeSchedule(p.env.path("first.qvsc"), {p.document("first.docx")}));
        QVERIFY(writeOfficeSchedule(p.env.path("second.qvsc"), {p.document("second.docx")}));
        QVERIFY(p.w->document->loadSchedule(p.env.path("first.qvsc")));
        QVERIFY(p.w->document->loadSchedule(p.env.path("second.qvsc")));
        QTRY_COMPARE(p.items().first()->image.pages.size(), 2);
        QTRY_VERIFY(OfficePages::idle());
        QCOMPARE(FakeSoffice::calls(p.bin), QStringList{p.env.path("second.docx")});
    }

    void unattendedStartWithAHostileDocument_data()
    {
        QTest::addColumn<QString>("document");
        // Converter calls after the second start: a success and a failure are
        // not converted again; a conversion the end of the program cut short is.
        QTest::addColumn<int>("callsAfterTwoStarts");
        QTest::newRow("300 pages") << "manual.docx" << 1;
        QTest::newRow("converter fails") << "fail.docx" << 1;
        QTest::newRow("converter writes random bytes") << "random.pptx" << 1;
        QTest::newRow("converter hangs") << "hang.xlsx" << 2;
    }

    // The budget: the whole program, playing a 300-page document in a 1280 x
    // 720 area, peaks under 250 MB resident (it rendered every page at twice
    // its size before: some 8 MB a page).
    void unattendedStartWithAHostileDocument()
    {
        QFETCH(QString, document);
        QFETCH(int, callsAfterTwoStarts);
        ProgramHome home(300);
        QVERIFY(home.prepareStart(document));

        for (int run = 1; run <= 2; ++run) {
            QProcess program;
            QElapsedTimer clock;
            clock.start();
            home.start(program);
            QVERIFY(program.waitForStarted());
            const qint64 upMs = home.msUntilUp(clock, 30000);
            qInfo("%s, start %d: main window up after %lld ms", qPrintable(document), run, upMs);
            QVERIFY2(upMs >= 0 && upMs < 3000, qPrintable(QString::number(upMs)));
            // The delayed start of play, then a few pages.
            QTest::qWait(2000 + 4000);
            const qint64 peak = HostileProbes::statusKb("VmHWM", QString::number(program.processId()));
            qInfo("%s, start %d: peak resident %lld MB", qPrintable(document), run, peak / 1024);
            QVERIFY2(peak > 0 && peak < 250 * 1024 * HostileProbes::kSanitizerMemoryScale,
                     qPrintable(QString::number(peak)));
            QVERIFY(stop(program));
            QCOMPARE(program.exitCode(), 0);

            // Whatever the converter did, nothing of it is left.
            QTRY_VERIFY2(FakeSoffice::processesMentioning(home.dir.path()).isEmpty(),
                         qPrintable(FakeSoffice::processesMentioning(home.dir.path()).join(' ')));
            QVERIFY2(home.conversionFolders().isEmpty(), qPrintable(home.conversionFolders().join(' ')));
            QCOMPARE(FakeSoffice::calls(home.bin).size(), run == 1 ? 1 : callsAfterTwoStarts);
        }
    }
};

QTEST_MAIN(HostileOfficeTest)
#include "test_hostileoffice.moc"

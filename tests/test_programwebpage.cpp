// The program itself plays a local web page on a real display. As root (how
// CI and the installation notes run it) the web engine's sandbox refuses to
// start and used to end the program at the first page; the program must
// make the engine usable by itself, with no web-engine variable in its
// environment, and show the page. The page comes from the web module, which
// the program opens for it from the build tree (it links no web engine). The
// OpenGL context the engine shares is made only when web content or a video
// first needs it, and a page after a video in the same window must still show.

#include "support/GeneratedSchedules.h"
#include "support/VideoClips.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <unistd.h>

namespace {
const QColor PageColour(0x12, 0x34, 0x56);
const QRect Area(100, 100, 400, 300); // on the desktop: the display window lies at 0,0

bool writeSchedule(const QString &home, bool videoFirst)
{
    const QString page = home + "/page.html";
    QFile file(page);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("<html><body style='margin:0;background:#123456'></body></html>");
    file.close();

    auto owned = GeneratedSchedules::wide(1);
    CommonWinObject *window = GeneratedSchedules::firstWindow(*owned);
    QVLedMediaObject *item = window->media.first();
    if (videoFirst) {
        // The window shows a video first: its player's OpenGL is made, and
        // shown, in the display window before the page's view is made there.
        const QString clip = home + "/clip.avi";
        if (!VideoClips::make(clip, QStringLiteral("testsrc2=size=160x120:rate=10"), 2))
            return false;
        item->kind = MediaKind::Video;
        item->video.path = clip;
        item->video.duration = QTime(0, 0, 2);
        auto *pageItem = new QVLedMediaObject(*item);
        pageItem->id = item->id + 1;
        window->media << pageItem;
        item = pageItem;
    }
    window->x = Area.x();
    window->y = Area.y();
    window->width = Area.width();
    window->height = Area.height();
    item->kind = MediaKind::Url;
    item->url.address = page;
    item->url.playTime = QTime(0, 10, 0);
    if (!GeneratedSchedules::save(*owned, home + "/web.qvsc"))
        return false;
    QSettings settings(home + "/setting.ini", QSettings::IniFormat);
    settings.setValue("Play", 1);
    settings.setValue("PlayType", 0);
    settings.setValue("SchemePath", home + "/web.qvsc");
    settings.setValue("CloseType", "normal");
    return true;
}

bool maps(qint64 pid, const QByteArray &library)
{
    QFile file(QStringLiteral("/proc/%1/maps").arg(pid));
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(library);
}

bool showsPageColour()
{
    const QImage shot
        = QGuiApplication::primaryScreen()->grabWindow(0, Area.x(), Area.y(), Area.width(), Area.height()).toImage();
    const QColor middle = shot.pixelColor(shot.rect().center());
    return qAbs(middle.red() - PageColour.red()) + qAbs(middle.green() - PageColour.green())
               + qAbs(middle.blue() - PageColour.blue())
           < 12;
}
} // namespace

class ProgramWebPageTest : public QObject
{
    Q_OBJECT

private slots:
    void theProgramShowsALocalPageWithoutAnyWebEngineVariable_data()
    {
        QTest::addColumn<bool>("videoFirst");
        QTest::newRow("the page alone") << false;
        QTest::newRow("a video made before the page") << true;
    }

    void theProgramShowsALocalPageWithoutAnyWebEngineVariable()
    {
        QFETCH(bool, videoFirst);
        QTemporaryDir home;
        QVERIFY(writeSchedule(home.path(), videoFirst));
        QVERIFY2(!showsPageColour(), "the page's colour is on the screen before the program runs");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &name : env.keys())
            if (name.startsWith("QTWEBENGINE"))
                env.remove(name);
        env.insert("QVDIDUDODID_HOME", home.path());
        env.insert("QV_TEST_LOCK_FOLDER", home.filePath("lock"));
        QProcess program;
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(home.path());
        program.start(QStringLiteral(QV_PROGRAM), QStringList());
        QVERIFY(program.waitForStarted());

        // The delayed start, then the engine's first page.
        QTRY_VERIFY_WITH_TIMEOUT(showsPageColour() || program.state() != QProcess::Running, 60000);
        QByteArray told;
        const auto reason = [&] { return "the program ended: " + (told += program.readAllStandardError()); };
        QVERIFY2(program.state() == QProcess::Running, reason().constData());
        QTest::qWait(1000);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(maps(program.processId(), "/libqvweb.so"));
        QVERIFY(maps(program.processId(), "/libQt5WebEngineCore.so"));

        QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        told += program.readAllStandardError();
        // Said once, and only when the sandbox had to go.
        QCOMPARE(told.count("web pages are shown without the web engine's sandbox"), ::geteuid() == 0 ? 1 : 0);
        // The module was opened once, and said how long that took.
        QCOMPARE(told.count("/libqvweb.so in "), 1);
        QVERIFY2(QRegularExpression("loaded the module \\S*/libqvweb.so in \\d+ ms").match(told).hasMatch(),
                 told.constData());
    }
};

QTEST_MAIN(ProgramWebPageTest)
#include "test_programwebpage.moc"

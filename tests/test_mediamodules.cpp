// Music, the camera and the pages of Office documents come from the modules
// "multimedia" and "pdf": each opens from the build and does its work; and
// without one (not installed, a file that is no module, a module of another
// kind) play goes on: music is left out with one log line, a camera item and
// an Office item are logged failed, importing an Office document says why,
// and nothing shows a dialog.

#include "base/Modules.h"
#include "editor/OfficePages.h"
#include "editor/PdfModule.h"
#include "editor/ProjectTreeItem.h"
#include "playback/content/ImageContentPlayer.h"
#include "playback/content/MediaModule.h"
#include "support/FakeSoffice.h"
#include "support/MessageLog.h"
#include "support/PlayFixture.h"
#include "support/RefusingConverter.h"

#include <QApplication>
#include <QDialog>
#include <QMediaPlayer>
#include <QProcess>
#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");

bool writeTone(const QString &path)
{
    return QProcess::execute(QStringLiteral("ffmpeg"),
                             {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=2", path})
           == 0;
}

bool writePicture(const QString &path)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    return picture.save(path, "PNG");
}

bool aDialogShows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog *>(window) && window->isVisible())
            return true;
    return false;
}

// The play log's results of `item`, in the order played.
QStringList resultsOf(const QVLedMediaObject *item)
{
    QStringList results;
    for (const QStringList &row : PlayFixture::loggedRows())
        if (row.value(0) == CommonPlayWindow::logNameOf(*item))
            results << row.value(6);
    return results;
}
} // namespace

class MediaModulesTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MessageLog> m_log;
    QTemporaryDir m_folder; // an empty folder, or one with files that are no modules
    QObject m_foreign;      // an object that is neither module

    // Makes module `name` unusable as `how` says; the reason it gives contains `*reason`.
    void breakModule(const QString &name, const QString &how, QString *reason)
    {
        Modules::provide(name, nullptr); // a module opened before is looked for anew
        const QString fileName = QStringLiteral("libqv%1.so").arg(name);
        QFile::remove(m_folder.filePath(fileName));
        if (how == QLatin1String("another kind")) {
            Modules::provide(name, &m_foreign);
            *reason = QStringLiteral("does not provide");
            return;
        }
        if (how == QLatin1String("not a module")) {
            QFile file(m_folder.filePath(fileName));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x7f"
                       "ELF, or so it says");
        }
        Modules::searchOnlyIn({m_folder.path()});
        *reason = fileName;
    }

    void ways_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("not installed") << "missing";
        QTest::newRow("a file that is no module") << "not a module";
        QTest::newRow("a module of another kind") << "another kind";
    }

private slots:
    // After the test library has put its own message handler in place.
    void initTestCase() { m_log = std::make_unique<MessageLog>(); }
    void cleanupTestCase() { m_log.reset(); }
    void init() { m_log->clear(); }
    void cleanup()
    {
        Modules::provide(QStringLiteral("multimedia"), nullptr);
        Modules::provide(QStringLiteral("pdf"), nullptr);
        Modules::searchOnlyIn({});
    }

    void theModulesOfTheBuildPlayAndDraw()
    {
        TestEnvironment env;
        QString why;
        MediaModule *media = Modules::instance<MediaModule>(QStringLiteral("multimedia"), &why);
        QVERIFY2(media, qPrintable(why));
        QVERIFY(writeTone(env.path("tone.wav")));
        QObject owner;
        MusicPlayer *music = media->newMusic(&owner);
        QCOMPARE(owner.children().size(), 1); // the player goes with its owner
        music->start(&owner, {env.path("tone.wav")});
        QTRY_VERIFY_WITH_TIMEOUT(music->playing(), 5000);
        music->pause();
        QVERIFY(!music->playing());
        music->resume();
        QTRY_VERIFY(music->playing());
        music->stop();

        const PdfModule *pdf = Modules::instance<PdfModule>(QStringLiteral("pdf"), &why);
        QVERIFY2(pdf, qPrintable(why));
        QVERIFY(FakeSoffice::writePdf(env.path("pages.pdf"), 3, QSizeF(200, 100)));
        const std::shared_ptr<const PageSource> pages = pdf->openPages(env.path("pages.pdf"), &why);
        QVERIFY2(pages, qPrintable(why));
        QCOMPARE(pages->pageCount(), 3);
        QCOMPARE(pages->render(2, QSize(400, 400), Qt::KeepAspectRatio).size(), QSize(400, 200));
        QVERIFY(!pdf->openPages(env.path("tone.wav"), &why));
        QVERIFY(!why.isEmpty());

        // Each module says how long it took to open.
        QCOMPARE(m_log->count(QtInfoMsg, "qv.shell", "libqvmultimedia.so in"), 1);
        QCOMPARE(m_log->count(QtInfoMsg, "qv.shell", "libqvpdf.so in"), 1);
    }

    // Through the module as through Qt before: the program's music pauses and
    // resumes with play; a picture's music plays while the picture stays.
    void musicFollowsPlayAndThePicturesStay()
    {
        PlayFixture f;
        const QString tone = f.env.path("tone.wav");
        QVERIFY(writeTone(tone));
        QVERIFY(writePicture(f.env.path("picture.png")));
        f.addGeneral("G");
        f.addProgram("P", General, 2, 1, QTime(0, 6, 0), {tone});
        CommonWinObject *window = f.addWindow("W", 2, 1);
        QVLedMediaObject *picture = window->media.value(0);
        picture->kind = MediaKind::Image;
        picture->image.path = f.env.path("picture.png");
        picture->image.musicPath = tone;
        picture->image.stayTime = 3;

        f.w->slotOverallPlay(); // the operator's play button
        CommonPlayWindow *area = f.area(window);
        QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::Image), 5000);
        auto *pictures = qobject_cast<ImageContentPlayer *>(area->content().find(MediaFamily::Image));
        QVERIFY(pictures && f.tree->musicPlayer);
        QTRY_VERIFY_WITH_TIMEOUT(pictures->musicPlaying(), 5000);
        QTRY_COMPARE(f.tree->musicPlayer->state(), QMediaPlayer::PlayingState);

        f.w->slotOverallPlay(); // pause
        QTRY_COMPARE(f.tree->musicPlayer->state(), QMediaPlayer::PausedState);
        QVERIFY(!pictures->musicPlaying());
        f.w->slotOverallPlay(); // on
        QTRY_COMPARE(f.tree->musicPlayer->state(), QMediaPlayer::PlayingState);
        QTRY_VERIFY(pictures->musicPlaying());

        QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::SimpleText), 5000);
        QVERIFY(!pictures->musicPlaying()); // its music ended with its stay
        QCOMPARE(f.tree->musicPlayer->state(), QMediaPlayer::PlayingState);
        f.w->slotOverallStop();
        QCOMPARE(f.tree->musicPlayer->state(), QMediaPlayer::StoppedState);
    }

    void withoutTheMultimediaModulePlayGoesOnInSilence_data() { ways_data(); }
    void withoutTheMultimediaModulePlayGoesOnInSilence()
    {
        QFETCH(QString, how);
        QString reason;
        breakModule(QStringLiteral("multimedia"), how, &reason);
        PlayFixture f;
        QVERIFY(writePicture(f.env.path("picture.png")));
        const QString tone = f.env.path("tone.wav"); // never opened: nothing could play it
        f.addGeneral("G");
        f.addProgram("P", General, 2, 1, QTime(0, 6, 0), {tone}); // loops, so the list comes round again
        CommonWinObject *window = f.addWindow("W", 3, 1);
        QVLedMediaObject *camera = window->media.value(1);
        camera->kind = MediaKind::VideoDevice;
        camera->videoDevice.timeLength = QTime(0, 0, 1);
        QVLedMediaObject *picture = window->media.value(2);
        picture->kind = MediaKind::Image;
        picture->image.path = f.env.path("picture.png");
        picture->image.musicPath = tone;
        picture->image.stayTime = 1;

        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        for (int round = 0; round < 2; ++round) {
            QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::Image), 8000);
            QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::SimpleText), 8000);
        }
        f.tree->slotStopPlay(f.display);

        QCOMPARE(resultsOf(camera), (QStringList{"failed", "failed"}));
        QCOMPARE(resultsOf(picture), (QStringList{"success", "success"}));
        QVERIFY(!f.tree->musicPlayer);
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", "background music is left out"), 1);
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", reason), m_log->count(QtWarningMsg, "qv.playback"));
        QVERIFY(f.prompts.informations.isEmpty());
        QVERIFY(!aDialogShows());
    }

    void withoutThePdfModuleAnOfficeItemHasNoPages_data() { ways_data(); }
    void withoutThePdfModuleAnOfficeItemHasNoPages()
    {
        QFETCH(QString, how);
        QString reason;
        breakModule(QStringLiteral("pdf"), how, &reason);
        PlayFixture f;
        RefusingConverter converter;
        QVERIFY(QDir().mkpath(f.env.path("tmp")));
        QVERIFY(FakeSoffice::writePdf(f.env.path("tmp/menu.pdf"), 2)); // even its page file is there
        QFile document(f.env.path("menu.docx"));
        QVERIFY(document.open(QIODevice::WriteOnly));
        document.write("words");
        document.close();

        // Imported: the operator is told why, and no item is added.
        CommonWinObject *window = f.tree->generalSegments.first()->programs.first()->windows.first();
        f.tree->curItem = f.tree->rootItem->child(0)->child(0)->child(0);
        const int items = window->media.size();
        f.prompts.fileNames = QStringList{f.env.path("menu.docx")};
        f.tree->addMediaFileSlot();
        QCOMPARE(window->media.size(), items);
        QCOMPARE(f.prompts.informations.size(), 1);
        QVERIFY2(f.prompts.informations.first().contains("menu.docx"), qPrintable(f.prompts.informations.first()));
        QVERIFY2(f.prompts.informations.first().contains("PDF renderer"), qPrintable(f.prompts.informations.first()));
        QVERIFY2(f.prompts.informations.first().contains(reason), qPrintable(f.prompts.informations.first()));
        QCOMPARE(converter.calls, 0); // nothing is converted that could never show

        // In a schedule: it is not ready, and play logs it failed and goes on.
        f.prompts.informations.clear();
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *playing = f.addWindow("W", 2, 1);
        QVLedMediaObject *office = playing->media.value(1);
        office->kind = MediaKind::Office;
        office->image.path = f.env.path("menu.docx");
        office->image.stayTime = 1;
        const OfficePages::Result prepared = OfficePages::prepare(office->image.path, &office->image.pages);
        QVERIFY(!prepared.rendererProblem.isEmpty());
        QCOMPARE(office->image.pages.status(), DocumentPages::Status::Failed);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(playing);
        QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::Office), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::SimpleText), 5000);
        f.tree->slotStopPlay(f.display);
        QCOMPARE(resultsOf(office), QStringList{"failed"});
        QVERIFY(f.prompts.informations.isEmpty());
        QVERIFY(!aDialogShows());
        QCOMPARE(m_log->count(QtWarningMsg, "qv.editor", "cannot be drawn"), 2); // once per document prepared
    }
};

QTEST_MAIN(MediaModulesTest)
#include "test_mediamodules.moc"

// The program without a usable video module (not installed, damaged, or not
// a video module at all): in play a video item is logged as failed and play
// goes on, with no message on the screen; in the editor the operator is told
// once why a video cannot be shown, and the schedule keeps the item.

#include "base/Modules.h"
#include "playback/video/VideoLengthProbe.h"
#include "support/MessageLog.h"
#include "support/PlayFixture.h"
#include "support/PlayLogRows.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString General = QStringLiteral("generalSegment");
const QString Module = QStringLiteral("videorender");

} // namespace

class VideoModuleTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MessageLog> m_log;
    QTemporaryDir m_folder; // where the module is looked for
    QObject m_stranger;     // a module root that is no video module

    // Makes the row's module unusable from now on.
    void spoilModule()
    {
        QFETCH(QString, how);
        if (how == QLatin1String("stranger")) {
            Modules::provide(Module, &m_stranger);
            return;
        }
        QFile::remove(m_folder.filePath("libqvvideorender.so"));
        if (how == QLatin1String("damaged")) {
            QFile file(m_folder.filePath("libqvvideorender.so"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x7f"
                                  "ELF",
                                  4)
                       + QByteArray(4096, '\xee'));
        }
        Modules::searchOnlyIn({m_folder.path()});
    }

    static void moduleRows()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reasonHas");
        QTest::newRow("not installed") << "missing"
                                       << "libqvvideorender.so is not installed";
        QTest::newRow("damaged") << "damaged"
                                 << "libqvvideorender.so cannot be loaded";
        QTest::newRow("not a video module") << "stranger"
                                            << "\"videorender\" does not provide";
    }

private slots:
    void initTestCase() { m_log = std::make_unique<MessageLog>(); }
    void cleanupTestCase() { m_log.reset(); }
    void init() { m_log->clear(); }
    void cleanup()
    {
        Modules::provide(Module, nullptr);
        Modules::searchOnlyIn({});
    }

    void aVideoItemIsLoggedAsFailedAndPlayGoesOn_data() { moduleRows(); }
    void aVideoItemIsLoggedAsFailedAndPlayGoesOn()
    {
        QFETCH(QString, reasonHas);
        spoilModule();
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General);
        CommonWinObject *window = f.addWindow("W", 2, 10);
        QVLedMediaObject *video = window->media.value(0);
        video->kind = MediaKind::Video;
        video->video.path = QStringLiteral("/clips/a.mp4");
        CommonPlayWindow *area = f.area(window);

        f.tree->slotStartPlay(f.display);
        QVERIFY(area->currentItem == video);
        QTRY_VERIFY_WITH_TIMEOUT(area->currentItem == window->media.value(1), 3000);
        QVERIFY(!area->videoPlayer());
        QCOMPARE(PlayLogRows::loggedResults("a.mp4", Clock::current().currentDate()), QStringList{"failed"});
        QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", "cannot show video item a.mp4"), 1);
        QVERIFY2(m_log->count(QtWarningMsg, "qv.playback", reasonHas) == 1,
                 qPrintable(m_log->texts("qv.playback").join('\n')));
        QTest::qWait(50); // a message queued for later would show by now
        QCOMPARE(f.prompts.informations, QStringList{});
    }

    void theEditorTellsOnceWhyAVideoCannotBeShown_data() { moduleRows(); }
    void theEditorTellsOnceWhyAVideoCannotBeShown()
    {
        QFETCH(QString, reasonHas);
        spoilModule();
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General);
        CommonWinObject *window = f.addWindow("W", 0);
        f.tree->curItem = f.tree->topLevelItem(0)->child(1)->child(0)->child(0); // the window "W"
        f.tree->slotSelectItemChecked();
        QTemporaryDir dir;
        QStringList clips{dir.filePath("one.mp4"), dir.filePath("two.mp4")};
        for (const QString &clip : clips) {
            QFile file(clip);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }

        // Added one after the other: each preview fails, the operator hears of it once.
        for (const QString &clip : clips) {
            f.prompts.fileNames = QStringList{clip};
            f.tree->addMediaFileSlot();
            QTRY_COMPARE_WITH_TIMEOUT(f.prompts.informations.size(), 1, 2000);
        }
        QTest::qWait(50);
        QCOMPARE(f.prompts.informations.size(), 1);
        QVERIFY2(f.prompts.informations.value(0).contains(reasonHas), qPrintable(f.prompts.informations.value(0)));
        QCOMPARE(window->media.size(), 2);
        QCOMPARE(window->media.value(1)->video.path, clips.value(1));
        QCOMPARE(f.w->curMedia, window->media.value(1));
        // Their lengths cannot be read either: said once in the log, and nothing waits for them.
        QTRY_COMPARE(f.w->findChild<VideoLengthProbe *>()->waiting(), 0);
        QCOMPARE(m_log->count(QtWarningMsg, "qv.video", "video lengths cannot be read"), 1);
    }
};

QTEST_MAIN(VideoModuleTest)
#include "test_videomodule.moc"

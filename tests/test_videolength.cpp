// One rule for a video item's length in both programs, against a real
// libmpv: in play the stored length rules (a loaded item keeps it, the look
// at a video just loaded only fills in a missing one), and what the editor
// previews of the item stores the file's length.

#include "playback/dataBaseConn.h"
#include "playback/video/PlayLabel.h"
#include "support/PlayFixture.h"
#include "support/VideoClips.h"

#include <QtTest>

namespace {

const QString General = QStringLiteral("generalSegment");

// A main window on the real clock whose one window holds a text of 5 s; the
// video is loaded after it as the schedule file loads it.
struct LoadedVideo
{
    LoadedVideo(const QString &path, const QTime &stored)
    {
        Clock::install(nullptr);
        f.addGeneral("G");
        f.addProgram("P", General);
        window = f.addWindow("W", 1, 5);
        f.w->displayWindows.first()->show();
        f.tree->loadVideoObject(99, path, f.display, "G", "P", "W", 0, stored, false, QTime(), QTime(), 0, 0, true,
                                Qt::black, {}, 0, false, false, {}, 12, false, false, false, Qt::white, {}, 0, false, 0,
                                0, 0);
        video = window->media.last();
        window->media.move(window->media.size() - 1, 0); // the video plays first
    }
    PlayFixture f;
    CommonWinObject *window = nullptr;
    QVLedMediaObject *video = nullptr;
};

} // namespace

class VideoLengthTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_four;

private slots:
    void initTestCase()
    {
        VideoClips::prepareLibmpv();
        m_four = m_dir.filePath("four.avi");
        QVERIFY(VideoClips::make(m_four, "testsrc2=size=64x48:rate=10", 4));
    }

    void aStoredLengthRulesPlay()
    {
        LoadedVideo loaded(m_four, QTime(0, 0, 2));
        QTest::qWait(1500); // long enough for the look at the loaded file to hear its length
        QCOMPARE(loaded.video->video.duration, QTime(0, 0, 2));
        loaded.f.tree->slotStartPlay(loaded.f.display);
        CommonPlayWindow *area = loaded.f.area(loaded.window);
        QVERIFY(area->currentItem == loaded.video);
        QTRY_VERIFY_WITH_TIMEOUT(area->currentItem != loaded.video, 6000);
        PlayLog::flush();
        dataBaseConn log;
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        const QStringList row = log.queryLogs("four.avi", today, today).value(0);
        // Two seconds, not the file's four (a loaded machine may deliver the end late).
        QVERIFY2(row.value(1) == QLatin1String("2") || row.value(1) == QLatin1String("3"), qPrintable(row.join(' ')));
        QCOMPARE(loaded.video->video.duration, QTime(0, 0, 2));
    }

    void theEditorsPreviewStoresTheFilesLength()
    {
        LoadedVideo loaded(m_four, QTime(0, 0, 2));                // stored before the file was replaced
        loaded.f.area(loaded.window)->slotPlayVideo(loaded.video); // the editor shows the selected item
        QTRY_COMPARE_WITH_TIMEOUT(loaded.video->video.duration.second(), 4, 5000);
    }
};

QTEST_MAIN(VideoLengthTest)
#include "test_videolength.moc"

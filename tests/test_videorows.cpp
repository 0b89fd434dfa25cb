// Video rows against a real libmpv, built once per program's back end, with
// a sound device ("ao" "null") and without one (libmpv's own choice on a
// machine that has none): a clip added to a window is previewed and its
// length known, and so is the length of a clip in a schedule just opened.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/VideoPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/video/PlayLabel.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/TreeProbe.h"
#include "support/VideoClips.h"

#include <QTimeEdit>
#include <QtTest>

namespace {

const QString kWindow = QStringLiteral("General Segment1/Program1/Common Window1");

// How far a length may lie from the clip's: ffmpeg ends a track on a whole frame.
constexpr double kTolerance = 0.1;

double seconds(const QTime &time)
{
    return QTime(0, 0).msecsTo(time) / 1000.0;
}

CommonWinObject *firstWindow(Widget &w)
{
    return w.curProjectWidget->tree()->generalSegments.value(0)->programs.value(0)->windows.value(0);
}

// The operator's way: the window selected, then "Add Media" -> "File" with the clip.
QVLedMediaObject *addClip(Widget &w, ScriptedPrompts &prompts, const QString &clip)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    clickItem(tree, itemAt(tree, kWindow));
    prompts.fileNames = QStringList{clip};
    chooseFromMenu(prompts, tree, itemAt(tree, kWindow), tree->addFileAction);
    return firstWindow(w)->media.value(0);
}

} // namespace

class VideoRowsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    struct Clip
    {
        QString path;
        double length;
    };
    // The row's clip; players made from now on take the row's sound device.
    Clip rowClip() const
    {
        QFETCH(QString, clipName);
        QFETCH(double, length);
        QFETCH(QByteArray, audioOutput);
        VideoSettings::setOverride("ao", audioOutput);
        return {m_dir.filePath(clipName), length};
    }

    // Rows: each clip, with and without a sound device.
    static void clipRows()
    {
        QTest::addColumn<QString>("clipName");
        QTest::addColumn<double>("length");
        QTest::addColumn<QByteArray>("audioOutput"); // null: libmpv chooses, and finds no device here
        for (const QByteArray &ao : {QByteArray("null"), QByteArray()}) {
            const QByteArray device = ao.isNull() ? QByteArray("default ao") : QByteArray("ao null");
            QTest::newRow(("picture and sound, " + device).constData()) << "sound.avi" << 2.5 << ao;
            QTest::newRow(("picture only, " + device).constData()) << "silent.avi" << 3.2 << ao;
        }
    }

private slots:
    void initTestCase()
    {
        VideoClips::prepareLibmpv();
        QVERIFY(VideoClips::makeWithSound(m_dir.filePath("sound.avi"), "testsrc2=size=64x48:rate=10", 2.5));
        QVERIFY(VideoClips::make(m_dir.filePath("silent.avi"), "testsrc2=size=64x48:rate=10", 3.2));
    }

    void cleanup() { VideoSettings::setOverride("ao", "null"); }

    void anAddedClipIsPreviewedAndMeasured_data() { clipRows(); }

    void anAddedClipIsPreviewedAndMeasured()
    {
        const auto [clip, length] = rowClip();
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        w.show();
        QVLedMediaObject *item = addClip(w, prompts, clip);
        QVERIFY(item && item->video.path == clip);
        QCOMPARE(w.curMedia, item);
        QVERIFY(w.videoSetupLabel()->isVisible());

        // The preview plays it in its area of the display window.
        CommonPlayWindow *area = w.displayWindows.value(0)->playWindows.value(0);
        QVERIFY(area && area->isVisible());
        PlayLabel *player = area->videoPlayer();
        QVERIFY(player);
        QVERIFY(player->isVisible());
        QCOMPARE(player->openedPath(), clip);
        QTRY_VERIFY_WITH_TIMEOUT(player->propertyText("time-pos").toDouble() > 0.2, 10000);

        // Its length is known, in the item and in the panel.
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(seconds(item->video.duration) - length) <= kTolerance, 10000);
        QCOMPARE(w.videoSetupLabel()->durationEdit()->time(), item->video.duration);
    }

    void aLoadedClipIsMeasured_data() { clipRows(); }

    void aLoadedClipIsMeasured()
    {
        const auto [clip, length] = rowClip();
        TestEnvironment env;
        ScriptedPrompts prompts;
        const QString schedule = env.path("video.qvsc");
        {
            Widget author;
            QVLedMediaObject *item = addClip(author, prompts, clip);
            QVERIFY(item);
            item->video.duration = QTime(0, 0); // as a schedule written before its length was known
            QVERIFY(author.document->saveSchedule(schedule));
        }
        Widget w;
        w.show();
        prompts.fileName = schedule;
        w.slotOpenDoc();
        QVLedMediaObject *item = firstWindow(w)->media.value(0);
        QVERIFY(item && item->video.path == clip);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(seconds(item->video.duration) - length) <= kTolerance, 10000);
    }
};

QTEST_MAIN(VideoRowsTest)
#include "test_videorows.moc"

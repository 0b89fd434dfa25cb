// Streams in their area, on the recording video back end: opened at the
// item's volume, paused and resumed with the area, closed when the item ends
// and when the area stops; a stream that never opened ends after a second
// and is logged as failed; the panel's live volume reaching the stream of
// the current window's own area, and only the stored value while playing.

#include "panels/StreamingPanel.h"
#include "playback/content/StreamPlayer.h"
#include "support/FakeVideo.h"
#include "support/PlayFixture.h"

#include <QSlider>
#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");

FakeVideoEngine *streamEngine(const CommonPlayWindow *area)
{
    auto *player = qobject_cast<StreamPlayer *>(area->content().find(MediaFamily::Streaming));
    return player ? FakeVideoEngine::of(player->playLabel()) : nullptr;
}

void makeStream(QVLedMediaObject *item, const QString &address, int volume)
{
    item->kind = MediaKind::Streaming;
    item->streaming.address = address;
    item->streaming.volume = volume;
    item->streaming.timeLength = QTime(0, 0, 1);
}
} // namespace

class StreamPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void aStreamPlaysAtItsVolumeAndClosesWithItsItem()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 2);
        makeStream(window->media.value(0), "rtmp://127.0.0.1/live/hall", 40);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        FakeVideoEngine *engine = streamEngine(area);
        QVERIFY(engine);
        QCOMPARE(engine->calls, (QStringList{"open rtmp://127.0.0.1/live/hall", "volume 40", "contiue"}));
        QVERIFY(!engine->label->isHidden());

        area->pauseRealPlay();
        area->resumeRealPlay();
        QCOMPARE(engine->calls.mid(3), (QStringList{"pause", "contiue"}));

        QTRY_COMPARE_WITH_TIMEOUT(area->index, 1, 4000); // the stay time is over
        QCOMPARE(engine->calls.value(engine->calls.size() - 1), QString("close"));
        QVERIFY(engine->label->isHidden());

        // Shown again, then the area stops: the stream is closed, not left playing.
        engine->calls.clear();
        area->playNextElement();
        QCOMPARE(area->index, 0);
        QCOMPARE(engine->calls.value(0), QString("open rtmp://127.0.0.1/live/hall"));
        area->clearPlayList();
        QCOMPARE(engine->calls.value(engine->calls.size() - 1), QString("close"));
    }

    void aStreamThatNeverOpenedEndsAfterASecondAndIsLoggedAsFailed()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 3);
        makeStream(window->media.value(0), "http://127.0.0.1:1/refused", 40);
        makeStream(window->media.value(1), "http://127.0.0.1/hall", 40);
        window->media.value(0)->streaming.timeLength = window->media.value(1)->streaming.timeLength = QTime(0, 10, 0);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        FakeVideoEngine *engine = streamEngine(area);
        engine->fail();
        // Not ten minutes of an empty area: the next item comes after a second.
        f.clock.advanceMs(1000);
        QTRY_COMPARE_WITH_TIMEOUT(area->index, 1, 3000);
        f.clock.advanceMs(2000);
        area->playNextElement(); // the second one played
        QCOMPARE(area->index, 2);

        const QList<QStringList> rows = f.loggedRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.value(0).value(6), QString("failed"));
        QCOMPARE(rows.value(1).value(6), QString("success"));
    }

    void theLiveVolumeReachesTheCurrentWindowsOwnArea()
    {
        PlayFixture f;
        f.addGeneral("G");
        // Two programs whose windows have the same default name.
        f.addProgram("P1", General, 2);
        CommonWinObject *first = f.addWindow("Common Window1", 1);
        f.addProgram("P2", General, 2);
        CommonWinObject *second = f.addWindow("Common Window1", 1);
        makeStream(first->media.value(0), "http://127.0.0.1/one", 30);
        makeStream(second->media.value(0), "http://127.0.0.1/two", 30);
        CommonPlayWindow *firstArea = f.area(first);
        CommonPlayWindow *secondArea = f.area(second);
        firstArea->slotPlayStreaming(first->media.value(0));
        secondArea->slotPlayStreaming(second->media.value(0));
        f.w->curCommonWin = second;
        f.w->curMedia = second->media.value(0);
        f.w->slotAddStreamingObject(0, second->media.value(0));
        streamEngine(firstArea)->calls.clear();
        streamEngine(secondArea)->calls.clear();

        auto *volume = f.w->streamingSetupLabel()->findChild<QSlider *>("volume");
        volume->setValue(55);
        QCOMPARE(second->media.value(0)->streaming.volume, 55);
        QCOMPARE(streamEngine(secondArea)->calls, QStringList{"volume 55"}); // not restarted
        QVERIFY(streamEngine(firstArea)->calls.isEmpty());

        f.w->displayWindows.first()->playing = true;
        f.w->realPlayDisplayNames << f.display;
        volume->setValue(70);
        QCOMPARE(second->media.value(0)->streaming.volume, 70);
        QCOMPARE(streamEngine(secondArea)->calls, QStringList{"volume 55"});
        f.w->realPlayDisplayNames.clear();
        f.w->displayWindows.first()->playing = false;
    }
};

QTEST_MAIN(StreamPlayTest)
#include "test_streamplay.moc"

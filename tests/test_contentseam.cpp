// How an area plays its items through the content players: made on first
// use per family, reached by pause, resume, stop and layout, ending an item
// by their own report, and a player that cannot start failing its item only.

#include "playback/dataBaseConn.h"
#include "support/FakeContent.h"
#include "support/PlayFixture.h"

#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");

QList<MediaFamily> families(const QList<FakePlayer *> &players)
{
    QList<MediaFamily> list;
    for (const FakePlayer *player : players)
        list << player->family;
    return list;
}

QList<QStringList> todaysRows(const PlayFixture &f)
{
    PlayLog::flush();
    dataBaseConn log;
    const QString today = f.clock.currentDate().toString("yyyy-MM-dd");
    return log.queryLogs(QString(), today, today);
}
} // namespace

class ContentSeamTest : public QObject
{
    Q_OBJECT

private slots:
    void playersAreMadeOnFirstUseAndKept()
    {
        RecordingFactory factory;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *mixed = f.addWindow("Mixed", 3);
        mixed->media.value(1)->kind = MediaKind::SingleRowText;
        mixed->media.value(2)->kind = MediaKind::Image;
        CommonWinObject *texts = f.addWindow("Texts", 2);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *mixedArea = f.area(mixed);
        CommonPlayWindow *textArea = f.area(texts);

        QCOMPARE(families(factory.madeFor(mixedArea)), QList<MediaFamily>{MediaFamily::Text});
        mixedArea->playNextElement(); // another text kind: the same player shows it
        QCOMPARE(families(factory.madeFor(mixedArea)), QList<MediaFamily>{MediaFamily::Text});
        FakePlayer *text = factory.madeFor(mixedArea).value(0);
        QCOMPARE(text->calls.filter("show"), (QStringList{"show simpleText", "show singleRowText"}));
        mixedArea->playNextElement();
        QCOMPARE(families(factory.madeFor(mixedArea)), (QList<MediaFamily>{MediaFamily::Text, MediaFamily::Image}));

        textArea->playNextElement();
        textArea->playNextElement(); // its list ran out and starts again
        QCOMPARE(families(factory.madeFor(textArea)), QList<MediaFamily>{MediaFamily::Text});
        QCOMPARE(textArea->content().count(), 1);
    }

    void pauseResumeStopAndLayoutReachThePlayers()
    {
        RecordingFactory factory;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 2);
        window->media.value(1)->kind = MediaKind::Image;
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        area->playNextElement();
        FakePlayer *text = factory.madeFor(area).value(0);
        FakePlayer *image = factory.madeFor(area).value(1);
        QVERIFY(text && image);
        QCOMPARE(image->placedIn, QRect(0, 0, area->width(), area->height())); // placed as it was made
        QVERIFY(text->view()->isHidden() && !image->view()->isHidden());

        text->calls.clear();
        image->calls.clear();
        area->pauseRealPlay();
        area->resumeRealPlay();
        QCOMPARE(image->calls, (QStringList{"pause", "resume"}));
        QVERIFY(text->calls.isEmpty()); // an idle player is not woken

        window->borderWidth = 4;
        window->width = 200;
        window->height = 80;
        area->owner->updateWindowGeometry(window);
        for (FakePlayer *player : {text, image})
            QCOMPARE(player->placedIn, QRect(2, 2, 192, 72));
        QCOMPARE(image->view()->geometry(), QRect(2, 2, 192, 72));

        area->clearPlayList();
        QCOMPARE(text->calls.value(text->calls.size() - 1), QStringLiteral("stop"));
        QCOMPARE(image->calls.value(image->calls.size() - 1), QStringLiteral("stop"));
        QVERIFY(image->view()->isHidden());
        text->calls.clear();
        area->owner->stopAllWindows();
        QVERIFY(text->calls.contains("stop"));
    }

    void aPlayerThatTimesItselfEndsItsItem()
    {
        RecordingFactory factory;
        factory.selfTimed << MediaFamily::Text;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 3, 10);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        FakePlayer *player = factory.madeFor(area).value(0);
        QVERIFY(player);
        QVERIFY(!area->stayTimer()->isActive()); // the player, not the area, times the item
        const quint64 firstShowing = player->shownTicket;

        f.clock.advanceMs(2500);
        player->finish(false);
        QTRY_VERIFY(area->currentItem == window->media.value(1));

        // a late end of the first showing is dropped: no row, no skip
        player->finishLate(firstShowing, true);
        QCoreApplication::processEvents();
        QVERIFY(area->currentItem == window->media.value(1));
        QVERIFY(!area->stayTimer()->isActive());

        // an end reported while the area is paused waits for the resume
        f.clock.advanceMs(1000);
        area->pauseRealPlay();
        player->finish(true);
        QCoreApplication::processEvents();
        QVERIFY(area->currentItem == window->media.value(1));
        area->resumeRealPlay();
        QTRY_VERIFY(area->currentItem == window->media.value(2));

        // an item that ends at once still holds the area for a second, so a list that fails cannot spin
        player->finish(false);
        QVERIFY(area->currentItem == window->media.value(2));
        QVERIFY(area->stayTimer()->isActive());
        QCOMPARE(area->stayTimer()->interval(), 1000);

        const QList<QStringList> rows = todaysRows(f);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.value(0).value(1), QStringLiteral("2"));
        QCOMPARE(rows.value(0).value(6), QStringLiteral("failed"));
        QCOMPARE(rows.value(1).value(1), QStringLiteral("1"));
        QCOMPARE(rows.value(1).value(6), QStringLiteral("success"));
    }

    void aPlayerThatCannotStartFailsItsItemOnly()
    {
        RecordingFactory factory;
        factory.refused << MediaFamily::Video;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 2);
        QVLedMediaObject *video = window->media.value(0);
        video->kind = MediaKind::Video;
        video->video.path = "/clips/intro.mp4";
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("cannot show video item intro.mp4 .*could not create mpv context"));
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        QVERIFY(area->currentItem == video);
        QVERIFY(area->stayTimer()->isActive()); // it keeps its place, empty, for its stay time
        area->pauseRealPlay();
        area->resumeRealPlay();

        f.clock.advanceMs(3000);
        area->playNextElement(); // as the stay timer does
        QVERIFY(area->currentItem == window->media.value(1));
        QCOMPARE(families(factory.madeFor(area)), QList<MediaFamily>{MediaFamily::Text});
        const QList<QStringList> rows = todaysRows(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.value(0).value(0), QStringLiteral("intro.mp4"));
        QCOMPARE(rows.value(0).value(6), QStringLiteral("failed"));
    }

    void previewsShowInTheItemsAreaOnly()
    {
        RecordingFactory factory;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General);
        CommonWinObject *shown = f.addWindow("A", 1);
        CommonWinObject *other = f.addWindow("B", 1);
        QVLedMediaObject *item = shown->media.value(0);
        item->kind = MediaKind::Image;
        CommonPlayWindow *area = f.area(shown);
        area->owner->previewImage(item);

        FakePlayer *player = factory.madeFor(area).value(0);
        QVERIFY(player);
        QCOMPARE(player->calls, QStringList{"preview image"});
        QVERIFY(factory.madeFor(f.area(other)).isEmpty());
        player->finish(true); // a preview's end goes nowhere
        QVERIFY(!area->currentItem && !area->stayTimer()->isActive());
        QVERIFY(todaysRows(f).isEmpty());

        area->owner->stopAllWindows();
        QCOMPARE(player->calls.value(1), QStringLiteral("stop"));
        QVERIFY(player->view()->isHidden());
    }
};

QTEST_MAIN(ContentSeamTest)
#include "test_contentseam.moc"

#include "playback/dataBaseConn.h"
#include "support/FakeContent.h"
#include "support/PlayFixture.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(CommonWinObject *)

namespace {
const QString General = QStringLiteral("generalSegment");
}

class AreaPlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void aProgramEndsOnceItsLongestListHasPlayed()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2); // loop: the same program again after each pass
        CommonWinObject *shortList = f.addWindow("One", 1);
        CommonWinObject *longList = f.addWindow("Three", 3);
        f.addWindow("Empty", 0); // nothing to play: it never holds the program
        QSignalSpy programEnds(f.w.get(), &Widget::sigCurProgramRealPlayEnd);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *one = f.area(shortList);
        CommonPlayWindow *three = f.area(longList);

        one->playNextElement(); // the short list ends and starts again
        QCOMPARE(programEnds.count(), 0);
        QCOMPARE(one->index, 0);
        QVERIFY(one->currentItem);
        three->playNextElement();
        three->playNextElement();
        one->playNextElement();
        QCOMPARE(programEnds.count(), 0);
        three->playNextElement(); // the longest list is through
        QCOMPARE(programEnds.count(), 1);
        QCOMPARE(programEnds.first().at(0).toString(), f.display);
        // the program begins its next pass on every area that has something to play
        QVERIFY(one->currentItem && three->currentItem);
        QCOMPARE(three->index, 0);
        QVERIFY(!one->finished && !three->finished);
    }

    void pauseKeepsWhatWasShown()
    {
        RecordingFactory factory; // texts shown by a player the area's stay timer times
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General);
        CommonWinObject *window = f.addWindow("W", 1, 10);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        QCOMPARE(area->stayTimer()->interval(), 10000);
        f.clock.advanceMs(3400);
        area->pauseRealPlay();
        QVERIFY(!area->stayTimer()->isActive());
        f.clock.advanceMs(60000); // a long pause does not count
        area->resumeRealPlay();
        QVERIFY(area->stayTimer()->isActive());
        QCOMPARE(area->stayTimer()->interval(), 6600);

        // time that ran out during the pause ends the item at once, never with a negative wait
        f.clock.advanceMs(9000);
        area->pauseRealPlay();
        area->resumeRealPlay();
        QCOMPARE(area->stayTimer()->interval(), 1);

        area->pauseRealPlay();
        area->resumeRealPlay();
        area->resumeRealPlay(); // a resume without a pause changes nothing
        QCOMPARE(area->stayTimer()->interval(), 1);
    }

    void stayTimesByKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("ms");
        QTest::newRow("image seconds") << "image" << 7000;
        QTest::newRow("clock length") << "analogClock" << 65000;
        QTest::newRow("video range, both ends") << "video" << 11000;
        QTest::newRow("scrolling text duration") << "scrollingText" << 90000;
        QTest::newRow("nothing is never zero") << "streaming" << 1000;
    }

    void stayTimesByKind()
    {
        QFETCH(QString, kind);
        QFETCH(int, ms);
        QVLedMediaObject item;
        item.kind = kind;
        item.image.stayTime = 7;
        item.analogClock.playTime = QTime(0, 1, 5);
        item.video.rangeOn = true;
        item.video.startTime = QTime(0, 0, 10);
        item.video.endTime = QTime(0, 0, 20);
        item.text.playDuration = QTime(0, 1, 30);
        item.streaming.timeLength = QTime(0, 0, 0);
        QCOMPARE(CommonPlayWindow::stayMs(item), ms);
    }

    void everyFinishedItemIsLogged()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 2, 10);
        window->media.first()->kind = MediaKind::Image;
        window->media.first()->image.path = "/pictures/o'brien 100%.png";
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        f.clock.advanceMs(4250);
        area->playNextElement();
        f.clock.advanceMs(1000);
        area->playNextElement();
        QVERIFY(PlayLog::flush());
        dataBaseConn log;
        const QString today = f.clock.currentDate().toString("yyyy-MM-dd");
        const QList<QStringList> rows = log.queryLogs(QString(), today, today);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).value(0), QStringLiteral("o'brien 100%.png"));
        QCOMPARE(rows.at(0).value(1), QStringLiteral("4"));
        QCOMPARE(rows.at(0).value(4), QStringLiteral("10:00:00:000"));
        QCOMPARE(rows.at(0).value(5), QStringLiteral("10:00:04:250"));
        QCOMPARE(rows.at(1).value(0), QStringLiteral("Simple Text"));
        QCOMPARE(log.queryLogs(QStringLiteral("'brien 100%"), today, today).size(), 1);
    }
};

QTEST_MAIN(AreaPlayerTest)
#include "test_areaplayer.moc"

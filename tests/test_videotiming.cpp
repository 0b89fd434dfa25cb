// The rules of a video item as pure functions: how long its timer runs,
// where its file starts, how a reported length is stored, how the panel
// keeps its play range valid, and how many of libmpv's messages are logged.

#include "model/MediaProperties.h"
#include "model/VideoLength.h"
#include "panels/VideoPanel.h"
#include "panels/VideoRange.h"
#include "playback/content/VideoTiming.h"
#include "modules/mpv/MessageBudget.h"

#include <QtTest>

using VideoRange::Edited;

class VideoTimingTest : public QObject
{
    Q_OBJECT

private slots:
    void timerLength_data()
    {
        QTest::addColumn<bool>("rangeOn");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QTime>("duration");
        QTest::addColumn<qint64>("ms");
        QTest::newRow("range 70-80") << true << QTime(0, 1, 10) << QTime(0, 1, 20) << QTime(0, 5) << qint64(11000);
        QTest::newRow("10.150") << false << QTime(0, 1, 10) << QTime(0, 1, 20) << QTime(0, 0, 10, 150) << qint64(10000);
        QTest::newRow("10.900") << false << QTime() << QTime() << QTime(0, 0, 10, 900) << qint64(10700);
        QTest::newRow("never previewed") << false << QTime() << QTime() << QTime(0, 0) << qint64(-1);
        QTest::newRow("end before start") << true << QTime(0, 0, 9) << QTime(0, 0, 5) << QTime(0, 0) << qint64(1000);
    }
    void timerLength()
    {
        QFETCH(bool, rangeOn);
        VideoProperty video;
        video.rangeOn = rangeOn;
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QTime, duration);
        video.startTime = start;
        video.endTime = end;
        video.duration = duration;
        QTEST(VideoTiming::stayMs(video), "ms");
    }

    void reportedLengths()
    {
        QCOMPARE(VideoTiming::lengthMs(3.0), qint64(3000));
        QCOMPARE(VideoTiming::lengthMs(10.9), qint64(10700));
        QCOMPARE(VideoLength::asTime(83.5), QTime(0, 1, 23, 500));
        QCOMPARE(VideoLength::asTime(25 * 3600), QTime(23, 59, 59, 999));
        QCOMPARE(VideoLength::asTime(-1), QTime(0, 0));
    }

    // The range's start only while the range is on: a range switched off plays the whole file.
    void startPosition()
    {
        VideoProperty video;
        video.startTime = QTime(0, 1, 10);
        QCOMPARE(VideoTiming::startSeconds(video), 0);
        video.rangeOn = true;
        QCOMPARE(VideoTiming::startSeconds(video), 70);
    }

    void positionText()
    {
        QCOMPARE(VideoPanel::secondsToTimeText(9), QStringLiteral("00:00:09"));
        QCOMPARE(VideoPanel::secondsToTimeText(600), QStringLiteral("00:10:00"));
        QCOMPARE(VideoPanel::secondsToTimeText(3725), QStringLiteral("01:02:05"));
        QCOMPARE(VideoPanel::secondsToTimeText(36000), QStringLiteral("10:00:00"));
    }

    // Every edit settles at once to a valid range and nothing wraps past midnight.
    void rangeEditsSettle_data()
    {
        QTest::addColumn<int>("edited");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("end");
        QTest::addColumn<QTime>("length");
        QTest::addColumn<QTime>("wantStart");
        QTest::addColumn<QTime>("wantEnd");
        const QTime zero(0, 0);
        const int S = int(Edited::Start), E = int(Edited::End);
        QTest::newRow("valid start stays") << S << QTime(0, 0, 3) << QTime(0, 0, 6) << QTime(0, 0, 8) << QTime(0, 0, 3) << QTime(0, 0, 6);
        QTest::newRow("start at the end") << S << QTime(0, 0, 6) << QTime(0, 0, 6) << zero << QTime(0, 0, 5) << QTime(0, 0, 6);
        QTest::newRow("start past the length") << S << QTime(0, 0, 10) << QTime(0, 0, 5) << QTime(0, 0, 8) << QTime(0, 0, 4) << QTime(0, 0, 5);
        QTest::newRow("start with end 00:00:00") << S << zero << zero << zero << zero << QTime(0, 0, 1);
        QTest::newRow("start 23:59:59, end 00:00:00") << S << QTime(23, 59, 59) << zero << zero << QTime(23, 59, 58) << QTime(23, 59, 59);
        QTest::newRow("start past a known length, end 0") << S << QTime(0, 0, 10) << zero << QTime(0, 0, 8) << QTime(0, 0, 7) << QTime(0, 0, 8);
        QTest::newRow("end past the length") << E << QTime(0, 0, 2) << QTime(0, 0, 9) << QTime(0, 0, 8) << QTime(0, 0, 2) << QTime(0, 0, 8);
        QTest::newRow("end 00:00:00") << E << zero << zero << QTime(0, 0, 8) << zero << QTime(0, 0, 1);
        QTest::newRow("end before the start") << E << QTime(0, 0, 4) << QTime(0, 0, 2) << zero << QTime(0, 0, 4) << QTime(0, 0, 5);
        QTest::newRow("end, start past the length") << E << QTime(0, 0, 9) << QTime(0, 0, 3) << QTime(0, 0, 8) << QTime(0, 0, 7) << QTime(0, 0, 8);
        QTest::newRow("end 23:59:59 after start 23:59:59") << E << QTime(23, 59, 59) << QTime(23, 59, 59) << zero << QTime(23, 59, 58) << QTime(23, 59, 59);
    }
    void rangeEditsSettle()
    {
        QFETCH(int, edited);
        QFETCH(QTime, start);
        QFETCH(QTime, end);
        QFETCH(QTime, length);
        QFETCH(QTime, wantStart);
        QFETCH(QTime, wantEnd);
        const VideoRange::Range settled = VideoRange::settle({start, end}, length, Edited(edited));
        QCOMPARE(settled.start, wantStart);
        QCOMPARE(settled.end, wantEnd);
        // Settled means settled: a second pass changes nothing.
        QCOMPARE(VideoRange::settle(settled, length, Edited::Start), settled);
        QCOMPARE(VideoRange::settle(settled, length, Edited::End), settled);
    }

    void aFloodOfMessagesIsLoggedAFewAMinute()
    {
        MessageBudget budget(60);
        int admitted = 0, leftOut = 0, reported = 0;
        // A message every 40 ms (a broken frame at 25 frames a second) for three minutes.
        for (qint64 ms = 5000; ms < 5000 + 3 * 60000; ms += 40) {
            admitted += budget.admit(ms, &leftOut) ? 1 : 0;
            reported += leftOut;
            if (leftOut > 0)
                QCOMPARE(leftOut, 1500 - 60); // once, for the whole minute before
        }
        QCOMPARE(admitted, 3 * 60);
        QCOMPARE(reported, 2 * (1500 - 60)); // the third minute's are said with its successor's first message

        // A quiet source is never held back, and a minute without a flood reports nothing.
        MessageBudget quiet(60);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(quiet.admit(i * 7000, &leftOut));
            QCOMPARE(leftOut, 0);
        }
    }
};

QTEST_MAIN(VideoTimingTest)
#include "test_videotiming.moc"

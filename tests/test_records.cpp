#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordDisposal.h"
#include "model/ScheduleRecords.h"

#include <QtTest>

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void newSegmentsPlayAllDayOnEveryWeekday()
    {
        const QStringList everyDay{"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
        GeneralObject general;
        CycleObject cycle;
        QCOMPARE(general.weekdays, everyDay);
        QCOMPARE(cycle.weekdays, everyDay);
        QVERIFY(general.allTime && cycle.allTime);
        QVERIFY(!general.startTime.isValid() && !general.startDate.isValid());
        // membership is exact: another letter case is not the same day
        QVERIFY(!general.weekdays.contains(QStringLiteral("monday")));
    }

    void newTimePointHasNoTimeAndNoDay()
    {
        TimePoint point;
        QVERIFY(!point.time.isValid());
        QVERIFY(point.weekdays.isEmpty());
        QVERIFY(!point.specifiedDate);
    }

    void insertedSegmentsPlayOnePassOrFiveMinutes()
    {
        CycleObject cycle;
        TimingObject timing;
        QCOMPARE(cycle.intervalMinutes, 30);
        for (auto play : {std::make_tuple(cycle.playMode, cycle.playTimes, cycle.playMinutes, cycle.playSeconds),
                          std::make_tuple(timing.playMode, timing.playTimes, timing.playMinutes, timing.playSeconds)})
            QCOMPARE(play, std::make_tuple(1, 1, 5, 0));
    }

    void newProgramAndWindowDefaults()
    {
        ProgramObject program;
        QCOMPARE(program.playMode, 0);
        QCOMPARE(program.playTimes, 1);
        QCOMPARE(program.playLength, QTime(0, 6, 0));
        QCOMPARE(program.bgColour, QColor(0, 0, 0));
        QCOMPARE(program.displayType, 1);
        CommonWinObject window;
        QCOMPARE(window.borderColour, QColor(255, 0, 0));
        PlayWinObject display;
        QCOMPARE(QRect(display.x, display.y, display.width, display.height), QRect(0, 0, 200, 200));
        QCOMPARE(display.onTopMode, 1);
    }

    void newMediaItemCarriesEveryBlockAtItsDefaults()
    {
        QVLedMediaObject item;
        QCOMPARE(item.id, 0);
        QVERIFY(item.kind.isEmpty());
        // only video pictures are tiled by default
        QCOMPARE(item.video.bgImageStyle, 0);
        for (int style : {item.image.bgImageStyle, item.analogClock.bgImageStyle, item.digitalClock.bgImageStyle,
                          item.digitalTimer.bgImageStyle, item.text.bgImageStyle, item.videoDevice.bgImageStyle,
                          item.weather.bgImageStyle})
            QCOMPARE(style, 1);
        QCOMPARE(item.text.text, QStringLiteral("Hello"));
        QCOMPARE(item.analogClock.minuteScaleColour, QColor(30, 144, 255));
        QCOMPARE(item.videoDevice.timeLength, QTime(0, 10, 0));
        QCOMPARE(item.url.playTime, QTime(0, 0, 20));
        QCOMPARE(item.url.address.size(), 20);
        QVERIFY(item.streaming.address.startsWith(QStringLiteral("rtmp://")));
        QCOMPARE(item.streaming.address.size(), 39);
        QVERIFY(item.image.pixmap.isNull() && item.image.pages.isEmpty());
    }

    void kindStringsAreExactAndComplete()
    {
        const QStringList kinds = MediaKind::all();
        QCOMPARE(kinds.size(), 14);
        QCOMPARE(QSet<QString>(kinds.begin(), kinds.end()).size(), 14);
        QVERIFY(MediaKind::isKnown(QStringLiteral("URL")));
        QVERIFY(!MediaKind::isKnown(QStringLiteral("url")));
        QVERIFY(MediaKind::isText(QStringLiteral("txt")));
        QVERIFY(!MediaKind::isText(QStringLiteral("office")));
    }

    void disposalFreesWholeSubtreeAndEmptiesTheList()
    {
        // The sanitizer build reports anything left behind.
        QList<TimingObject *> segments;
        for (int s = 0; s < 2; ++s) {
            auto *segment = new TimingObject;
            segment->timePoints.append(new TimePoint);
            auto *program = new ProgramObject;
            auto *window = new CommonWinObject;
            window->media.append(new QVLedMediaObject);
            program->windows.append(window);
            segment->programs.append(program);
            segments.append(segment);
        }
        RecordDisposal::deleteAll(segments);
        QVERIFY(segments.isEmpty());
    }
};

QTEST_MAIN(RecordsTest)
#include "test_records.moc"

// The play plan's lines, as a table over the pure function: which segment
// lists a line on which day, the wording of its times, and how many days a
// range lists.

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/PlayPlan.h"

#include <QtTest>

namespace {

// 2024-03-04 is a Monday.
const QDate kMonday(2024, 3, 4);
const QDate kSunday(2024, 3, 10);

struct SegmentShape
{
    bool allTime = true;
    QTime start;
    QTime end;
    bool specifiedDate = false;
    QDate from;
    QDate to;
    QStringList weekdays = Weekday::allDays();
};

template <typename Segment>
void shape(Segment &segment, const QString &name, const SegmentShape &s)
{
    segment.name = name;
    segment.allTime = s.allTime;
    segment.startTime = s.start;
    segment.endTime = s.end;
    segment.specifiedDate = s.specifiedDate;
    segment.startDate = s.from;
    segment.endDate = s.to;
    segment.weekdays = s.weekdays;
}

SegmentShape hours(QTime start, QTime end)
{
    SegmentShape s;
    s.allTime = false;
    s.start = start;
    s.end = end;
    return s;
}

SegmentShape dated(QDate from, QDate to)
{
    SegmentShape s;
    s.specifiedDate = true;
    s.from = from;
    s.to = to;
    return s;
}

SegmentShape onDays(const QStringList &days)
{
    SegmentShape s;
    s.weekdays = days;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(SegmentShape)

class PlayPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void segmentLines_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<SegmentShape>("shape");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("line"); // empty: no line

        const QString general = QStringLiteral("general");
        const QString cycle = QStringLiteral("cycle");
        QTest::newRow("all day") << general << SegmentShape() << kMonday << "General Segment1 [0:00-Next Day0:00]";
        QTest::newRow("past midnight") << general << hours({22, 0}, {6, 0}) << kMonday
                                       << "General Segment1 [22:00-Next Day06:00]";
        QTest::newRow("equal times") << general << hours({8, 0}, {8, 0}) << kMonday << "General Segment1 [08:00-08:00]";
        QTest::newRow("within the day") << general << hours({8, 15}, {17, 45}) << kMonday
                                        << "General Segment1 [08:15-17:45]";
        QTest::newRow("not its weekday") << general << onDays({"Tuesday", "Sunday"}) << kMonday << "";
        QTest::newRow("its weekday") << general << onDays({"Tuesday", "Sunday"}) << kSunday
                                     << "General Segment1 [0:00-Next Day0:00]";
        QTest::newRow("no weekday at all") << general << onDays({}) << kMonday << "";
        QTest::newRow("before its dates") << general << dated(kMonday.addDays(1), kSunday) << kMonday << "";
        QTest::newRow("after its dates") << general << dated(kMonday.addDays(-7), kMonday.addDays(-1)) << kMonday << "";
        QTest::newRow("first day of its dates")
            << general << dated(kMonday, kSunday) << kMonday << "General Segment1 [0:00-Next Day0:00]";
        QTest::newRow("dates never set") << general << dated({}, {}) << kMonday << "";

        QTest::newRow("cycle with interval") << cycle << hours({22, 0}, {6, 0}) << kMonday
                                             << "Cycle Inserted Segment1 [22:00-Next Day06:00][Every 30Minutes]";
        QTest::newRow("cycle with dates: no interval")
            << cycle << dated(kMonday, kSunday) << kMonday << "Cycle Inserted Segment1 [0:00-Next Day0:00]";
        QTest::newRow("cycle outside its dates") << cycle << dated(kSunday, kSunday) << kMonday << "";
        QTest::newRow("cycle not its weekday") << cycle << onDays({"Friday"}) << kMonday << "";
    }

    void segmentLines()
    {
        QFETCH(QString, kind);
        QFETCH(SegmentShape, shape);
        QFETCH(QDate, day);
        QFETCH(QString, line);

        const QStringList expected = line.isEmpty() ? QStringList() : QStringList(line);
        if (kind == "general") {
            GeneralObject segment;
            ::shape(segment, "General Segment1", shape);
            QCOMPARE(PlayPlan::generalLines(day, &segment), expected);
            QCOMPARE(PlayPlan::linesOfDay(day, &segment, nullptr, nullptr), expected);
        } else {
            CycleObject segment;
            ::shape(segment, "Cycle Inserted Segment1", shape);
            QCOMPARE(PlayPlan::cycleLines(day, &segment), expected);
            QCOMPARE(PlayPlan::linesOfDay(day, nullptr, &segment, nullptr), expected);
        }
    }

    void timingLinesListEveryPointOnEveryDay()
    {
        TimingObject timing;
        timing.name = QStringLiteral("Timing Inserted Segment1");
        auto *dated = new TimePoint; // its own dates and days are not consulted
        dated->time = QTime(8, 30, 45);
        dated->specifiedDate = true;
        dated->startDate = kSunday;
        dated->endDate = kSunday;
        dated->weekdays = QStringList{"Sunday"};
        auto *evening = new TimePoint;
        evening->time = QTime(21, 5);
        timing.timePoints << dated << evening;
        const QStringList expected{"Timing Inserted Segment1 [08:30]", "Timing Inserted Segment1 [21:05]"};
        QCOMPARE(PlayPlan::timingLines(&timing), expected);

        // the order of a day: general, cycle, then the time points
        GeneralObject general;
        general.name = QStringLiteral("G");
        general.weekdays = Weekday::allDays();
        CycleObject cycle;
        cycle.name = QStringLiteral("C");
        cycle.intervalMinutes = 15;
        cycle.weekdays = Weekday::allDays();
        for (const QDate &day : {kMonday, kSunday, QDate(2025, 1, 1)}) {
            QCOMPARE(PlayPlan::linesOfDay(day, &general, &cycle, &timing),
                     QStringList({"G [0:00-Next Day0:00]", "C [0:00-Next Day0:00][Every 15Minutes]"}) + expected);
        }

        // nothing to list
        QVERIFY(PlayPlan::linesOfDay(kMonday, nullptr, nullptr, nullptr).isEmpty());
        TimingObject empty;
        QVERIFY(PlayPlan::timingLines(&empty).isEmpty());
        qDeleteAll(timing.timePoints);
    }

    void dayCount_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("days");

        QTest::newRow("to before from") << kSunday << kMonday << 0;
        QTest::newRow("equal dates") << kMonday << kMonday << 1;
        QTest::newRow("a week") << kMonday << kSunday << 7;
        QTest::newRow("a leap year") << QDate(2024, 1, 1) << QDate(2024, 12, 31) << 366;
        QTest::newRow("a year and a day more") << QDate(2024, 1, 1) << QDate(2025, 1, 1) << 366;
        QTest::newRow("a mistyped year") << QDate(2024, 1, 1) << QDate(9024, 1, 1) << 366;
        QTest::newRow("invalid date") << QDate() << kMonday << 0;
    }

    void dayCount()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, days);
        QCOMPARE(PlayPlan::dayCount(from, to), days);
    }
};

QTEST_MAIN(PlayPlanTest)
#include "test_playplan.moc"

// A month of unattended play in simulated time: every kind of segment,
// thirty midnights, and nothing that piles up.

#include "support/GeneratedSchedules.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedTime.h"
#include "support/TestEnvironment.h"

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "playback/PlayLog.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <map>

namespace {

ManualClock &simulatedClock()
{
    // Sunday, 29 November 2026, half a minute after midnight: by the second
    // day both the weekend's and the weekdays' segment have played.
    static ManualClock clock(QDateTime(QDate(2026, 11, 29), QTime(0, 0, 30)));
    return clock;
}

SimulatedEventDispatcher *dispatcher = nullptr;

const QDate kFirstDay(2026, 11, 29);
const QDate kLastDay = kFirstDay.addDays(30);

ProgramObject *addProgram(QList<ProgramObject *> &programs, const QString &segment, const QString &displayName,
                          const QString &segmentType, const QList<int> &staySeconds, int playMode = 0)
{
    auto *program = new ProgramObject;
    program->name = segment + QStringLiteral("-program");
    program->segmentName = segment;
    program->displayName = displayName;
    program->playMode = playMode;
    auto *window = new CommonWinObject;
    window->name = QStringLiteral("Area");
    window->programName = program->name;
    window->segmentName = segment;
    window->displayName = displayName;
    window->segmentType = segmentType;
    window->width = 160;
    window->height = 90;
    int id = 0;
    for (int stay : staySeconds) {
        auto *item = new QVLedMediaObject;
        item->kind = MediaKind::SimpleText;
        item->id = ++id;
        item->text.stayTime = stay;
        item->displayName = displayName;
        item->segmentName = segment;
        item->programName = program->name;
        item->windowName = window->name;
        window->media << item;
    }
    program->windows << window;
    programs << program;
    return program;
}

GeneralObject *general(const QString &name, const QString &displayName, const QStringList &weekdays)
{
    auto *segment = new GeneralObject;
    segment->name = name;
    segment->displayName = displayName;
    segment->specifiedDate = true;
    segment->startDate = kFirstDay;
    segment->endDate = kLastDay;
    segment->weekdays = weekdays;
    return segment;
}

CycleObject *cycle(const QString &name, const QString &displayName, int intervalMinutes, int playMode)
{
    auto *segment = new CycleObject;
    segment->name = name;
    segment->displayName = displayName;
    segment->intervalMinutes = intervalMinutes;
    segment->playMode = playMode;
    segment->playMinutes = 1;
    segment->playSeconds = 0;
    segment->weekdays = Weekday::allDays();
    return segment;
}

// Display window "A": weekday and weekend segments, a cycle insertion by
// passes every 7 minutes and time points at midnight, noon and 23:59:59.
// Display window "B": one general segment and a cycle insertion of one
// minute every 11 minutes.
std::unique_ptr<OwnedSchedule> monthSchedule()
{
    auto owned = std::make_unique<OwnedSchedule>();
    Schedule &schedule = owned->schedule();
    schedule.displayWindowCounter = 2;
    for (const QString &name : {QStringLiteral("A"), QStringLiteral("B")}) {
        DisplayWindowSchedule displayWindow;
        displayWindow.window = new PlayWinObject;
        displayWindow.window->name = name;
        displayWindow.window->width = 320;
        displayWindow.window->height = 180;
        schedule.displayWindows << displayWindow;
    }
    DisplayWindowSchedule &a = schedule.displayWindows.first();
    GeneralObject *weekdays = general("Weekdays", "A", Weekday::allDays().mid(0, 5));
    addProgram(weekdays->programs, "Weekdays", "A", SegmentType::General, {30, 30}, 2);
    GeneralObject *weekend = general("Weekend", "A", Weekday::allDays().mid(5, 2));
    addProgram(weekend->programs, "Weekend", "A", SegmentType::General, {45}, 2);
    a.generalSegments << weekdays << weekend;
    CycleObject *passes = cycle("EverySeven", "A", 7, 1);
    addProgram(passes->programs, "EverySeven", "A", SegmentType::Cycle, {5});
    a.cycleSegments << passes;
    auto *timing = new TimingObject;
    timing->name = QStringLiteral("Points");
    timing->displayName = QStringLiteral("A");
    timing->playMode = 0;
    timing->playMinutes = 0;
    timing->playSeconds = 10;
    for (const QTime &time : {QTime(0, 0, 0), QTime(12, 0, 0), QTime(23, 59, 59)}) {
        auto *point = new TimePoint;
        point->time = time;
        point->weekdays = Weekday::allDays();
        timing->timePoints << point;
    }
    addProgram(timing->programs, "Points", "A", SegmentType::Timing, {4});
    a.timingSegments << timing;

    DisplayWindowSchedule &b = schedule.displayWindows.last();
    GeneralObject *always = general("Always", "B", Weekday::allDays());
    addProgram(always->programs, "Always", "B", SegmentType::General, {60}, 2);
    b.generalSegments << always;
    CycleObject *length = cycle("EveryEleven", "B", 11, 0);
    addProgram(length->programs, "EveryEleven", "B", SegmentType::Cycle, {20});
    b.cycleSegments << length;
    return owned;
}

ProjectTree *treeOf(Widget &w, const QString &name)
{
    ProjectWidget *panel = w.projectWidgets.value(name);
    return panel ? panel->tree() : nullptr;
}

struct Insertion
{
    QDateTime at;
    int mode; // 1 cycle, 2 timing
};

} // namespace

class MonthTest : public QObject
{
    Q_OBJECT

private slots:
    void aMonthOfPlayRunsLikeItsFirstDay()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        ManualClock &clock = simulatedClock();
        Clock::install(&clock);
        PlayLog::setDatabasePath(env.path("log.db"));
        {
            Widget w;
            const QString path = env.path("month.qvsc");
            QVERIFY(GeneratedSchedules::save(*monthSchedule(), path));
            QVERIFY2(w.document->loadSchedule(path), qPrintable(w.document->errorString()));
            ProjectTree *a = treeOf(w, "A");
            ProjectTree *b = treeOf(w, "B");
            QVERIFY(a && b);

            std::map<ProjectTree *, QList<Insertion>> insertions;
            std::map<ProjectTree *, int> modes{{a, a->insertedPlayMode}, {b, b->insertedPlayMode}};
            std::map<ProjectTree *, QList<QDateTime>> restarts;
            for (ProjectTree *tree : {a, b})
                connect(tree->restartTimer, &QTimer::timeout, this,
                        [&restarts, tree, &clock] { restarts[tree] << clock.now(); });
            const auto watch = [&] {
                for (ProjectTree *tree : {a, b}) {
                    const int mode = tree->insertedPlayMode;
                    // A new insertion: the mode moves to it, or a time point takes over from a cycle.
                    if ((mode == 1 || mode == 2) && modes[tree] != mode)
                        insertions[tree] << Insertion{clock.now(), mode};
                    modes[tree] = mode;
                }
            };

            for (ProjectTree *tree : {a, b})
                tree->slotStartPlay(tree->displayName);
            QVERIFY(a->playing && b->playing);

            QElapsedTimer realTime;
            realTime.start();
            int objectsOnDay2 = 0, timersOnDay2 = 0;
            for (QDate day = kFirstDay; day < kLastDay; day = day.addDays(1)) {
                const QDateTime afternoon(day, QTime(12, 30));
                dispatcher->runUntil(afternoon, watch);
                // The segment of the day's weekday plays, as on the first day.
                const bool weekend = day.dayOfWeek() >= 6;
                QVERIFY(a->currentGeneralSegment);
                QCOMPARE(a->currentGeneralSegment->name,
                         weekend ? QStringLiteral("Weekend") : QStringLiteral("Weekdays"));
                QVERIFY(a->playing && b->playing);
                PlayLog::flush(60000);
                if (day == kFirstDay.addDays(1)) {
                    objectsOnDay2 = LiveObjects::count();
                    timersOnDay2 = dispatcher->timerCount();
                }
                if (day == kLastDay.addDays(-1)) {
                    QCOMPARE(LiveObjects::count(), objectsOnDay2);
                    QCOMPARE(dispatcher->timerCount(), timersOnDay2);
                }
            }
            dispatcher->runUntil(QDateTime(kLastDay, QTime(0, 0, 30)), watch);
            qInfo("30 days played in %.1f s", realTime.elapsed() / 1000.0);

            // Midnight restarts play once a day, on both display windows.
            for (ProjectTree *tree : {a, b}) {
                QCOMPARE(restarts[tree].size(), 30);
                for (int i = 0; i < restarts[tree].size(); ++i)
                    QCOMPARE(restarts[tree].at(i), QDateTime(kFirstDay.addDays(i + 1), QTime(0, 0, 2)));
            }

            // Every time point once a day: midnight right after the restart, noon, and 23:59:59.
            QMap<QDateTime, int> timingStarts;
            for (const Insertion &insertion : insertions[a])
                if (insertion.mode == 2)
                    ++timingStarts[insertion.at];
            QList<QDateTime> expectedTiming;
            for (QDate day = kFirstDay; day <= kLastDay; day = day.addDays(1)) {
                if (day != kFirstDay)
                    expectedTiming << QDateTime(day, QTime(0, 0, 3));
                if (day != kLastDay)
                    expectedTiming << QDateTime(day, QTime(12, 0, 0)) << QDateTime(day, QTime(23, 59, 59));
            }
            const auto missing = [](const QList<QDateTime> &from, const QList<QDateTime> &in) {
                QStringList text;
                for (const QDateTime &at : from)
                    if (!in.contains(at))
                        text << at.toString(Qt::ISODate);
                return text.join(' ');
            };
            QVERIFY2(timingStarts.keys() == expectedTiming,
                     qPrintable("missing: " + missing(expectedTiming, timingStarts.keys())
                                + "; unexpected: " + missing(timingStarts.keys(), expectedTiming)));
            for (int count : timingStarts)
                QCOMPARE(count, 1);

            // Each cycle insertion at its interval from the day's start of play.
            const auto checkCycles = [&](ProjectTree *tree, int intervalSeconds) {
                QMap<QDate, QList<QDateTime>> byDay;
                for (const Insertion &insertion : insertions[tree])
                    if (insertion.mode == 1)
                        byDay[insertion.at.date()] << insertion.at;
                for (QDate day = kFirstDay.addDays(1); day < kLastDay; day = day.addDays(1)) {
                    const QList<QDateTime> starts = byDay.value(day);
                    QCOMPARE(starts.size(), (86400 - 2) / intervalSeconds);
                    QDateTime expected(day, QTime(0, 0, 2));
                    for (const QDateTime &start : starts)
                        QCOMPARE(start, expected = expected.addSecs(intervalSeconds));
                }
            };
            checkCycles(a, 7 * 60);
            checkCycles(b, 11 * 60);

            for (ProjectTree *tree : {a, b})
                tree->slotStopPlay(tree->displayName);
            QVERIFY(PlayLog::flush(60000));
            QCOMPARE(PlayLog::droppedRows(), quint64(0));
        }
        Clock::install(nullptr);
    }
};

int main(int argc, char *argv[])
{
    // No summer time, and the C library never looks for the zone file again.
    qputenv("TZ", "UTC");
    LiveObjects::install();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    dispatcher = new SimulatedEventDispatcher(simulatedClock());
    QCoreApplication::setEventDispatcher(dispatcher);
    QApplication app(argc, argv);
    MonthTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_month.moc"

// General play always comes back: two general programs with a timing or a
// cycle insertion, a segment whose time window comes after an insertion,
// and pauses that outlast a program's length or an insertion's duration.
// Each case plays on the fake clock with the play invariants watched
// (support/PlayWatch.h) and says, second by second, which programs show.

#include "support/ScheduleSimulation.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QtTest>

#include <functional>

namespace {

ManualClock &simulatedClock()
{
    static ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC));
    return clock;
}

SimulatedEventDispatcher *dispatcher = nullptr;

const QDateTime kStart(QDate(2026, 12, 7), QTime(10, 0), Qt::UTC); // a Monday

struct Scenario
{
    const char *name;
    std::function<void(ScheduleBuilder &)> build;
    QList<PlayCommand> commands;      // on the one display window, "D"
    QList<QPair<int, QString>> shows; // second -> "segment/program" shown then ("" for nothing)
};

QTime at(int seconds)
{
    return kStart.time().addSecs(seconds);
}

// Two general programs of one pass each, pictures of 2 and 3 seconds: P1
// plays 5 s, P2 3 s, and so on.
void twoPrograms(ScheduleBuilder &b)
{
    b.addDisplayWindow("D", 64, 36);
    b.addGeneral("G");
    b.addProgram("P1", 0, 1);
    b.addWindow("W", {2, 3});
    b.addProgram("P2", 0, 1);
    b.addWindow("W", {3});
}

const QList<Scenario> &scenarios()
{
    static const QList<Scenario> list = {
        {"a timing insertion during P1, then P2's turn",
         [](ScheduleBuilder &b) {
             twoPrograms(b);
             b.addTiming("T", 1);
             b.addTimePoint(at(3));
             b.addProgram("TP");
             b.addWindow("W", {2});
         },
         {},
         // P1 0-3, the insertion 3-5, P1's last second 5-7, P2 7-10, P1 10-15, P2 15-18.
         {{1, "G/P1"}, {4, "T/TP"}, {6, "G/P1"}, {8, "G/P2"}, {9, "G/P2"}, {11, "G/P1"}, {16, "G/P2"}}},
        {"a cycle insertion every minute, then P2's turn",
         [](ScheduleBuilder &b) {
             twoPrograms(b);
             b.addCycle("C", 1, 1);
             b.addProgram("CP");
             b.addWindow("W", {2});
         },
         {},
         // P1 and P2 take turns every 8 s: at 60 P1 shows its second picture.
         {{59, "G/P1"},
          {61, "C/CP"},
          {62, "G/P1"},
          {64, "G/P2"},
          {67, "G/P1"},
          {121, "C/CP"},
          {125, "G/P1"},
          {181, "C/CP"},
          {184, "G/P1"}}},
        {"a segment whose time window comes after a timing insertion",
         [](ScheduleBuilder &b) {
             b.addDisplayWindow("D", 64, 36);
             b.addGeneral("G1");
             b.addProgram("P", 2);
             b.addWindow("W", {2, 3});
             WhenValid later;
             later.allTime = false;
             later.startTime = at(30);
             later.endTime = at(60);
             b.addGeneral("G2", later);
             b.addProgram("Q", 2);
             b.addWindow("W", {3});
             b.addTiming("T", 1);
             b.addTimePoint(at(10));
             b.addProgram("TP");
             b.addWindow("W", {2});
         },
         {},
         {{5, "G1/P"}, {11, "T/TP"}, {15, "G1/P"}, {29, "G1/P"}, {31, "G2/Q"}, {50, "G2/Q"}, {62, "G1/P"}}},
        {"a pause that outlasts a program's length",
         [](ScheduleBuilder &b) {
             b.addDisplayWindow("D", 64, 36);
             b.addGeneral("G");
             b.addProgram("P1", 1, 1, QTime(0, 0, 10));
             b.addWindow("W", {3, 3});
             b.addProgram("P2", 0, 1);
             b.addWindow("W", {2});
         },
         {{4, 0, PlayCommand::Pause}, {24, 0, PlayCommand::Play}},
         // P1 has shown 4 of its 10 s at the pause: 6 s more after it.
         {{3, "G/P1"}, {10, "G/P1"}, {23, "G/P1"}, {29, "G/P1"}, {31, "G/P2"}, {33, "G/P1"}}},
        {"a pause during an insertion of ten seconds",
         [](ScheduleBuilder &b) {
             b.addDisplayWindow("D", 64, 36);
             b.addGeneral("G");
             b.addProgram("P", 2);
             b.addWindow("W", {2});
             b.addTiming("T", 0, 0, 10);
             b.addTimePoint(at(5));
             b.addProgram("TP");
             b.addWindow("W", {3});
         },
         {{8, 0, PlayCommand::Pause}, {20, 0, PlayCommand::Play}},
         // 3 of its 10 s before the pause, 7 after it.
         {{6, "T/TP"}, {19, "T/TP"}, {26, "T/TP"}, {28, "G/P"}}},
        {"a length that runs out during an insertion",
         [](ScheduleBuilder &b) {
             b.addDisplayWindow("D", 64, 36);
             b.addGeneral("G");
             b.addProgram("P1", 1, 1, QTime(0, 0, 8));
             b.addWindow("W", {2});
             b.addProgram("P2", 2);
             b.addWindow("W", {3});
             b.addTiming("T", 0, 0, 20);
             b.addTimePoint(at(4));
             b.addProgram("TP");
             b.addWindow("W", {5});
         },
         {},
         // The insertion holds P1's length: 4 s before it, 4 s after it.
         {{3, "G/P1"}, {10, "T/TP"}, {25, "G/P1"}, {27, "G/P1"}, {29, "G/P2"}}},
    };
    return list;
}

QString shownPrograms(Widget &w)
{
    QStringList shown;
    for (MainPlayBKLabel *window : qAsConst(w.displayWindows))
        for (CommonPlayWindow *area : window->playWindows)
            if (!area->isHidden() && area->currentItem)
                shown << area->winObject->segmentName + "/" + area->winObject->programName;
    shown.removeDuplicates();
    shown.sort();
    return shown.join(' ');
}

// With the program's own picture player, what the display window shows: the
// centre of every area shown carries its picture's colour, not black.
QString blankAreas(Widget &w)
{
    QStringList blank;
    for (MainPlayBKLabel *window : qAsConst(w.displayWindows)) {
        const QImage screen = window->grab().toImage();
        for (CommonPlayWindow *area : window->playWindows) {
            if (area->isHidden() || !area->currentItem)
                continue;
            const QColor seen = screen.pixelColor(area->geometry().center());
            const QColor picture = ScheduleBuilder::pictureColour(area->currentItem->id);
            if (qAbs(seen.red() - picture.red()) + qAbs(seen.green() - picture.green())
                    + qAbs(seen.blue() - picture.blue())
                > 24)
                blank << area->winObject->programName + "/" + area->winObject->name + " shows " + seen.name();
        }
    }
    return blank.join(", ");
}

} // namespace

class GeneralPlayTest : public QObject
{
    Q_OBJECT

private slots:
    void comesBack_data()
    {
        QTest::addColumn<int>("index");
        // Light players that end their pictures, light ones the area's stay
        // timer ends, or the program's own picture player on a painted screen.
        QTest::addColumn<QString>("players");
        for (int i = 0; i < scenarios().size(); ++i) {
            for (const char *players : {"timed by the player", "timed by the area", "real pictures"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(scenarios().at(i).name, players)))
                    << i << QString(players);
        }
    }

    void comesBack()
    {
        QFETCH(int, index);
        QFETCH(QString, players);
        const Scenario &scenario = scenarios().at(index);
        const bool real = players == QLatin1String("real pictures");
        TestEnvironment env;
        ScriptedPrompts prompts;
        SimulatedCase c;
        c.seed
            = quint64(2 * index + (players == QLatin1String("timed by the area") ? 1 : 0)); // light players: its parity
        c.start = kStart;
        c.displayNames = QStringList{"D"};
        c.schedule = std::make_unique<ScheduleBuilder>(env.path(QString()));
        scenario.build(*c.schedule);
        c.commands = scenario.commands;
        c.seconds = scenario.shows.last().first + 1;

        QStringList wrong;
        ScheduleSimulation simulation(*dispatcher, simulatedClock(), env.path(QString()),
                                      real ? ScheduleSimulation::Content::Real : ScheduleSimulation::Content::Light);
        const ScheduleSimulation::Outcome outcome = simulation.run(c, [&](qint64 second, Widget &w) {
            for (const auto &expected : scenario.shows) {
                if (expected.first != second)
                    continue;
                if (shownPrograms(w) != expected.second)
                    wrong << QStringLiteral("at %1 s: [%2] instead of [%3]")
                                 .arg(second)
                                 .arg(shownPrograms(w), expected.second);
                else if (real && !blankAreas(w).isEmpty())
                    wrong << QStringLiteral("at %1 s: %2").arg(second).arg(blankAreas(w));
            }
        });
        Clock::install(nullptr);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
        QVERIFY2(outcome.violations.isEmpty(), qPrintable(outcome.violations.join('\n')));
        QVERIFY(outcome.figures.rows > 0);
    }
};

int main(int argc, char *argv[])
{
    dispatcher = installSimulatedTime(simulatedClock());
    QApplication app(argc, argv);
    GeneralPlayTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_generalplay.moc"

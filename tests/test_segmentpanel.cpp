// The segment panel built alone against a fake main window: filling writes
// nothing, the dates, days and times of day of both kinds of segment, a
// cycle segment's play property, the name rule, and the calendar pop-up.

#include "base/Clock.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/SegmentPanel.h"
#include "panels/controls/CalendarPopup.h"
#include "panels/controls/DateRangeRow.h"
#include "panels/controls/DayBoxes.h"
#include "support/FakePanelHost.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(GeneralObject *)
Q_DECLARE_METATYPE(CycleObject *)

namespace {

const QDate kMarch1(2024, 3, 1);
const QDate kMarch10(2024, 3, 10);
const QDate kMarch15(2024, 3, 15);

// The panel, its fake main window and the spies on its two reports.
struct Rig
{
    FakePanelHost host;
    CalendarPopup calendar{&host.window};
    SegmentPanel panel{host, &host.window, &calendar};
    QSignalSpy general{&panel, &SegmentPanel::sigSegmentChanged};
    QSignalSpy cycle{&panel, &SegmentPanel::sigCycleSegmentChanged};

    Rig() { panel.trUpdate(); }
    int reports() const { return general.size() + cycle.size(); }
};

template <typename Segment>
void setShared(Segment &s, const QString &name, bool specified, QDate start, QDate end, QStringList days, bool allTime,
               QTime from, QTime to)
{
    s.name = name;
    s.specifiedDate = specified;
    s.startDate = start;
    s.endDate = end;
    s.weekdays = days;
    s.allTime = allTime;
    s.startTime = from;
    s.endTime = to;
}

template <typename Segment>
QVariantList sharedFields(const Segment &s)
{
    return {s.name, s.specifiedDate, s.startDate, s.endDate, s.weekdays, s.allTime, s.startTime, s.endTime};
}

QVariantList fieldsOf(const GeneralObject &s)
{
    return sharedFields(s);
}

QVariantList fieldsOf(const CycleObject &s)
{
    return sharedFields(s) + QVariantList{s.intervalMinutes, s.playMode, s.playMinutes, s.playSeconds, s.playTimes};
}

} // namespace

class SegmentPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GeneralObject *>();
        qRegisterMetaType<CycleObject *>();
    }

    void fillingWritesNothing()
    {
        Rig rig;
        // awkward values everywhere: none may come back from the controls
        GeneralObject general;
        setShared(general, QString(), true, QDate(), kMarch10, {"Sunday", "Monday"}, false, QTime(23, 0), QTime(1, 0));
        CycleObject five;
        setShared(five, "Cycle5", false, kMarch1, kMarch15, Weekday::allDays(), true, {}, {});
        five.playMode = 0;
        five.playSeconds = 5;
        CycleObject zero;
        setShared(zero, "Cycle0", true, kMarch15, kMarch1, {"Friday"}, false, {}, QTime(6, 0));
        zero.playMode = 1;
        zero.playSeconds = 0;        // the seconds box starts at 1
        zero.intervalMinutes = 9000; // beyond the interval box
        CycleObject strange;
        setShared(strange, "Cycle7", false, {}, {},
                  {"Monday", "Monday", "Tuesday", "Friday", "Sunday", "Saturday", "Thursday"}, true, {}, {});
        strange.playMode = 7; // neither radio

        const QVariantList generalBefore = fieldsOf(general);
        const QVariantList fiveBefore = fieldsOf(five);
        const QVariantList zeroBefore = fieldsOf(zero);
        const QVariantList strangeBefore = fieldsOf(strange);

        rig.host.generalSegment = &general;
        rig.panel.fillGeneral(&general);
        QVERIFY(rig.panel.playGroup()->isHidden());
        QVERIFY(rig.panel.dateRange()->fromEdit()->isEnabled());
        QVERIFY(rig.panel.fromTimeEdit()->isEnabled());
        QVERIFY(!rig.panel.allWeekBox()->isChecked());
        QCOMPARE(rig.panel.dayBoxes()->checkedDays(), QStringList({"Monday", "Sunday"}));

        rig.host.generalSegment = nullptr;
        rig.host.cycleSegment = &five;
        rig.panel.fillCycle(&five);
        QVERIFY(!rig.panel.playGroup()->isHidden());
        QVERIFY(rig.panel.playLengthRadio()->isChecked());
        rig.host.cycleSegment = &zero;
        rig.panel.fillCycle(&zero);
        QCOMPARE(rig.panel.secondsSpin()->value(), 1);
        QVERIFY(rig.panel.playCountRadio()->isChecked());
        QVERIFY(rig.panel.timesSpin()->isEnabled());
        QVERIFY(!rig.panel.secondsSpin()->isEnabled());
        rig.host.cycleSegment = &strange;
        rig.panel.fillCycle(&strange);
        QVERIFY(!rig.panel.playLengthRadio()->isChecked() && !rig.panel.playCountRadio()->isChecked());
        QVERIFY(rig.panel.allWeekBox()->isChecked()); // seven entries, whatever they are
        QCOMPARE(rig.panel.dayBoxes()->checkedDays(), Weekday::allDays());

        QCOMPARE(fieldsOf(general), generalBefore);
        QCOMPARE(fieldsOf(five), fiveBefore);
        QCOMPARE(fieldsOf(zero), zeroBefore);
        QCOMPARE(fieldsOf(strange), strangeBefore);
        QCOMPARE(rig.reports(), 0);

        // a retranslation writes nothing either
        rig.panel.trUpdate();
        QCOMPARE(fieldsOf(strange), strangeBefore);
        QCOMPARE(rig.reports(), 0);
    }

    void datesAndDays_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("specified");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("end");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<int>("reports");

        const QStringList monFri{"Monday", "Friday"};
        for (const QString kind : {"general", "cycle"}) {
            auto row = [&](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(kind + ": " + name)) << kind;
            };
            // start: 03-01 .. 03-10, dates specified, Monday and Friday
            row("from-date after the to-date") << "from 15" << true << kMarch15 << kMarch15 << monFri << 1;
            row("to-date before the from-date")
                << "to 02-20" << true << QDate(2024, 2, 20) << QDate(2024, 2, 20) << monFri << 1;
            row("to-date after the from-date") << "to 15" << true << kMarch1 << kMarch15 << monFri << 1;
            row("other edit shows the date already")
                << "null end, from 15" << true << kMarch15 << kMarch15 << monFri << 1;
            row("specified date on, null start") << "null start, on" << true << kMarch1 << kMarch15 << monFri << 1;
            row("specified date on, start kept") << "on" << true << kMarch1 << kMarch10 << monFri << 1;
            row("specified date off") << "off" << false << kMarch1 << kMarch10 << monFri << 0;
            row("unchecking a day") << "uncheck Friday" << true << kMarch1 << kMarch10 << QStringList{"Monday"} << 1;
            row("checking a day") << "check Sunday" << true << kMarch1 << kMarch10
                                  << QStringList{"Monday", "Friday", "Sunday"} << 1;
            row("All adds each day once")
                << "All" << true << kMarch1 << kMarch10
                << QStringList{"Monday", "Friday", "Tuesday", "Wednesday", "Thursday", "Saturday", "Sunday"} << 5;
        }
    }

    void datesAndDays()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        Rig rig;
        GeneralObject general;
        CycleObject cycle;
        const QStringList monFri{"Monday", "Friday"};
        setShared(general, "G", true, kMarch1, kMarch10, monFri, true, {}, {});
        setShared(cycle, "C", true, kMarch1, kMarch10, monFri, true, {}, {});
        if (action == "null end, from 15") {
            // the to-date edit shows the 15th from a segment shown before; this one has no end yet
            general.endDate = cycle.endDate = kMarch15;
            kind == "general" ? rig.panel.fillGeneral(&general) : rig.panel.fillCycle(&cycle);
            general.endDate = cycle.endDate = QDate();
        }
        if (action == "null start, on" || action == "on") {
            general.specifiedDate = cycle.specifiedDate = false;
            if (action == "null start, on")
                general.startDate = cycle.startDate = QDate();
        }
        if (kind == "general") {
            rig.host.generalSegment = &general;
            rig.panel.fillGeneral(&general);
        } else {
            rig.host.cycleSegment = &cycle;
            rig.panel.fillCycle(&cycle);
        }
        QDateEdit *from = rig.panel.dateRange()->fromEdit();
        QDateEdit *to = rig.panel.dateRange()->toEdit();
        if (action == "null start, on") { // what the edits show is what is stored
            const QSignalBlocker quietFrom(from), quietTo(to);
            from->setDate(kMarch1);
            to->setDate(kMarch15);
        }

        if (action == "from 15" || action == "null end, from 15")
            from->setDate(kMarch15);
        else if (action == "to 02-20")
            to->setDate(QDate(2024, 2, 20));
        else if (action == "to 15")
            to->setDate(kMarch15);
        else if (action == "null start, on" || action == "on")
            rig.panel.specifiedDateBox()->setChecked(true);
        else if (action == "off")
            rig.panel.specifiedDateBox()->setChecked(false);
        else if (action == "uncheck Friday")
            rig.panel.dayBoxes()->box(4)->setChecked(false);
        else if (action == "check Sunday")
            rig.panel.dayBoxes()->box(6)->setChecked(true);
        else if (action == "All")
            rig.panel.allWeekBox()->setChecked(true);
        else
            QFAIL("unknown action");

        QFETCH(bool, specified);
        QFETCH(QDate, start);
        QFETCH(QDate, end);
        QFETCH(QStringList, days);
        QFETCH(int, reports);
        const QVariantList fields = kind == "general" ? sharedFields(general) : sharedFields(cycle);
        QCOMPARE(fields.at(1).toBool(), specified);
        QCOMPARE(fields.at(2).toDate(), start);
        QCOMPARE(fields.at(3).toDate(), end);
        QCOMPARE(fields.at(4).toStringList(), days);
        QCOMPARE((kind == "general" ? rig.general : rig.cycle).size(), reports);
        QCOMPARE((kind == "general" ? rig.cycle : rig.general).size(), 0);
        if (specified) { // the edits show the stored range
            QCOMPARE(from->date(), start);
            QCOMPARE(to->date(), end);
        }
        QCOMPARE(from->isEnabled(), specified);
        if (action == "uncheck Friday")
            QVERIFY(!rig.panel.allWeekBox()->isChecked());
    }

    void allDayOffKeepsOrTakesTimes()
    {
        Rig rig;
        GeneralObject never;
        never.allTime = true;
        GeneralObject set;
        set.allTime = true;
        set.startTime = QTime(22, 0);
        set.endTime = QTime(6, 0);
        for (GeneralObject *segment : {&never, &set}) {
            rig.host.generalSegment = segment;
            rig.panel.fillGeneral(segment);
            QVERIFY(!rig.panel.fromTimeEdit()->isEnabled());
            rig.panel.fromTimeEdit()->blockSignals(true);
            rig.panel.fromTimeEdit()->setTime(QTime(9, 0));
            rig.panel.toTimeEdit()->setTime(QTime(17, 0)); // stored: the to-time's slot writes it
            rig.panel.fromTimeEdit()->blockSignals(false);
            rig.panel.allDayBox()->setChecked(false);
            QVERIFY(!segment->allTime);
            QVERIFY(rig.panel.fromTimeEdit()->isEnabled());
        }
        QCOMPARE(never.startTime, QTime(9, 0));
        QCOMPARE(never.endTime, QTime(17, 0));
        QCOMPARE(set.startTime, QTime(22, 0)); // a start time exists: the stored times stay
        QCOMPARE(set.endTime, QTime(17, 0));

        rig.panel.fromTimeEdit()->setTime(QTime(7, 30));
        QCOMPARE(set.startTime, QTime(7, 30));
        QCOMPARE(rig.general.size(), 5);
    }

    void cyclePlayProperty()
    {
        Rig rig;
        CycleObject cycle;
        cycle.playMode = 1;
        cycle.playMinutes = 12;
        cycle.playSeconds = 0;
        rig.host.cycleSegment = &cycle;
        rig.panel.fillCycle(&cycle);

        rig.panel.playLengthRadio()->setChecked(true); // only the mode is stored
        QCOMPARE(cycle.playMode, 0);
        QCOMPARE(cycle.playMinutes, 12);
        QCOMPARE(cycle.playSeconds, 0);
        QVERIFY(rig.panel.minutesSpin()->isEnabled() && !rig.panel.timesSpin()->isEnabled());
        rig.panel.secondsSpin()->setValue(40);
        rig.panel.intervalSpin()->setValue(45);
        rig.panel.playCountRadio()->setChecked(true);
        rig.panel.timesSpin()->setValue(3);
        QCOMPARE(cycle.playSeconds, 40);
        QCOMPARE(cycle.intervalMinutes, 45);
        QCOMPARE(cycle.playMode, 1);
        QCOMPARE(cycle.playTimes, 3);
        QCOMPARE(rig.cycle.size(), 5);

        // a general segment has no play property: the cycle-only slots leave it alone
        GeneralObject general;
        rig.host.cycleSegment = nullptr;
        rig.host.generalSegment = &general;
        rig.panel.slotsegmentPlayEveryChanged(5);
        rig.panel.slotSegmentPlayMin(true);
        QCOMPARE(rig.reports(), 5);
    }

    void namesAreNeverEmptied_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");

        QTest::newRow("a new name") << "General Segment1"
                                    << "Morning"
                                    << "Morning";
        QTest::newRow("emptied") << "General Segment1"
                                 << ""
                                 << "G";
        QTest::newRow("emptied, one character") << "G"
                                                << ""
                                                << "G";
        QTest::newRow("emptied, no name") << ""
                                          << ""
                                          << "";
    }

    void namesAreNeverEmptied()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        Rig rig;
        GeneralObject segment;
        segment.name = name;
        rig.host.generalSegment = &segment;
        rig.panel.fillGeneral(&segment);
        rig.panel.slotSegmentNameChange(typed);
        QCOMPARE(segment.name, stored);
        if (typed.isEmpty())
            QCOMPARE(rig.panel.nameEdit()->text(), stored); // the kept character comes back
        QCOMPARE(rig.general.size(), 1);
    }

    void nothingCurrentNothingHappens()
    {
        Rig rig;
        GeneralObject shown;
        rig.panel.fillGeneral(&shown); // shown, but no longer current
        const QVariantList before = fieldsOf(shown);
        rig.panel.slotSegmentNameChange("x");
        rig.panel.slotsegmentPlayEveryChanged(3);
        rig.panel.slotSegmentPlayMin(true);
        rig.panel.slotSegmentPlayTimes(true);
        rig.panel.slotsegmentPlayMinChanged(3);
        rig.panel.slotsegmentPlaySecChanged(3);
        rig.panel.slotsegmentPlayTimesChanged(3);
        rig.panel.specifiedDateBox()->toggle();
        rig.panel.dateRange()->fromEdit()->setDate(kMarch15);
        rig.panel.dateRange()->toEdit()->setDate(kMarch1);
        rig.panel.allWeekBox()->toggle();
        for (QCheckBox *box : rig.panel.dayBoxes()->boxes())
            box->toggle();
        rig.panel.allDayBox()->toggle();
        rig.panel.fromTimeEdit()->setTime(QTime(1, 2));
        QCOMPARE(fieldsOf(shown), before);
        QCOMPARE(rig.reports(), 0);
    }

    void calendarWritesIntoTheEditItWasOpenedFor()
    {
        Rig rig;
        GeneralObject segment;
        setShared(segment, "G", true, kMarch1, kMarch10, Weekday::allDays(), true, {}, {});
        rig.host.generalSegment = &segment;
        rig.panel.fillGeneral(&segment);
        QDateEdit *scheduleFrom = new QDateEdit(QDate(2020, 1, 1), &rig.host.window);
        rig.calendar.setTargetEdit(CalendarPopup::ScheduleFrom, scheduleFrom);

        // The calendar inside is made when it first opens, showing today.
        QVERIFY(!rig.calendar.findChild<QCalendarWidget *>());
        QCOMPARE(rig.calendar.selectedDate(), Clock::current().currentDate());
        QTest::mouseClick(rig.panel.dateRange()->toButton(), Qt::LeftButton);
        QCOMPARE(rig.calendar.target(), int(CalendarPopup::SegmentTo));
        QVERIFY(!rig.calendar.isHidden());
        auto *days = rig.calendar.findChild<QCalendarWidget *>();
        QVERIFY(days && !days->isHidden());
        QCOMPARE(days->selectedDate(), Clock::current().currentDate());
        emit days->clicked(kMarch15);
        QVERIFY(rig.calendar.isHidden());
        QCOMPARE(segment.endDate, kMarch15); // through the edit's own slot
        QCOMPARE(rig.general.size(), 1);

        // another button moves the target; an unknown target writes nowhere
        QTest::mouseClick(rig.panel.dateRange()->fromButton(), Qt::LeftButton);
        QCOMPARE(rig.calendar.target(), int(CalendarPopup::SegmentFrom));
        rig.calendar.openFor(CalendarPopup::Target(9), nullptr);
        emit rig.calendar.clicked(QDate(2030, 1, 1));
        QCOMPARE(segment.startDate, kMarch1);
        QCOMPARE(scheduleFrom->date(), QDate(2020, 1, 1));
        QVERIFY(rig.calendar.isHidden());
    }
};

QTEST_MAIN(SegmentPanelTest)
#include "test_segmentpanel.moc"

// The timing-segment panel and its time-point dialog, built alone against a
// fake main window: labels, add, edit and delete with the rows kept in step,
// Cancel and Escape, the play property, and filling that writes nothing.

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/TimePointLabel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/controls/DateRangeRow.h"
#include "panels/controls/DayBoxes.h"
#include "support/FakePanelHost.h"
#include "support/ScriptedPrompts.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(TimingObject *)

namespace {

struct Rig
{
    FakePanelHost host;
    TimingSegmentTimePropertyWin dialog{&host.window};
    TimingSegmentPanel panel{host, &host.window};
    QSignalSpy changes{&panel, &TimingSegmentPanel::sigTimingSegmentChanged};
    TimingObject segment;

    Rig()
    {
        panel.setTimePointDialog(&dialog);
        panel.trUpdate();
        segment.name = QStringLiteral("Timing Inserted Segment1");
        host.timingSegment = &segment;
        panel.fill(&segment);
    }
    ~Rig() { qDeleteAll(segment.timePoints); }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < panel.timePointTable()->rowCount(); ++row)
            texts << panel.timePointTable()->item(row, 0)->text();
        return texts;
    }
    QStringList labels() const
    {
        QStringList texts;
        for (const TimePoint *point : segment.timePoints)
            texts << point->label;
        return texts;
    }
    void selectRow(int row) { panel.timePointTable()->setCurrentCell(row, 0); }
};

// Answers the dialog as an operator would: sets what `fill` says, then presses ok.
std::function<int(QDialog *)> acceptWith(std::function<void(TimingSegmentTimePropertyWin &)> fill)
{
    return [fill](QDialog *dialog) {
        auto *win = static_cast<TimingSegmentTimePropertyWin *>(dialog);
        fill(*win);
        win->slotOK();
        return dialog->result();
    };
}

TimePoint *point(QTime time, QStringList days, bool dated = false, QDate from = {}, QDate to = {})
{
    auto *p = new TimePoint;
    p->time = time;
    p->weekdays = days;
    p->specifiedDate = dated;
    p->startDate = from;
    p->endDate = to;
    return p;
}

} // namespace

class TimingPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<TimingObject *>(); }

    void labels_data()
    {
        QTest::addColumn<bool>("dated");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<QString>("label");

        QTest::newRow("no day") << false << QStringList() << "[08:30]";
        QTest::newRow("seven days") << false << Weekday::allDays() << "[08:30]";
        QTest::newRow("Saturday and Sunday")
            << false << QStringList{"Sunday", "Saturday"} << "[08:30] [Saturday,Sunday]";
        QTest::newRow("dated, Monday and Friday")
            << true << QStringList{"Monday", "Friday"} << "[08:30] [2019-03-01 to 2019-03-31] [Monday,Friday]";
        QTest::newRow("dated, every day") << true << Weekday::allDays() << "[08:30] [2019-03-01 to 2019-03-31]";
    }

    void labels()
    {
        QFETCH(bool, dated);
        QFETCH(QStringList, days);
        QFETCH(QString, label);
        const std::unique_ptr<TimePoint> p(point(QTime(8, 30, 45), days, dated, {2019, 3, 1}, {2019, 3, 31}));
        QCOMPARE(TimePointLabel::of(*p), label);
    }

    void addEditDeleteKeepRowsInStep()
    {
        Rig rig;
        ScriptedPrompts prompts;
        // an add: 08:30:45 on Monday and Friday, dated
        prompts.onDialog = acceptWith([](TimingSegmentTimePropertyWin &win) {
            QVERIFY(!win.specifiedDateBox()->isChecked());
            QCOMPARE(win.dayBoxes()->checkedDays(), Weekday::allDays());
            win.timeEdit()->setTime(QTime(8, 30, 45));
            win.specifiedDateBox()->setChecked(true);
            win.dateRange()->fromEdit()->setDate({2019, 3, 1});
            win.dateRange()->toEdit()->setDate({2019, 3, 31});
            for (int day : {1, 2, 3, 5, 6})
                win.dayBoxes()->box(day)->setChecked(false);
        });
        rig.panel.addButton()->click();
        QCOMPARE(rig.segment.timePoints.size(), 1);
        const TimePoint *first = rig.segment.timePoints.first();
        QCOMPARE(first->time, QTime(8, 30)); // seconds 0
        QCOMPARE(first->weekdays, QStringList({"Monday", "Friday"}));
        QCOMPARE(first->startDate, QDate(2019, 3, 1));

        // the next add starts undated and on every day, its date fields disabled
        prompts.onDialog = acceptWith([](TimingSegmentTimePropertyWin &win) {
            QVERIFY(!win.specifiedDateBox()->isChecked());
            QVERIFY(!win.dateRange()->fromEdit()->isEnabled());
            QVERIFY(!win.dateRange()->toButton()->isEnabled());
            QCOMPARE(win.dayBoxes()->checkedDays(), Weekday::allDays());
            win.timeEdit()->setTime(QTime(12, 0));
        });
        rig.panel.addButton()->click();
        prompts.onDialog = acceptWith([](TimingSegmentTimePropertyWin &win) { win.timeEdit()->setTime({18, 15}); });
        rig.panel.addButton()->click();
        QCOMPARE(rig.labels(),
                 QStringList({"[08:30] [2019-03-01 to 2019-03-31] [Monday,Friday]", "[12:00]", "[18:15]"}));
        QCOMPARE(rig.rows(), rig.labels());
        QCOMPARE(rig.changes.size(), 3);

        // edit the middle point: it loads the point, Saturday only
        rig.segment.timePoints.at(1)->weekdays = QStringList{"Saturday"};
        rig.selectRow(1);
        prompts.onDialog = acceptWith([](TimingSegmentTimePropertyWin &win) {
            QCOMPARE(win.dayBoxes()->checkedDays(), QStringList{"Saturday"});
            QCOMPARE(win.timeEdit()->time(), QTime(12, 0));
            win.timeEdit()->setTime(QTime(13, 5, 59));
        });
        rig.panel.editButton()->click();
        QCOMPARE(rig.segment.timePoints.at(1)->time, QTime(13, 5));
        QCOMPARE(rig.rows().at(1), QStringLiteral("[13:05] [Saturday]"));
        QCOMPARE(rig.changes.size(), 4);

        // delete the first after a question; No keeps it
        rig.selectRow(0);
        prompts.answer = QMessageBox::No;
        rig.panel.deleteButton()->click();
        QCOMPARE(rig.segment.timePoints.size(), 3);
        prompts.answer = QMessageBox::Yes;
        rig.panel.deleteButton()->click();
        const QString question = QStringLiteral("Are you sure to delete the selected time point?");
        QCOMPARE(prompts.questions, QStringList({question, question}));
        QCOMPARE(rig.labels(), QStringList({"[13:05] [Saturday]", "[18:15]"}));
        QCOMPARE(rig.rows(), rig.labels());
        QCOMPARE(rig.changes.size(), 5);
    }

    void editLoadsAMondayOnlyPointWhateverTheDialogShowed()
    {
        Rig rig;
        ScriptedPrompts prompts;
        rig.segment.timePoints << point(QTime(7, 0), {"Monday"}, true, {2024, 5, 1}, {2024, 5, 2});
        rig.panel.fill(&rig.segment);
        rig.dialog.slotCheckedAllWeek();
        rig.selectRow(0);
        QStringList shown;
        bool datesEnabled = false;
        prompts.onDialog = [&](QDialog *) {
            shown = rig.dialog.dayBoxes()->checkedDays();
            datesEnabled = rig.dialog.dateRange()->fromEdit()->isEnabled();
            return int(QDialog::Rejected);
        };
        rig.panel.editButton()->click();
        QCOMPARE(shown, QStringList{"Monday"});
        QVERIFY(datesEnabled);
        QCOMPARE(rig.dialog.dateRange()->toEdit()->date(), QDate(2024, 5, 2));
    }

    void cancelAndEscapeChangeNothing()
    {
        Rig rig;
        ScriptedPrompts prompts;
        rig.segment.timePoints << point(QTime(9, 0), {"Friday"});
        rig.panel.fill(&rig.segment);
        rig.selectRow(0);
        const QString label = rig.segment.timePoints.first()->label;

        // "ok" on an add first: the dialog remembers it, which must not count later
        prompts.onDialog = acceptWith([](TimingSegmentTimePropertyWin &win) { win.timeEdit()->setTime({10, 0}); });
        rig.panel.addButton()->click();
        QCOMPARE(rig.changes.size(), 1);

        const auto edit = [](TimingSegmentTimePropertyWin &win) {
            win.timeEdit()->setTime({23, 59});
            win.dayBoxes()->checkAll();
        };
        // Cancel: the button
        prompts.onDialog = [edit](QDialog *dialog) {
            auto *win = static_cast<TimingSegmentTimePropertyWin *>(dialog);
            edit(*win);
            win->slotCancel();
            return dialog->result();
        };
        rig.selectRow(0);
        rig.panel.editButton()->click();
        // Escape or the close button: no button at all
        prompts.onDialog = [edit](QDialog *dialog) {
            edit(*static_cast<TimingSegmentTimePropertyWin *>(dialog));
            return int(QDialog::Rejected);
        };
        rig.selectRow(0);
        rig.panel.editButton()->click();
        rig.panel.addButton()->click();

        QCOMPARE(rig.segment.timePoints.size(), 2);
        QCOMPARE(rig.segment.timePoints.first()->time, QTime(9, 0));
        QCOMPARE(rig.segment.timePoints.first()->weekdays, QStringList{"Friday"});
        QCOMPARE(rig.rows().first(), label);
        QCOMPARE(rig.changes.size(), 1);
    }

    void escapeOnTheRealDialogIsACancel()
    {
        Rig rig; // the real Prompts: the dialog runs modally
        QTimer::singleShot(0, &rig.dialog, [&] {
            rig.dialog.slotOK(); // ends the first run as accepted...
        });
        rig.panel.addButton()->click();
        QCOMPARE(rig.segment.timePoints.size(), 1);
        QTimer::singleShot(0, &rig.dialog, [&] { QTest::keyClick(&rig.dialog, Qt::Key_Escape); });
        rig.panel.addButton()->click(); // ...and Escape ends the second as cancelled
        QCOMPARE(rig.segment.timePoints.size(), 1);
        QCOMPARE(rig.changes.size(), 1);
    }

    void editOrDeleteWithoutASelectedRow()
    {
        Rig rig;
        ScriptedPrompts prompts;
        prompts.answer = QMessageBox::Yes;
        rig.segment.timePoints << point(QTime(9, 0), {});
        rig.panel.fill(&rig.segment);
        rig.panel.timePointTable()->setCurrentCell(-1, -1);
        rig.panel.editButton()->click();
        rig.panel.deleteButton()->click();
        QCOMPARE(prompts.informations,
                 QStringList({"please select the time point to edit!", "please select the time point to delete!"}));
        QVERIFY(prompts.questions.isEmpty());
        QCOMPARE(rig.segment.timePoints.size(), 1);
        QCOMPARE(rig.changes.size(), 0);

        // with no timing segment current nothing happens at all
        rig.host.timingSegment = nullptr;
        rig.selectRow(0);
        rig.panel.addButton()->click();
        rig.panel.editButton()->click();
        rig.panel.deleteButton()->click();
        rig.panel.playLengthRadio()->setChecked(true);
        rig.panel.minutesSpin()->setValue(9);
        QCOMPARE(prompts.informations.size(), 2);
        QCOMPARE(rig.changes.size(), 0);
    }

    void playPropertyAndTheTimesBox()
    {
        Rig rig;
        rig.panel.timesSpin()->setValue(4); // play count is chosen at build: stored at once
        QCOMPARE(rig.segment.playTimes, 4);
        rig.panel.playLengthRadio()->setChecked(true);
        QCOMPARE(rig.segment.playMode, 0);
        QCOMPARE(rig.segment.playMinutes, rig.panel.minutesSpin()->value());
        QVERIFY(!rig.panel.timesSpin()->isEnabled());
        rig.panel.timesSpin()->setValue(6); // length chosen: not the times box's turn
        QCOMPARE(rig.segment.playTimes, 4);
        rig.panel.secondsSpin()->setValue(30);
        QCOMPARE(rig.segment.playSeconds, 30);
        rig.panel.playCountRadio()->setChecked(true);
        QCOMPARE(rig.segment.playMode, 1);
        QCOMPARE(rig.segment.playTimes, 6);
        rig.panel.timesSpin()->setValue(8);
        QCOMPARE(rig.segment.playTimes, 8);
        QCOMPARE(rig.changes.size(), 5);
    }

    void fillingWritesNothingAndLabelsLoadedPoints()
    {
        Rig rig;
        TimingObject length;
        length.name = QStringLiteral("Length");
        length.playMode = 0;
        length.playMinutes = 7;
        length.playSeconds = 30;
        length.playTimes = 9;
        TimingObject count;
        count.name = QStringLiteral("Count");
        count.playMode = 1;
        count.playMinutes = 2000; // beyond the minutes box
        count.playSeconds = 0;
        count.playTimes = 4;
        count.timePoints << point(QTime(6, 45), {"Saturday", "Sunday"}) << point(QTime(20, 0), {});

        rig.host.timingSegment = &length;
        rig.panel.fill(&length);
        QVERIFY(rig.panel.playLengthRadio()->isChecked());
        QVERIFY(rig.panel.minutesSpin()->isEnabled() && !rig.panel.timesSpin()->isEnabled());
        rig.host.timingSegment = &count;
        rig.panel.fill(&count);
        QVERIFY(rig.panel.playCountRadio()->isChecked());
        QVERIFY(!rig.panel.minutesSpin()->isEnabled() && rig.panel.timesSpin()->isEnabled());
        QCOMPARE(rig.panel.nameEdit()->text(), QStringLiteral("Count"));

        QCOMPARE(QVariantList({count.playMode, count.playMinutes, count.playSeconds, count.playTimes}),
                 QVariantList({1, 2000, 0, 4}));
        QCOMPARE(QVariantList({length.playMode, length.playMinutes, length.playSeconds, length.playTimes}),
                 QVariantList({0, 7, 30, 9}));
        QCOMPARE(rig.changes.size(), 0);

        // points read from a file have no label: they get one, kept in the point
        QCOMPARE(rig.rows(), QStringList({"[06:45] [Saturday,Sunday]", "[20:00]"}));
        QCOMPARE(count.timePoints.first()->label, QStringLiteral("[06:45] [Saturday,Sunday]"));

        // a retranslation only shows a word in the name field
        rig.panel.trUpdate();
        QCOMPARE(rig.panel.nameEdit()->text(), QStringLiteral("Timing Inserted Segment"));
        QCOMPARE(count.name, QStringLiteral("Count"));
        QCOMPARE(rig.changes.size(), 0);
        qDeleteAll(count.timePoints);
    }
};

QTEST_MAIN(TimingPanelTest)
#include "test_timingpanel.moc"

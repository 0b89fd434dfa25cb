// The segment, timing-segment, program and schedule panels in the real main
// window: edits made through the controls reach the tree's signals and
// survive a save and a reopening; Refresh lists the plan of the current
// display window; the calendar hides when the panel or display window
// changes; a program's background reaches only its own display window.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/controls/CalendarPopup.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/DateRangeRow.h"
#include "panels/controls/DayBoxes.h"
#include "panels/controls/LengthEdit.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimeEdit>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(GeneralObject *)
Q_DECLARE_METATYPE(CycleObject *)
Q_DECLARE_METATYPE(TimingObject *)
Q_DECLARE_METATYPE(ProgramObject *)

namespace {

ProjectTree *treeOf(const Widget &w)
{
    return w.curProjectWidget->tree();
}

MainPlayBKLabel *displayWindow(const Widget &w, const QString &name)
{
    for (MainPlayBKLabel *d : w.displayWindows)
        if (d->name == name)
            return d;
    return nullptr;
}

QString writePicture(const TestEnvironment &env, const QString &name)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QString path = env.path(name);
    image.save(path);
    return path;
}

QStringList planTexts(QTreeWidget *plan)
{
    QStringList texts;
    for (int day = 0; day < plan->topLevelItemCount(); ++day) {
        QTreeWidgetItem *item = plan->topLevelItem(day);
        texts << item->text(0);
        for (int line = 0; line < item->childCount(); ++line)
            texts << "  " + item->child(line)->text(0);
    }
    return texts;
}

} // namespace

class RecordPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GeneralObject *>();
        qRegisterMetaType<CycleObject *>();
        qRegisterMetaType<TimingObject *>();
        qRegisterMetaType<ProgramObject *>();
    }

    void editsSurviveSaveAndOpen()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        const QString picture = writePicture(env, "back.png");
        {
            Widget w;
            QSignalSpy segments(&w, &Widget::sigSegmentChanged);
            QSignalSpy timings(&w, &Widget::sigTimingSegmentChanged);
            QSignalSpy programs(&w, &Widget::sigProgramChanged);
            ProjectTree *tree = treeOf(w);
            GeneralObject *general = tree->generalSegments.first();
            ProgramObject *program = general->programs.first();
            tree->loadTimingSegment("Timing", w.curDisplayName, {}, 1, 5, 0, 1, 0);
            TimingObject *timing = tree->timingSegments.first();

            // the segment: dates, days and hours
            w.checkSegment(program->windows, general);
            SegmentPanel *segmentPanel = w.segmentSetupLabel();
            QVERIFY(!segmentPanel->isHidden());
            segmentPanel->dateRange()->toEdit()->setDate({2025, 6, 30});
            segmentPanel->specifiedDateBox()->setChecked(true);
            segmentPanel->dateRange()->fromEdit()->setDate({2025, 1, 1});
            segmentPanel->dayBoxes()->box(6)->setChecked(false);
            segmentPanel->allDayBox()->setChecked(false);
            segmentPanel->fromTimeEdit()->setTime({8, 0});
            segmentPanel->toTimeEdit()->setTime({18, 0});

            // a time point and how the insertion plays
            w.checkTimingSegment({}, timing);
            prompts.onDialog = [](QDialog *dialog) {
                auto *win = static_cast<TimingSegmentTimePropertyWin *>(dialog);
                win->timeEdit()->setTime({8, 30, 45});
                for (int day = 0; day < 5; ++day)
                    win->dayBoxes()->box(day)->setChecked(false);
                win->slotOK();
                return dialog->result();
            };
            w.timingSegmentSetupLabel()->addButton()->click();
            w.timingSegmentSetupLabel()->playLengthRadio()->setChecked(true);
            w.timingSegmentSetupLabel()->minutesSpin()->setValue(3);
            w.timingSegmentSetupLabel()->secondsSpin()->setValue(15);

            // the program
            w.checkProgram(program->windows, program, SegmentType::General);
            ProgramPanel *programPanel = w.programSetupLabel();
            prompts.colourAnswer = QColor(0, 128, 255);
            programPanel->colourButton()->click();
            prompts.fileName = picture;
            programPanel->pictureCombo()->setCurrentIndex(1);
            emit programPanel->pictureCombo()->activated(1);
            programPanel->displayTypeCombo()->setCurrentIndex(0);
            prompts.fileName = env.path("song.mp3");
            programPanel->slotAddBKMusic();
            programPanel->lengthRadio()->setChecked(true);
            programPanel->lengthEdit()->setTime({0, 2, 30});

            QVERIFY(segments.size() >= 6);
            QCOMPARE(segments.last().first().value<GeneralObject *>(), general);
            QCOMPARE(timings.size(), 4);
            QVERIFY(programs.size() >= 5);

            prompts.fileName = env.path("edited.qvsc");
            w.slotSaveAsDoc();
        }

        Widget w;
        prompts.answer = QMessageBox::No;
        w.slotOpenDoc();
        ProjectTree *tree = treeOf(w);
        QCOMPARE(tree->generalSegments.size(), 1);
        QCOMPARE(tree->timingSegments.size(), 1);
        const GeneralObject *general = tree->generalSegments.first();
        QVERIFY(general->specifiedDate);
        QCOMPARE(general->startDate, QDate(2025, 1, 1));
        QCOMPARE(general->endDate, QDate(2025, 6, 30));
        QCOMPARE(general->weekdays, QStringList({"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}));
        QVERIFY(!general->allTime);
        QCOMPARE(general->startTime, QTime(8, 0));
        QCOMPARE(general->endTime, QTime(18, 0));

        TimingObject *timing = tree->timingSegments.first();
        QCOMPARE(timing->playMode, 0);
        QCOMPARE(timing->playMinutes, 3);
        QCOMPARE(timing->playSeconds, 15);
        QCOMPARE(timing->timePoints.size(), 1);
        QCOMPARE(timing->timePoints.first()->time, QTime(8, 30));
        QCOMPARE(timing->timePoints.first()->weekdays, QStringList({"Saturday", "Sunday"}));
        w.checkTimingSegment({}, timing); // the loaded point gets its label back
        QCOMPARE(w.timingSegmentSetupLabel()->timePointTable()->item(0, 0)->text(),
                 QStringLiteral("[08:30] [Saturday,Sunday]"));

        const ProgramObject *program = general->programs.first();
        QCOMPARE(program->bgColour, QColor(0, 128, 255));
        QCOMPARE(program->bgPicture, picture);
        QCOMPARE(program->displayType, 0);
        QCOMPARE(program->bgMusic, QStringList{env.path("song.mp3")});
        QCOMPARE(program->playMode, 1);
        QCOMPARE(program->playLength, QTime(0, 2, 30));
    }

    void refreshListsThePlanOfTheLastSegments()
    {
        TestEnvironment env;
        Widget w;
        ProjectTree *tree = treeOf(w);
        tree->loadGeneralSegment("Evening", w.curDisplayName, false, {}, {}, {"Monday", "Wednesday"}, false,
                                 QTime(18, 0), QTime(23, 0), 0);
        tree->loadCycleSegment("Cycle", w.curDisplayName, 20, 1, 5, 0, 1, false, {}, {}, Weekday::allDays(), true, {},
                               {}, 0);
        w.checkSchedule(QString());
        SchedulePanel *panel = w.scheduleSetupLabel;
        QVERIFY(!panel->isHidden());
        QSignalSpy asked(&w, &Widget::sigShowSegmentInfo);

        panel->dateRange()->fromEdit()->setDate({2024, 3, 4}); // a Monday
        panel->dateRange()->toEdit()->setDate({2024, 3, 6});
        panel->refreshButton()->click();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(w.curGeneralSegment, tree->generalSegments.last());
        QVERIFY(!w.curTimingSegment);
        QCOMPARE(
            planTexts(panel->planTree()),
            QStringList({"2024-03-04", "  Evening [18:00-23:00]", "  Cycle [0:00-Next Day0:00][Every 20Minutes]",
                         "2024-03-05", "  Cycle [0:00-Next Day0:00][Every 20Minutes]", //
                         "2024-03-06", "  Evening [18:00-23:00]", "  Cycle [0:00-Next Day0:00][Every 20Minutes]"}));
        QVERIFY(panel->planTree()->topLevelItem(0)->isExpanded());

        // to before from: an empty plan; a long range stops after a year and a day
        panel->dateRange()->toEdit()->setDate({2024, 3, 3});
        panel->refreshButton()->click();
        QCOMPARE(panel->planTree()->topLevelItemCount(), 0);
        panel->dateRange()->toEdit()->setDate({2099, 1, 1});
        panel->refreshButton()->click();
        QCOMPARE(panel->planTree()->topLevelItemCount(), 366);
        QCOMPARE(panel->dateRange()->toEdit()->date(), QDate(2025, 3, 4));
        QCOMPARE(panel->planTree()->topLevelItem(365)->text(0), QStringLiteral("2025-03-04"));
    }

    void calendarHidesWhenThePanelOrDisplayWindowChanges()
    {
        TestEnvironment env;
        Widget w;
        auto *calendar = w.findChild<CalendarPopup *>();
        QVERIFY(calendar);
        QCOMPARE(calendar->parentWidget(), &w);
        ProjectTree *tree = treeOf(w);
        GeneralObject *general = tree->generalSegments.first();
        tree->loadCycleSegment("Cycle", w.curDisplayName, 20, 1, 5, 0, 1, false, {}, {}, Weekday::allDays(), true, {},
                               {}, 0);

        w.checkSegment({}, general);
        w.segmentSetupLabel()->dateRange()->fromButton()->click();
        QVERIFY(!calendar->isHidden());
        w.checkCycleSegment({}, tree->cycleSegments.first()); // another record: a click must not reach it
        QVERIFY(calendar->isHidden());

        w.checkSchedule(QString());
        w.scheduleSetupLabel->dateRange()->toButton()->click();
        QVERIFY(!calendar->isHidden());
        emit calendar->clicked(QDate(2024, 7, 1));
        QCOMPARE(w.scheduleSetupLabel->dateRange()->toEdit()->date(), QDate(2024, 7, 1));
        w.scheduleSetupLabel->dateRange()->toButton()->click();
        w.slotDisplayWindowChecked(w.curDisplayName);
        QVERIFY(calendar->isHidden());
    }

    void programBackgroundReachesOnlyItsDisplayWindow()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
            return dialog->result();
        };
        Widget w;
        const QString first = w.curDisplayName;
        w.slotAddDisplayWindow();
        const QString second = w.curDisplayName;
        QVERIFY(first != second);
        ProgramObject *program = treeOf(w)->generalSegments.first()->programs.first();

        const QString picture = writePicture(env, "p.png");
        program->bgPicture = picture;
        w.checkProgram(program->windows, program, SegmentType::General);
        QCOMPARE(displayWindow(w, second)->backgroundImagePath, picture); // the program's own picture

        prompts.colourAnswer = QColor(1, 2, 3);
        w.programSetupLabel()->colourButton()->click();
        w.programSetupLabel()->pictureCombo()->setCurrentIndex(0);
        emit w.programSetupLabel()->pictureCombo()->activated(0);
        QCOMPARE(displayWindow(w, second)->backgroundColour, QColor(1, 2, 3));
        QVERIFY(displayWindow(w, second)->backgroundImagePath.isEmpty());
        QCOMPARE(displayWindow(w, first)->backgroundColour, QColor(0, 0, 0));

        // another program without a picture takes the picture away
        program->bgPicture = picture;
        w.checkProgram(program->windows, program, SegmentType::General);
        ProgramObject other;
        other.name = QStringLiteral("Other");
        w.checkProgram({}, &other, SegmentType::General);
        QVERIFY(displayWindow(w, second)->backgroundImagePath.isEmpty());
        QVERIFY(displayWindow(w, first)->backgroundImagePath.isEmpty());
        w.curProgram = nullptr;
    }
};

QTEST_MAIN(RecordPanelsTest)
#include "test_recordpanels.moc"

#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/ImagePanel.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TextPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/WeatherPanel.h"
#include "panels/WindowPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QMenu>
#include <QTableWidget>
#include <QtTest>

namespace {

// The default schedule plus a cycle and a timing segment, each with a
// program and a window; the general window holds three media items.
struct Fixture
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    Widget w;
    ProjectTree *tree;

    Fixture() : tree(w.curProjectWidget->tree())
    {
        w.show();
        const QString d = w.curDisplayName;
        tree->loadCycleSegment("Cycle1", d, 30, 1, 5, 0, 1, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
        tree->loadProgram("CP", SegmentType::Cycle, d, Qt::black, {}, 1, {}, 0, 1, {}, 0);
        tree->loadCommonWindow("CW", SegmentType::Cycle, false, 0, Qt::red, 0, 0, 10, 10);
        tree->loadTimingSegment("Timing1", d, {}, 1, 5, 0, 1, 0);
        tree->loadProgram("TP", SegmentType::Timing, d, Qt::black, {}, 1, {}, 0, 1, {}, 0);
        tree->loadCommonWindow("TW", SegmentType::Timing, false, 0, Qt::red, 0, 0, 10, 10);
        CommonWinObject *general = tree->generalSegments.first()->programs.first()->windows.first();
        for (const QString &kind : {QString(MediaKind::Image), QString(MediaKind::SimpleText), QString(MediaKind::Weather)}) {
            auto *item = new QVLedMediaObject;
            item->kind = kind;
            item->windowName = general->name;
            item->programName = general->programName;
            item->segmentName = general->segmentName;
            item->displayName = d;
            item->image.path = "/pictures/sea.png";
            general->media.append(item);
        }
        tree->expandAll();
    }

    QTreeWidgetItem *item(const QString &text)
    {
        const QList<QTreeWidgetItem *> found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.value(0);
    }

    void click(QTreeWidgetItem *target, Qt::MouseButton button = Qt::LeftButton)
    {
        tree->scrollToItem(target);
        const QPoint at = tree->visualItemRect(target).center();
        QTest::mouseClick(tree->viewport(), button, Qt::NoModifier, at);
    }
};

} // namespace

class SelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void eachLevelShowsItsPageAndSetsTheCurrentRecords()
    {
        Fixture f;
        Widget &w = f.w;
        ProjectTree *tree = f.tree;

        f.click(f.item("General Segment1"));
        QVERIFY(!w.segmentSetupLabel()->isHidden() && w.scheduleSetupLabel->isHidden());
        QCOMPARE(w.curGeneralSegment, tree->generalSegments.first());
        QVERIFY(!w.curCycleSegment && !w.curTimingSegment && !w.curCommonWin);

        f.click(f.item("Cycle1"));
        QVERIFY(!w.segmentSetupLabel()->isHidden());
        QCOMPARE(w.curCycleSegment, tree->cycleSegments.first());
        QVERIFY(!w.curGeneralSegment && !w.curTimingSegment);

        f.click(f.item("Timing1"));
        QVERIFY(!w.timingSegmentSetupLabel()->isHidden() && w.segmentSetupLabel()->isHidden());
        QCOMPARE(w.curTimingSegment, tree->timingSegments.first());
        QVERIFY(!w.curGeneralSegment && !w.curCycleSegment);

        f.click(f.item("Program1"));
        QVERIFY(!w.programSetupLabel()->isHidden());
        ProgramObject *program = tree->generalSegments.first()->programs.first();
        QCOMPARE(w.curProgram, program);
        QVERIFY(!w.curCommonWin);
        QCOMPARE(w.curTimingSegment, tree->timingSegments.first()); // left as it was

        f.click(f.item("Common Window1"));
        CommonWinObject *window = program->windows.first();
        QVERIFY(!w.commonWinSetupLabel()->isHidden() && w.programSetupLabel()->isHidden());
        QCOMPARE(w.curCommonWin, window);
        QCOMPARE(w.mediaTable()->rowCount(), 3);
        QCOMPARE(w.mediaTable()->item(0, 0)->text(), QStringLiteral("sea.png"));
        QCOMPARE(w.mediaTable()->item(1, 0)->text(), QStringLiteral("Simple Text"));
        QCOMPARE(w.curMedia, window->media.last()); // each row makes its item current
        QVERIFY(!w.weatherSetupLabel()->isHidden() && w.imageSetupLabel()->isHidden());
        // the window's area is shown and marked in the display window
        MainPlayBKLabel *display = w.displayWindows.first();
        QVERIFY(!display->showNameMarks);
        bool marked = false;
        for (CommonPlayWindow *area : display->playWindows)
            marked = marked || (area->winObject == window && area->selected && area->isVisible());
        QVERIFY(marked);
        // a window of no size takes the display window's
        QCOMPARE(QSize(window->width, window->height), QSize(320, 240));

        f.click(f.item("Add Schedule"));
        QVERIFY(!w.scheduleSetupLabel->isHidden() && w.commonWinSetupLabel()->isHidden());
        QVERIFY(!w.curCommonWin);
        QVERIFY(display->showNameMarks);
    }

    void aMediaRowSelectsItsItem()
    {
        Fixture f;
        f.click(f.item("Common Window1"));
        QTableWidget *table = f.w.mediaTable();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, table->visualItemRect(table->item(1, 0)).center());
        CommonWinObject *window = f.tree->generalSegments.first()->programs.first()->windows.first();
        QCOMPARE(f.w.curMedia, window->media.at(1));
        QVERIFY(!f.w.textSetupLabel()->isHidden());
        QVERIFY(f.w.weatherSetupLabel()->isHidden());
    }

    void aRepeatedClickDoesNotSwitchAgain()
    {
        Fixture f;
        f.click(f.item("Program1"));
        QVERIFY(f.w.curProgram);
        f.w.curProgram = nullptr;
        f.click(f.item("Program1"));
        QVERIFY(!f.w.curProgram); // the same item again: nothing switched
        f.click(f.item("CP"));
        f.click(f.item("Program1"));
        QCOMPARE(f.w.curProgram, f.tree->generalSegments.first()->programs.first());
    }

    void aSelectionMadeInCodeIsNeverMistakenForARepeat()
    {
        Fixture f;
        f.click(f.item("Program1"));
        // the tree switches the page itself, as paste and delete do
        f.tree->curItem = f.item("CP");
        f.tree->slotSelectItemChecked();
        QCOMPARE(f.w.curProgram, f.tree->cycleSegments.first()->programs.first());
        f.click(f.item("Program1"));
        QCOMPARE(f.w.curProgram, f.tree->generalSegments.first()->programs.first());
    }

    void rightClickOpensTheMenuOfTheItemsKind_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("root") << "Add Schedule"
                              << QStringList{"Add Common Segment", "Add Inserted Segment", "Add Copied Segment", "Clear"};
        QTest::newRow("segment") << "Timing1"
                                 << QStringList{"Add Programs", "Copy", "Paste", "Move Up", "Move Down", "Delete",
                                                "Clear Programs"};
        QTest::newRow("program") << "CP"
                                 << QStringList{"Add Common Window", "Move Up", "Move Down", "Copy", "Paste", "Delete",
                                                "Add Copied Window", "Clear Window"};
        QTest::newRow("window") << "TW"
                                << QStringList{"Add Media", "Clear Media", "Window Position", "Window Size",
                                               "Move Up by One Layer", "Move Down by One Layer", "Copy", "Paste",
                                               "Delete"};
    }

    void rightClickOpensTheMenuOfTheItemsKind()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, entries);
        Fixture f;
        f.click(f.item(item), Qt::RightButton);
        QCOMPARE(f.prompts.menus.size(), 1);
        QStringList texts;
        for (QAction *action : f.prompts.menus.first()->actions())
            texts << action->text();
        QCOMPARE(texts, entries);
        QCOMPARE(f.tree->curItem, f.item(item)); // the page switched first
    }

    void windowMenusKeepTheirTexts()
    {
        Fixture f;
        QStringList positions;
        for (QAction *action : f.tree->windowPositionMenu->actions())
            positions << action->text();
        QVERIFY(positions.contains("Placed to the  Right"));
        QCOMPARE(f.tree->windowSizeMenu->actions().size(), 9);
        QCOMPARE(f.tree->addMediaMenu->actions().size(), 11 + 4); // with separators
    }
};

QTEST_MAIN(SelectionTest)
#include "test_selection.moc"

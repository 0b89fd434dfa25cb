// Editing the schedule from the tree's context menus, reached by real right
// clicks: adds and their numbers, copy and paste, deletes and clears with
// their questions, the one forget step before records are freed, moves,
// and the owner names kept in step after renames and change notices.

#include "editor/CopyBuffer.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/SchedulePanel.h"
#include "panels/WindowPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/TreeProbe.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

namespace {

using Entry = QAction *ProjectTree::*;

// The menu entries by a short name, for the tables below.
const QMap<QString, Entry> &entries()
{
    static const QMap<QString, Entry> map{
        {"add segment", &ProjectTree::addSegmentAction},
        {"add cycle", &ProjectTree::addCycleSegmentAction},
        {"add timing", &ProjectTree::addTimingSegmentAction},
        {"add copied segment", &ProjectTree::addCopiedSegmentAction},
        {"clear all", &ProjectTree::clearAllAction},
        {"add program", &ProjectTree::addProgramAction},
        {"copy segment", &ProjectTree::copySegmentAction},
        {"paste segment", &ProjectTree::pasteSegmentAction},
        {"segment up", &ProjectTree::moveupSegmentAction},
        {"segment down", &ProjectTree::movedownSegmentAction},
        {"delete segment", &ProjectTree::deleteSegmentAction},
        {"clear programs", &ProjectTree::clearProgramAction},
        {"add window", &ProjectTree::addWindowAction},
        {"program up", &ProjectTree::moveupProgramAction},
        {"program down", &ProjectTree::movedownProgramAction},
        {"copy program", &ProjectTree::copyProgramAction},
        {"paste program", &ProjectTree::pasteProgramAction},
        {"delete program", &ProjectTree::deleteProgramAction},
        {"add copied window", &ProjectTree::addCopiedWindowAction},
        {"clear windows", &ProjectTree::clearWindowAction},
        {"clear media", &ProjectTree::clearMediaAction},
        {"layer up", &ProjectTree::moveupLayerAction},
        {"layer down", &ProjectTree::movedownLayerAction},
        {"copy window", &ProjectTree::copyWindowAction},
        {"paste window", &ProjectTree::pasteWindowAction},
        {"delete window", &ProjectTree::deleteWindowAction},
        {"add clock", &ProjectTree::addAnalogClockAction},
        {"add text", &ProjectTree::addSimpleTextAction},
    };
    return map;
}

int pressOk(QDialog *dialog)
{
    static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
    return dialog->result();
}

// The main window with its default schedule; questions are answered Yes.
struct Editor {
    TestEnvironment env;
    ScriptedPrompts prompts;
    Widget w;

    Editor()
    {
        CopyBuffer::reset();
        copiedMedia = nullptr;
        prompts.answer = QMessageBox::Yes;
        w.show();
    }
    ~Editor() { CopyBuffer::reset(); }

    ProjectTree *tree() const { return w.projectWidgets.value(w.curDisplayName)->tree(); }
    QTreeWidgetItem *at(const QString &path) const { return itemAt(tree(), path); }

    // "entry@path": a right click on the item at path, choosing the entry.
    void run(const QString &step)
    {
        const QString name = step.section(QLatin1Char('@'), 0, 0);
        const QString path = step.section(QLatin1Char('@'), 1);
        QTreeWidgetItem *item = at(path);
        QVERIFY2(item, qPrintable(step));
        QVERIFY2(entries().contains(name), qPrintable(step));
        chooseFromMenu(prompts, tree(), item, tree()->*entries().value(name));
    }
    void runAll(const QStringList &steps)
    {
        for (const QString &step : steps)
            run(step);
    }

    GeneralObject *general(int i) const { return tree()->generalSegments.value(i); }
    ProgramObject *program(int segment, int i) const { return general(segment)->programs.value(i); }

    void addDisplayWindow()
    {
        prompts.onDialog = pressOk;
        w.slotAddDisplayWindow();
        prompts.onDialog = [](QDialog *) { return int(QDialog::Rejected); };
    }
};

QStringList namesOf(const QList<ProgramObject *> &records)
{
    QStringList names;
    for (const ProgramObject *record : records)
        names << record->name;
    return names;
}

QStringList namesOf(const QList<CommonWinObject *> &records)
{
    QStringList names;
    for (const CommonWinObject *record : records)
        names << record->name;
    return names;
}

// Programs stand in the tree in record order, windows in reverse record order.
void verifyRecordsFollowTheTree(ProjectTree *tree)
{
    QTreeWidgetItem *root = tree->topLevelItem(0);
    QStringList generalItems;
    for (int i = 0; i < root->childCount(); ++i) {
        QTreeWidgetItem *segmentItem = root->child(i);
        if (asProjectItem(segmentItem)->getItemType() == SegmentType::General)
            generalItems << segmentItem->text(0);
        QList<ProgramObject *> programs;
        for (ProgramObject *p : RecordLookup::programsOfType(tree->segmentLists(),
                                                             asProjectItem(segmentItem)->getItemType()))
            if (p->segmentName == segmentItem->text(0))
                programs << p;
        QCOMPARE(namesOf(programs), childTexts(segmentItem));
        for (int j = 0; j < segmentItem->childCount(); ++j) {
            QStringList windows = namesOf(programs.value(j)->windows);
            std::reverse(windows.begin(), windows.end());
            QCOMPARE(windows, childTexts(segmentItem->child(j)));
        }
    }
    QStringList generalRecords;
    for (const GeneralObject *segment : tree->generalSegments)
        generalRecords << segment->name;
    QCOMPARE(generalRecords, generalItems);
}

struct Counts {
    int segments = 0, programs = 0, windows = 0, media = 0;
    bool operator==(const Counts &o) const
    {
        return segments == o.segments && programs == o.programs && windows == o.windows && media == o.media;
    }
};

template <typename Segment>
void count(const QList<Segment *> &segments, Counts &c)
{
    for (const Segment *segment : segments) {
        ++c.segments;
        for (const ProgramObject *program : segment->programs) {
            ++c.programs;
            for (const CommonWinObject *window : program->windows) {
                ++c.windows;
                c.media += window->media.size();
            }
        }
    }
}

Counts countAll(const Widget &w)
{
    Counts c;
    for (const ProjectWidget *panel : w.projectWidgets) {
        count(panel->tree()->generalSegments, c);
        count(panel->tree()->cycleSegments, c);
        count(panel->tree()->timingSegments, c);
    }
    return c;
}

// Every record pointer the main window, the trees and the areas keep is null
// or points into a live schedule.
void verifyNoPointerIntoFreedRecords(const Widget &w)
{
    RecordSet alive;
    for (const ProjectWidget *panel : w.projectWidgets)
        alive.unite(panel->tree()->wholeSchedule());
    auto ok = [&alive](const void *pointer) { return !pointer || alive.contains(pointer); };
    QVERIFY(ok(w.curGeneralSegment) && ok(w.curCycleSegment) && ok(w.curTimingSegment));
    QVERIFY(ok(w.curProgram) && ok(w.curCommonWin) && ok(w.curMedia));
    for (const QVLedMediaObject *item : w.curMediaList)
        QVERIFY(ok(item));
    QVERIFY(ok(copiedMedia));
    QVERIFY(ok(CopyBuffer::copiedSegmentItem) && ok(CopyBuffer::copiedGeneralSegment));
    QVERIFY(ok(CopyBuffer::copiedProgramItem) && ok(CopyBuffer::copiedProgram));
    QVERIFY(ok(CopyBuffer::copiedWindowItem) && ok(CopyBuffer::copiedWindow));
    for (const ProjectWidget *panel : w.projectWidgets) {
        const ProjectTree *t = panel->tree();
        QVERIFY(ok(t->curItem) && ok(t->lastClickedItem) && ok(t->newSegmentItem) && ok(t->newProgramItem));
        QVERIFY(ok(t->newWindowItem) && ok(t->curGeneralSegment) && ok(t->curCycleSegment));
        QVERIFY(ok(t->curTimingSegment) && ok(t->curProgram) && ok(t->curCommonWin) && ok(t->curMediaObject));
    }
    for (const MainPlayBKLabel *display : w.displayWindows) {
        for (const CommonPlayWindow *area : display->playWindows) {
            QVERIFY(alive.contains(area->winObject));
            for (const QVLedMediaObject *item : area->mediaList)
                QVERIFY(alive.contains(item));
        }
    }
}

} // namespace

Q_DECLARE_METATYPE(ProgramObject *)

class TreeEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<ProgramObject *>(); }

    void numbersAndPlaces_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QStringList>("children");
        const QString g1 = "General Segment1", p1 = g1 + "/Program1";
        QTest::newRow("segments of each kind from 1")
            << QStringList{"add cycle@", "add timing@", "add segment@"} << QString()
            << QStringList{g1, "Cycle Inserted Segment1", "Timing Inserted Segment1", "General Segment2"};
        // the list size would give a second General Segment2, which could never be selected
        QTest::newRow("a name in use is passed over")
            << QStringList{"add segment@", "delete segment@" + g1, "add segment@"} << QString()
            << QStringList{"General Segment2", "General Segment3"};
        QTest::newRow("Program4 after a delete")
            << QStringList{"add program@" + g1, "add program@" + g1, "delete program@" + g1 + "/Program3",
                           "add program@" + g1}
            << g1 << QStringList{"Program1", "Program2", "Program4"};
        QTest::newRow("Program4 after a clear")
            << QStringList{"add program@" + g1, "add program@" + g1, "clear programs@" + g1, "add program@" + g1}
            << g1 << QStringList{"Program4"};
        QTest::newRow("a new window stands first")
            << QStringList{"add window@" + p1, "add window@" + p1} << p1
            << QStringList{"Common Window3", "Common Window2", "Common Window1"};
        QTest::newRow("programs of an inserted segment")
            << QStringList{"add timing@", "add program@Timing Inserted Segment1",
                           "add window@Timing Inserted Segment1/Program1"}
            << "Timing Inserted Segment1/Program1" << QStringList{"Common Window1"};
    }

    void numbersAndPlaces()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, parent);
        QFETCH(QStringList, children);
        Editor e;
        e.runAll(steps);
        QCOMPARE(childTexts(e.at(parent)), children);
        verifyRecordsFollowTheTree(e.tree());
        // every record of the tree carries the display window's name
        for (const GeneralObject *segment : e.tree()->generalSegments)
            QCOMPARE(segment->displayName, e.w.curDisplayName);
    }

    void addedItemsAndTheirRecords()
    {
        Editor e;
        ProjectTree *tree = e.tree();
        QSignalSpy programs(tree, &ProjectTree::sigAddProgram);
        e.run("add program@General Segment1");
        QCOMPARE(programs.count(), 1);
        QCOMPARE(programs.at(0).at(0).value<ProgramObject *>(), e.program(0, 1));
        QVERIFY(!e.at("General Segment1/Program2")->icon(0).isNull());
        QVERIFY(e.at("General Segment1/Program2")->isExpanded());

        e.run("add window@General Segment1/Program1");
        QCOMPARE(e.at("General Segment1/Program1")->child(0)->text(0), QStringLiteral("Common Window2"));
        const CommonWinObject *window = e.program(0, 0)->windows.value(1);
        QCOMPARE(window->name, QStringLiteral("Common Window2"));
        QCOMPARE(window->segmentType, QString(SegmentType::General));
        QCOMPARE(window->programName, QStringLiteral("Program1"));
        QCOMPARE(window->segmentName, QStringLiteral("General Segment1"));
    }

    void mediaIdsRunAcrossWindows()
    {
        Editor e;
        ProjectTree *tree = e.tree();
        e.run("add window@General Segment1/Program1");
        e.run("add clock@General Segment1/Program1/Common Window1");
        e.run("add text@General Segment1/Program1/Common Window2");
        e.run("add clock@General Segment1/Program1/Common Window2");
        const QList<CommonWinObject *> windows = e.program(0, 0)->windows;
        QCOMPARE(windows.value(0)->media.value(0)->id, 0);
        QCOMPARE(windows.value(1)->media.value(0)->id, 1);
        QCOMPARE(windows.value(1)->media.value(1)->id, 2);
        QCOMPARE(tree->mediaIdCounter, 3);
        const QVLedMediaObject *text = windows.value(1)->media.value(0);
        QCOMPARE(text->kind, QString(MediaKind::SimpleText));
        QCOMPARE(text->windowName, QStringLiteral("Common Window2"));
        QCOMPARE(text->displayName, e.w.curDisplayName);
        // the main window shows the window's rows, the new item last and current
        QCOMPARE(e.w.mediaTable()->rowCount(), 2);
        QCOMPARE(e.w.mediaTable()->currentRow(), 1);
        QCOMPARE(e.w.curMedia, windows.value(1)->media.value(1));
    }

    void loadedCountersGoOn()
    {
        Editor e;
        ProjectTree *tree = e.tree();
        const QString d = e.w.curDisplayName;
        tree->loadGeneralSegment("Loaded", d, false, {}, {}, Weekday::allDays(), true, {}, {}, 4);
        tree->loadProgram("Program5", SegmentType::General, d, Qt::black, {}, 1, {}, 0, 1, {}, 2);
        tree->loadCommonWindow("Common Window3", SegmentType::General, false, 0, Qt::red, 0, 0, 10, 10);
        tree->loadSegmentFinished();
        e.run("add program@Loaded");
        e.run("add window@Loaded/Program5");
        QCOMPARE(childTexts(e.at("Loaded")), QStringList({"Program5", "Program6"}));
        QCOMPARE(childTexts(e.at("Loaded/Program5")), QStringList({"Common Window4", "Common Window3"}));
    }

    void copiesAreNamedAndPlaced()
    {
        Editor e;
        const QString g1 = "General Segment1";
        e.runAll({"copy segment@" + g1, "paste segment@" + g1, "paste segment@" + g1});
        QCOMPARE(childTexts(e.at("")), QStringList({g1, g1 + "-2", g1 + "-1"}));
        QCOMPARE(e.tree()->generalSegments.value(1)->name, g1 + "-1"); // records go last
        QCOMPARE(e.tree()->curItem, e.at(g1 + "-2"));
        QCOMPARE(e.w.curGeneralSegment, e.tree()->generalSegments.value(2)); // selected as a click would

        // the counter is one for every tree
        e.addDisplayWindow();
        e.run("add copied segment@");
        const GeneralObject *other = e.tree()->generalSegments.last();
        QCOMPARE(other->name, g1 + "-3");
        QCOMPARE(other->displayName, e.w.curDisplayName);
        QCOMPARE(other->programs.value(0)->windows.value(0)->displayName, e.w.curDisplayName);
        QCOMPARE(childTexts(e.at(g1 + "-3")), QStringList{"Program1"});
    }

    void programAndWindowCopiesTakeTheReceiversCounter()
    {
        Editor e;
        const QString g1 = "General Segment1", p1 = g1 + "/Program1";
        e.runAll({"add program@" + g1, "copy program@" + p1, "paste program@" + g1 + "/Program2"});
        QCOMPARE(childTexts(e.at(g1)), QStringList({"Program1", "Program2", "Program1-3"}));
        const ProgramObject *copy = e.program(0, 2);
        QCOMPARE(copy->name, QStringLiteral("Program1-3"));
        QCOMPARE(copy->windowCounter, 1); // its windows keep their names and numbering
        QCOMPARE(copy->windows.value(0)->name, QStringLiteral("Common Window1"));
        QCOMPARE(copy->windows.value(0)->programName, QStringLiteral("Program1-3"));
        QVERIFY(copy->windows.value(0) != e.program(0, 0)->windows.value(0));
        QVERIFY(e.at(g1 + "/Program1-3")->icon(0).isNull());

        e.runAll({"add window@" + p1, "add window@" + p1, "copy window@" + p1 + "/Common Window2",
                  "paste window@" + p1 + "/Common Window2"});
        QCOMPARE(childTexts(e.at(p1)),
                 QStringList({"Common Window3", "Common Window2-4", "Common Window2", "Common Window1"}));
        QCOMPARE(namesOf(e.program(0, 0)->windows),
                 QStringList({"Common Window1", "Common Window2", "Common Window2-4", "Common Window3"}));
        verifyRecordsFollowTheTree(e.tree());
        QCOMPARE(e.w.curCommonWin, e.program(0, 0)->windows.value(2)); // the copy is selected
    }

    void aWindowCopyNumbersItsMediaFromTheReceivingTree()
    {
        Editor e;
        const QString w1 = "General Segment1/Program1/Common Window1";
        e.runAll({"add clock@" + w1, "add text@" + w1, "add clock@" + w1, "copy window@" + w1});
        e.tree()->mediaIdCounter = 10;
        e.run("add copied window@General Segment1/Program1");
        const CommonWinObject *copy = e.program(0, 0)->windows.last();
        QCOMPARE(copy->name, QStringLiteral("Common Window1-2"));
        QList<int> ids, sourceIds;
        for (const QVLedMediaObject *item : copy->media) {
            ids << item->id;
            QCOMPARE(item->windowName, copy->name);
        }
        for (const QVLedMediaObject *item : e.program(0, 0)->windows.first()->media)
            sourceIds << item->id;
        QCOMPARE(ids, (QList<int>{10, 11, 12}));
        QCOMPARE(sourceIds, (QList<int>{0, 1, 2}));
        QCOMPARE(e.tree()->mediaIdCounter, 13);
        QCOMPARE(childTexts(e.at("General Segment1/Program1")).value(0), QStringLiteral("Common Window1-2"));
    }

    void copiesAcrossKinds()
    {
        Editor e;
        e.runAll({"add cycle@", "add cycle@", "add timing@", "add program@Timing Inserted Segment1",
                  "add window@Timing Inserted Segment1/Program1"});
        // a cycle segment pasted by a general one: its item follows the general one, its record is the last cycle
        e.runAll({"copy segment@Cycle Inserted Segment1", "paste segment@General Segment1"});
        QCOMPARE(childTexts(e.at("")).value(1), QStringLiteral("Cycle Inserted Segment1-1"));
        QCOMPARE(e.tree()->cycleSegments.size(), 3);
        QCOMPARE(e.tree()->cycleSegments.last()->name, QStringLiteral("Cycle Inserted Segment1-1"));
        QCOMPARE(e.tree()->generalSegments.size(), 1);

        // a window of a timing segment pasted into a general program takes the general type
        e.runAll({"copy window@Timing Inserted Segment1/Program1/Common Window1",
                  "add copied window@General Segment1/Program1"});
        QCOMPARE(e.program(0, 0)->windows.last()->segmentType, QString(SegmentType::General));
        QCOMPARE(e.program(0, 0)->windows.last()->segmentName, QStringLiteral("General Segment1"));

        // a timing copy keeps its time points when the source loses its own
        TimingObject *source = e.tree()->timingSegments.first();
        auto *point = new TimePoint;
        point->time = QTime(8, 30);
        source->timePoints << point;
        e.runAll({"copy segment@Timing Inserted Segment1", "add copied segment@"});
        TimingObject *copy = e.tree()->timingSegments.last();
        QVERIFY(copy != source);
        qDeleteAll(source->timePoints);
        source->timePoints.clear();
        QCOMPARE(copy->timePoints.size(), 1);
        QCOMPARE(copy->timePoints.value(0)->time, QTime(8, 30));
    }

    void pasteWithNothingCopiedChangesNothing()
    {
        Editor e;
        const QStringList before = treeOutline(e.at(""));
        const Counts counts = countAll(e.w);
        e.runAll({"paste segment@General Segment1", "add copied segment@", "paste program@General Segment1/Program1",
                  "add copied window@General Segment1/Program1",
                  "paste window@General Segment1/Program1/Common Window1"});
        QCOMPARE(treeOutline(e.at("")), before);
        QVERIFY(countAll(e.w) == counts);
        QCOMPARE(CopyBuffer::segmentCopyCounter, 0);
        QCOMPARE(e.program(0, 0)->windowCounter, 1);
    }

    void theForgetStepRunsBeforeRecordsAreFreed_data()
    {
        // which copies survive the removal: segment, program, window (the media item never does)
        QTest::addColumn<QString>("removal");
        QTest::addColumn<QString>("survivors");
        QTest::newRow("clear all") << "clear all@" << "";
        QTest::newRow("clear programs") << "clear programs@General Segment1" << "S";
        QTest::newRow("clear windows") << "clear windows@General Segment1/Program1" << "SP";
        QTest::newRow("clear media") << "clear media@General Segment1/Program1/Common Window1" << "SPW";
        QTest::newRow("delete segment") << "delete segment@General Segment1" << "";
        QTest::newRow("delete program") << "delete program@General Segment1/Program1" << "S";
        QTest::newRow("delete window") << "delete window@General Segment1/Program1/Common Window1" << "SP";
        QTest::newRow("delete media") << "media" << "SPW";
        QTest::newRow("delete display window") << "display" << "";
        QTest::newRow("new") << "new" << "";
        QTest::newRow("open") << "open" << "";
    }

    void theForgetStepRunsBeforeRecordsAreFreed()
    {
        QFETCH(QString, removal);
        QFETCH(QString, survivors);
        Editor e;
        const QString w1 = "General Segment1/Program1/Common Window1";
        e.runAll({"add clock@" + w1, "copy segment@General Segment1", "copy program@General Segment1/Program1",
                  "copy window@" + w1});
        e.w.slotCopyCommonItem();
        QVERIFY(copiedMedia && CopyBuffer::copiedSegmentItem && CopyBuffer::copiedProgram && CopyBuffer::copiedWindow);
        const QString first = e.w.curDisplayName;

        if (removal == "media") {
            e.w.slotDeleteCommonItem();
        } else if (removal == "display") {
            e.addDisplayWindow();
            e.w.slotDisplayWindowChecked(first);
            e.w.slotDeleteDisplayWindow();
        } else if (removal == "new") {
            e.w.slotNewDoc(); // "save first?" Yes, then no name: nothing saved
        } else if (removal == "open") {
            e.prompts.fileName = e.env.path("kept.qvsc"); // saved first, then opened again
            e.w.slotOpenDoc();
        } else {
            e.run(removal);
        }

        QCOMPARE(CopyBuffer::copiedSegmentItem != nullptr, survivors.contains('S'));
        QCOMPARE(CopyBuffer::copiedGeneralSegment != nullptr, survivors.contains('S'));
        QCOMPARE(CopyBuffer::copiedProgram != nullptr, survivors.contains('P'));
        QCOMPARE(CopyBuffer::copiedWindow != nullptr, survivors.contains('W'));
        QVERIFY(!copiedMedia); // every removal here takes the copied item along
        verifyNoPointerIntoFreedRecords(e.w);

        // a later paste of what went makes nothing (and reads nothing freed)
        const Counts counts = countAll(e.w);
        ProjectTree *tree = e.tree();
        if (!survivors.contains('S')) {
            tree->curItem = tree->rootItem;
            tree->addCopyedTimesSlot();
        }
        if (!survivors.contains('W')) {
            if (QTreeWidgetItem *program = tree->rootItem->child(0) ? tree->rootItem->child(0)->child(0) : nullptr) {
                tree->curItem = program;
                tree->addCopiedWindowSlot();
            }
        }
        e.w.slotPasteCommonItem();
        QVERIFY(countAll(e.w) == counts);
    }

    void noAndEscapeChangeNothing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("answer");
        const struct {
            const char *step;
            const char *question;
        } cases[] = {
            {"clear all@", "Are you sure to delete all the segments?"},
            {"clear programs@General Segment1", "Are you sure to delete all the program pages of the current segment?"},
            {"clear windows@General Segment1/Program1", "Are you sure to clear all the windows of current program page?"},
            {"clear media@General Segment1/Program1/Common Window1",
             "Are you sure to delete all the media of the current window?"},
            {"delete segment@General Segment1", "Are you sure to delete the current segment?"},
            {"delete program@General Segment1/Program1", "Are you sure to delete the current program page?"},
            {"delete window@General Segment1/Program1/Common Window1", "Are you sure to delete the current window?"},
            {"media", "Are you sure to delete the selected media?"},
        };
        for (const auto &c : cases) {
            QTest::newRow(qPrintable(QString(c.step) + " No")) << c.step << c.question << int(QMessageBox::No);
            // Escape or the close button: the box answers with no button at all
            QTest::newRow(qPrintable(QString(c.step) + " Escape"))
                << c.step << c.question << int(QMessageBox::NoButton);
        }
    }

    void noAndEscapeChangeNothing()
    {
        QFETCH(QString, step);
        QFETCH(QString, question);
        QFETCH(int, answer);
        Editor e;
        const QString w1 = "General Segment1/Program1/Common Window1";
        e.runAll({"add clock@" + w1, "copy window@" + w1});
        e.w.slotCopyCommonItem();
        const QStringList outline = treeOutline(e.at(""));
        const Counts counts = countAll(e.w);
        QSignalSpy areasGo(e.tree(), &ProjectTree::clearSegmentObj);
        const int areas = e.w.displayWindows.first()->playWindows.size();

        e.prompts.answer = QMessageBox::StandardButton(answer);
        if (step == "media")
            e.w.slotDeleteCommonItem();
        else
            e.run(step);
        QCOMPARE(e.prompts.questions.value(e.prompts.questions.size() - 1), question);
        QCOMPARE(treeOutline(e.at("")), outline);
        QVERIFY(countAll(e.w) == counts);
        QCOMPARE(areasGo.count(), 0);
        QCOMPARE(e.w.displayWindows.first()->playWindows.size(), areas);
        QVERIFY(CopyBuffer::copiedWindow && copiedMedia);
        QCOMPARE(e.w.mediaTable()->rowCount(), 1);
    }

    void deletesSelectWhatFollows()
    {
        Editor e;
        const QString g1 = "General Segment1";
        e.runAll({"add program@" + g1, "add program@" + g1, "delete program@" + g1 + "/Program2"});
        QCOMPARE(e.tree()->curItem, e.at(g1 + "/Program1")); // the first remaining program
        QCOMPARE(e.w.curProgram, e.program(0, 0));
        e.runAll({"delete program@" + g1 + "/Program1", "delete program@" + g1 + "/Program3"});
        QCOMPARE(e.tree()->curItem, e.at(g1)); // the segment, once it has none
        QCOMPARE(e.w.curGeneralSegment, e.general(0));
        e.run("delete segment@" + g1);
        QCOMPARE(e.tree()->curItem, e.at(""));
        QVERIFY(!e.w.scheduleSetupLabel->isHidden());
        QVERIFY(e.tree()->generalSegments.isEmpty());
    }

    void deletesDropTheirPlayAreasFirst()
    {
        Editor e;
        ProjectTree *tree = e.tree();
        MainPlayBKLabel *display = e.w.displayWindows.first();
        QCOMPARE(display->playWindows.size(), 1);
        QSignalSpy programGoes(tree, &ProjectTree::deleteProgramObj);
        e.run("delete program@General Segment1/Program1");
        QCOMPARE(programGoes.count(), 1);
        QVERIFY(display->playWindows.isEmpty());
    }

    void clearMediaActsOnTheWindowWhoseMenuWasUsed()
    {
        Editor e;
        const QString p1 = "General Segment1/Program1";
        e.runAll({"add window@" + p1, "add clock@" + p1 + "/Common Window1", "add clock@" + p1 + "/Common Window2"});
        // what the main window shows is not what the menu was opened on
        e.w.curCommonWin = nullptr;
        e.tree()->curCommonWin = nullptr;
        e.run("clear media@" + p1 + "/Common Window1");
        QVERIFY(e.program(0, 0)->windows.value(0)->media.isEmpty());
        QCOMPARE(e.program(0, 0)->windows.value(1)->media.size(), 1);
        QCOMPARE(e.w.mediaTable()->rowCount(), 0);
    }

    void movesAtTheEndsDoNothing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("first segment up") << "segment up@General Segment1";
        QTest::newRow("last segment down") << "segment down@Timing Inserted Segment1";
        QTest::newRow("first program up") << "program up@General Segment1/Program1";
        QTest::newRow("last program down") << "program down@General Segment1/Program2";
        QTest::newRow("top window up") << "layer up@General Segment1/Program1/Common Window2";
        QTest::newRow("bottom window down") << "layer down@General Segment1/Program1/Common Window1";
    }

    void movesAtTheEndsDoNothing()
    {
        QFETCH(QString, step);
        Editor e;
        e.runAll({"add timing@", "add program@General Segment1", "add window@General Segment1/Program1"});
        const QStringList outline = treeOutline(e.at(""));
        QSignalSpy up(e.tree(), &ProjectTree::sigMoveupCommonWin);
        QSignalSpy down(e.tree(), &ProjectTree::sigMovedownCommonWin);
        e.run(step);
        QCOMPARE(treeOutline(e.at("")), outline);
        QCOMPARE(up.count() + down.count(), 0);
        verifyRecordsFollowTheTree(e.tree());
    }

    void segmentAndProgramMovesReorderTheirRecords()
    {
        Editor e;
        e.runAll({"add cycle@", "add segment@"}); // General Segment1, Cycle Inserted Segment1, General Segment2
        // past the cycle item: the general list keeps its order
        e.run("segment up@General Segment2");
        QCOMPARE(childTexts(e.at("")),
                 QStringList({"General Segment1", "General Segment2", "Cycle Inserted Segment1"}));
        verifyRecordsFollowTheTree(e.tree());
        // past a general item: the general list follows
        e.run("segment up@General Segment2");
        QCOMPARE(e.general(0)->name, QStringLiteral("General Segment2"));
        QVERIFY(e.at("General Segment2")->isExpanded());
        // the last general segment down past a cycle item, then the end
        e.runAll({"segment down@General Segment1", "segment down@General Segment1"});
        QCOMPARE(childTexts(e.at("")),
                 QStringList({"General Segment2", "Cycle Inserted Segment1", "General Segment1"}));
        verifyRecordsFollowTheTree(e.tree());

        e.runAll({"add program@General Segment1", "add program@General Segment1",
                  "program up@General Segment1/Program3"});
        QCOMPARE(namesOf(e.general(1)->programs), QStringList({"Program1", "Program3", "Program2"}));
        verifyRecordsFollowTheTree(e.tree());
    }

    void aLayerMoveRestacksTheAreasOfItsProgram()
    {
        Editor e;
        const QString g1 = "General Segment1", p1 = g1 + "/Program1", p2 = g1 + "/Program2";
        e.runAll({"add window@" + p1, "add program@" + g1, "add window@" + p2, "add window@" + p2});
        // selecting each window makes its area
        for (const QString &path : {p1 + "/Common Window2", p2 + "/Common Window1", p2 + "/Common Window2"})
            clickItem(e.tree(), e.at(path));
        MainPlayBKLabel *display = e.w.displayWindows.first();
        auto areaOf = [display](const CommonWinObject *window) {
            for (CommonPlayWindow *area : display->playWindows)
                if (area->winObject == window)
                    return area;
            return static_cast<CommonPlayWindow *>(nullptr);
        };
        const QList<CommonWinObject *> windows2 = e.program(0, 1)->windows;
        CommonPlayWindow *p2w1 = areaOf(windows2.value(0)), *p2w2 = areaOf(windows2.value(1));
        QVERIFY(p2w1 && p2w2);
        QCOMPARE(display->playWindows.size(), 4);
        const int p1Areas = display->playWindows.indexOf(areaOf(e.program(0, 0)->windows.value(0)));

        QSignalSpy down(e.tree(), &ProjectTree::sigMovedownCommonWin);
        e.run("layer down@" + p2 + "/Common Window2"); // from the top: now under Common Window1
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toInt(), 0);
        QCOMPARE(childTexts(e.at(p2)), QStringList({"Common Window1", "Common Window2"}));
        QCOMPARE(e.program(0, 1)->windows, windows2); // records keep their order
        QCOMPARE(display->playWindows.indexOf(p2w2) + 1, display->playWindows.indexOf(p2w1));
        QObjectList stacking = display->children();
        QVERIFY(stacking.indexOf(p2w2) < stacking.indexOf(p2w1));
        QCOMPARE(display->playWindows.indexOf(areaOf(e.program(0, 0)->windows.value(0))), p1Areas);

        e.run("layer up@" + p2 + "/Common Window2");
        QCOMPARE(display->playWindows.indexOf(p2w2), display->playWindows.indexOf(p2w1) + 1);
        stacking = display->children();
        QVERIFY(stacking.indexOf(p2w2) > stacking.indexOf(p2w1));
    }

    void aRenamedDisplayWindowKeepsItsSchedule()
    {
        Editor e;
        const QString a = e.w.curDisplayName;
        e.run("add clock@General Segment1/Program1/Common Window1");
        e.addDisplayWindow();
        const QString other = e.w.curDisplayName;
        e.w.slotDisplayWindowChecked(a);
        e.prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->nameEdit->setText("Renamed");
            return pressOk(dialog);
        };
        e.w.slotDisplayWindowSetting();
        QCOMPARE(e.w.curDisplayName, QStringLiteral("Renamed"));
        ProjectTree *tree = e.tree();
        QCOMPARE(tree->displayName, QStringLiteral("Renamed"));
        const CommonWinObject *window = e.program(0, 0)->windows.value(0);
        QCOMPARE(e.general(0)->displayName, QStringLiteral("Renamed"));
        QCOMPARE(e.program(0, 0)->displayName, QStringLiteral("Renamed"));
        QCOMPARE(window->displayName, QStringLiteral("Renamed"));
        QCOMPARE(window->media.value(0)->displayName, QStringLiteral("Renamed"));
        const ProjectTree *otherTree = e.w.projectWidgets.value(other)->tree();
        QCOMPARE(otherTree->displayName, other);
        QCOMPARE(otherTree->generalSegments.value(0)->displayName, other);

        // its items still select, and it still plays
        clickItem(tree, e.at("General Segment1/Program1"));
        clickItem(tree, e.at("General Segment1/Program1/Common Window1"));
        QCOMPARE(e.w.curCommonWin, window);
        e.w.slotOverallPlay();
        QVERIFY(tree->playing);
        QVERIFY(e.w.realPlayDisplayNames.contains("Renamed"));
        e.w.slotOverallStop();
        QVERIFY(!tree->playing);
    }

    void changeNoticesRenameTheRecordsBelow()
    {
        Editor e;
        e.run("add clock@General Segment1/Program1/Common Window1");
        e.addDisplayWindow();
        ProjectTree *other = e.tree();
        ProgramObject *otherProgram = other->generalSegments.value(0)->programs.value(0);
        e.w.slotDisplayWindowChecked(Widget::displayWindowName(1));
        GeneralObject *segment = e.general(0);
        ProgramObject *program = e.program(0, 0);
        const CommonWinObject *window = program->windows.value(0);

        segment->name = "Morning";
        emit e.w.sigSegmentChanged(segment);
        QCOMPARE(program->segmentName, QStringLiteral("Morning"));
        QCOMPARE(window->segmentName, QStringLiteral("Morning"));
        QCOMPARE(window->media.value(0)->segmentName, QStringLiteral("Morning"));
        program->name = "Opening";
        emit e.w.sigProgramChanged(program);
        QCOMPARE(window->programName, QStringLiteral("Opening"));
        QCOMPARE(window->media.value(0)->programName, QStringLiteral("Opening"));
        // another display window's records are never touched, and no item text changes
        QCOMPARE(otherProgram->segmentName, QStringLiteral("General Segment1"));
        QVERIFY(e.at("General Segment1/Program1"));
        // a record that is not in the tree's lists changes nothing
        GeneralObject stranger;
        emit e.w.sigSegmentChanged(&stranger);
    }
};

QTEST_MAIN(TreeEditingTest)
#include "test_treeediting.moc"

// The window panel: its media table with copy, paste, delete and reorder;
// the editing of the selected window's border and geometry, its presets from
// the tree's window menu, and what the desktop shows of it; and a schedule
// edited this way that is saved and opened again.

#include "editor/CopyBuffer.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/DigitalClockPanel.h"
#include "panels/DigitalTimerPanel.h"
#include "panels/MediaPanel.h"
#include "panels/WindowPanel.h"
#include "panels/controls/ColourButton.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/TreeProbe.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral("General Segment1/Program1");
const QString kWindow = kProgram + QStringLiteral("/Common Window1");

int pressOk(QDialog *dialog)
{
    static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
    return dialog->result();
}

struct Panel {
    TestEnvironment env;
    ScriptedPrompts prompts;
    Widget w;
    WindowPanel *panel;

    Panel() : panel(w.commonWinSetupLabel())
    {
        CopyBuffer::reset();
        copiedMedia = nullptr;
        prompts.answer = QMessageBox::Yes;
        w.show();
    }

    ProjectTree *tree() const { return w.projectWidgets.value(w.curDisplayName)->tree(); }
    QTreeWidgetItem *at(const QString &path) const { return itemAt(tree(), path); }
    void choose(const QString &path, QAction *entry) { chooseFromMenu(prompts, tree(), at(path), entry); }
    CommonWinObject *window(int i = 0) const
    {
        return tree()->generalSegments.value(0)->programs.value(0)->windows.value(i);
    }
    QSpinBox *spin(WindowGeometry::Field field) const { return panel->spinBox(field); }
    MainPlayBKLabel *display() const { return w.displayWindows.value(0); }
    CommonPlayWindow *areaOf(const CommonWinObject *record) const
    {
        for (CommonPlayWindow *area : display()->playWindows)
            if (area->winObject == record)
                return area;
        return nullptr;
    }
    // The window selected, then sized by its fields.
    void selectSized(int width, int height)
    {
        clickItem(tree(), at(kWindow));
        spin(WindowGeometry::Field::Width)->setValue(width);
        spin(WindowGeometry::Field::Height)->setValue(height);
    }
    // A click on a row of the media table, which makes its item current.
    void clickRow(int row)
    {
        QTableWidget *table = w.mediaTable();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                          table->visualItemRect(table->item(row, 0)).center());
    }
    QStringList tableTexts() const
    {
        QStringList texts;
        for (int row = 0; row < w.madeMediaTable()->rowCount(); ++row)
            texts << (w.madeMediaTable()->item(row, 0) ? w.madeMediaTable()->item(row, 0)->text() : QString());
        return texts;
    }
};

QRect geometryOf(const CommonWinObject *window)
{
    return QRect(window->x, window->y, window->width, window->height);
}

QStringList kindsOf(const CommonWinObject *window)
{
    QStringList kinds;
    for (const QVLedMediaObject *item : window->media)
        kinds << item->kind;
    return kinds;
}

} // namespace

class WindowPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void everyAddMediaEntryAddsItsKind_data()
    {
        QTest::addColumn<int>("entry"); // position in the "Add Media" submenu, separators not counted
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("row");
        const char *rows[][2] = {{"simpleText", "Simple Text"},    {"singleRowText", "Single-row text"},
                                 {"scrollingText", "Scrolling text"}, {"analogClock", "Analog Clock"},
                                 {"digitalClock", "Digital Clock"}, {"digitalTimer", "Digital Timer"},
                                 {"weather", "Weather"},            {"URL", "URL"},
                                 {"streaming", "Streaming Media"},  {"videoDevice", "Device"}};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(rows[i][0]) << i + 1 << rows[i][0] << rows[i][1];
    }

    void everyAddMediaEntryAddsItsKind()
    {
        QFETCH(int, entry);
        QFETCH(QString, kind);
        QFETCH(QString, row);
        Panel p;
        QList<QAction *> addMedia;
        for (QAction *action : p.tree()->addMediaMenu->actions())
            if (!action->isSeparator())
                addMedia << action;
        p.choose(kWindow, addMedia.value(entry));
        QCOMPARE(kindsOf(p.window()), QStringList{kind});
        QCOMPARE(p.tableTexts(), QStringList{row});
        QCOMPARE(p.w.curMedia, p.window()->media.value(0));
        // "File" imports files, which comes later: it does nothing yet
        p.choose(kWindow, addMedia.value(0));
        QCOMPARE(p.window()->media.size(), 1);
    }

    void pasteGoesAfterTheCurrentRowOrToTheHeadOfAnEmptyTable()
    {
        Panel p;
        p.choose(kProgram, p.tree()->addWindowAction);
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.choose(kWindow, p.tree()->addSingleRowTextAction);
        p.clickRow(0);
        p.w.slotCopyCommonItem();
        QCOMPARE(copiedMedia, p.window()->media.value(0));
        p.w.slotPasteCommonItem();
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "analogClock", "singleRowText"}));
        QCOMPARE(p.tableTexts(), QStringList({"Analog Clock", "Analog Clock", "Single-row text"}));
        QVERIFY(p.window()->media.value(1) != copiedMedia);
        QCOMPARE(p.window()->media.value(1)->id, 2);
        QCOMPARE(p.w.mediaTable()->currentRow(), 0); // the pasted row does not become current

        // into the other, empty window: the copy heads its list
        QSignalSpy pastes(&p.w, &Widget::sigPasteMedia);
        clickItem(p.tree(), p.at(kProgram + "/Common Window2"));
        QCOMPARE(p.w.mediaTable()->rowCount(), 0);
        p.w.slotPasteCommonItem();
        QCOMPARE(pastes.count(), 1);
        QCOMPARE(pastes.at(0).at(2).toInt(), -1);
        const CommonWinObject *second = p.window(1);
        QCOMPARE(kindsOf(second), QStringList{"analogClock"});
        QCOMPARE(second->media.value(0)->windowName, QStringLiteral("Common Window2"));
        QCOMPARE(p.tableTexts(), QStringList{"Analog Clock"});
    }

    void aMediaPasteReachesOnlyTheTreeThatShowsTheWindow()
    {
        Panel p;
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.w.slotCopyCommonItem();
        ProjectTree *first = p.tree();
        p.prompts.onDialog = pressOk;
        p.w.slotAddDisplayWindow();
        // the second display window's tree shows its own window; the first one's would be pasted into
        CommonWinObject *foreign = first->generalSegments.value(0)->programs.value(0)->windows.value(0);
        emit p.w.sigPasteMedia(copiedMedia, foreign, 0);
        QCOMPARE(foreign->media.size(), 1);
        const CommonWinObject *own = p.window();
        QVERIFY(own->media.isEmpty());
        // a paste into a window the tree does not show makes nothing either
        p.w.curCommonWin = foreign;
        const int rows = p.w.mediaTable()->rowCount();
        p.w.slotPasteCommonItem();
        QCOMPARE(foreign->media.size(), 1);
        QCOMPARE(p.w.mediaTable()->rowCount(), rows);
    }

    void deleteRemovesOneEntryOnceWhateverTheTrees()
    {
        Panel p;
        p.prompts.onDialog = pressOk;
        p.w.slotAddDisplayWindow();
        p.w.slotAddDisplayWindow();
        QCOMPARE(p.w.projectWidgets.size(), 3);
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.choose(kWindow, p.tree()->addDigitalClockAction);
        p.clickRow(0);
        QCOMPARE(p.w.curMedia, p.window()->media.value(0));
        QSignalSpy notices(&p.w, &Widget::sigDeleteMedia);
        int hidden = 0;
        for (ProjectWidget *panel : p.w.projectWidgets)
            QObject::connect(panel->tree(), &ProjectTree::sigDeleteMediaObject, [&hidden] { ++hidden; });
        p.w.slotDeleteCommonItem();
        QCOMPARE(notices.count(), 1);
        QCOMPARE(hidden, 3); // every tree reports, one entry goes
        QCOMPARE(kindsOf(p.window()), QStringList{"digitalClock"});
        QCOMPARE(p.tableTexts(), QStringList{"Digital Clock"});
        QVERIFY(!p.w.curMedia);
        QVERIFY(p.w.digitalClockSetupLabel()->isHidden());
    }

    // After a middle row goes, no row stands highlighted without its item being
    // current: nothing is selected, no media panel shows, and a copy keeps what
    // was copied before instead of storing the item that went.
    void afterADeleteTheHighlightAndTheCurrentItemAgree()
    {
        Panel p;
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.choose(kWindow, p.tree()->addDigitalClockAction);
        p.choose(kWindow, p.tree()->addDigitalTimerAction);
        p.clickRow(0);
        p.w.slotCopyCommonItem();
        QVLedMediaObject *copied = p.window()->media.value(0);
        QCOMPARE(copiedMedia, copied);
        p.clickRow(1);
        QCOMPARE(p.w.curMedia, p.window()->media.value(1));
        p.w.slotDeleteCommonItem();
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "digitalTimer"}));
        QVERIFY(p.w.mediaTable()->selectedRanges().isEmpty());
        QCOMPARE(p.w.mediaTable()->currentRow(), -1);
        QVERIFY(!p.w.curMedia);
        for (QWidget *panel : p.panel->findChildren<MediaPanel *>())
            QVERIFY(panel->isHidden());
        p.w.slotCopyCommonItem();
        QCOMPARE(copiedMedia, copied);
        p.w.slotPasteCommonItem();
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "digitalTimer", "analogClock"}));
        // the next click selects as any click does
        p.clickRow(1);
        QCOMPARE(p.w.curMedia, p.window()->media.value(1));
        QVERIFY(p.w.digitalTimerSetupLabel()->isVisible());
    }

    void deletingTheCopiedItemEmptiesThePaste()
    {
        Panel p;
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.w.slotCopyCommonItem();
        p.w.slotDeleteCommonItem();
        QVERIFY(!copiedMedia);
        p.w.slotPasteCommonItem();
        QVERIFY(p.window()->media.isEmpty());
        QCOMPARE(p.w.mediaTable()->rowCount(), 0);
    }

    void upAndDownSwapNeighboursButNotAtTheEnds()
    {
        Panel p;
        p.choose(kWindow, p.tree()->addAnalogClockAction);
        p.choose(kWindow, p.tree()->addDigitalClockAction);
        p.choose(kWindow, p.tree()->addDigitalTimerAction);
        QSignalSpy swaps(&p.w, &Widget::sigSwapMedia);
        p.w.mediaTable()->setCurrentCell(0, 0);
        p.w.slotUpCommonItem();
        p.w.mediaTable()->setCurrentCell(2, 0);
        p.w.slotDownCommonItem();
        QCOMPARE(swaps.count(), 0);
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "digitalClock", "digitalTimer"}));

        p.w.slotUpCommonItem(); // row 2 up
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "digitalTimer", "digitalClock"}));
        QCOMPARE(p.tableTexts(), QStringList({"Analog Clock", "Digital Timer", "Digital Clock"}));
        QCOMPARE(p.w.mediaTable()->currentRow(), 1);
        p.w.slotDownCommonItem();
        QCOMPARE(kindsOf(p.window()), QStringList({"analogClock", "digitalClock", "digitalTimer"}));
        // selecting a row after the reorder gives the item now at that place
        p.clickRow(1);
        QCOMPARE(p.w.curMedia, p.window()->media.value(1));
        QCOMPARE(p.w.curMedia->kind, QStringLiteral("digitalClock"));
    }

    void presetsFromTheWindowMenu_data()
    {
        QTest::addColumn<bool>("position");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QRect>("expected");
        // a window of 100 x 50 at 0,0 in a display window of 320 x 240
        QTest::newRow("right") << true << 4 << QRect(220, 0, 100, 50);
        QTest::newRow("bottom") << true << 6 << QRect(0, 190, 100, 50);
        QTest::newRow("center") << true << 0 << QRect(110, 95, 100, 50);
        QTest::newRow("horizontal third") << false << 3 << QRect(0, 0, 106, 50);
        QTest::newRow("vertical quarter") << false << 8 << QRect(0, 0, 100, 60);
        QTest::newRow("full-screen") << false << 0 << QRect(0, 0, 320, 240);
    }

    void presetsFromTheWindowMenu()
    {
        QFETCH(bool, position);
        QFETCH(int, entry);
        QFETCH(QRect, expected);
        Panel p;
        p.selectSized(100, 50);
        const QList<QAction *> &actions =
            position ? p.tree()->windowPositionActions : p.tree()->windowSizeActions;
        p.choose(kWindow, actions.value(entry));
        QCOMPARE(geometryOf(p.window()), expected);
        QCOMPARE(p.areaOf(p.window())->geometry(), expected); // the desktop shows it at once
        QCOMPARE(p.spin(WindowGeometry::Field::X)->value(), expected.x());
    }

    void presetsUseTheSizeOnTheDesktopAndWaitWhilePlaying()
    {
        {
            Panel p;
            p.selectSized(100, 50);
            p.display()->resize(400, 240); // wider on the desktop than its record says
            p.w.setWinPosRightSlot();
            // X 300 from the desktop's width; the record's 320 then pulls the width in
            QCOMPARE(geometryOf(p.window()), QRect(300, 0, 20, 50));
        }
        {
            Panel p;
            p.selectSized(100, 50);
            p.w.realPlayDisplayNames << p.w.curDisplayName;
            p.w.setWinPosRightSlot();
            QCOMPARE(geometryOf(p.window()), QRect(0, 0, 100, 50));
            p.w.realPlayDisplayNames.clear();
        }
        {
            // wider than the display window: Right computes -80, the box keeps 0
            Panel p;
            p.selectSized(100, 50);
            p.window()->width = 400;
            p.w.setWinPosRightSlot();
            QCOMPARE(p.window()->x, 0);
        }
    }

    void geometryFieldsKeepTheWindowInside()
    {
        Panel p;
        p.selectSized(100, 50);
        p.spin(WindowGeometry::Field::X)->setValue(316);
        QCOMPARE(p.spin(WindowGeometry::Field::X)->value(), 315);
        QCOMPARE(p.window()->x, 315);
        QCOMPARE(p.window()->width, 5); // pulled in to stay inside

        p.spin(WindowGeometry::Field::Y)->setValue(200);
        QCOMPARE(p.window()->y, 200);
        QCOMPARE(p.window()->height, 40);
        QCOMPARE(p.spin(WindowGeometry::Field::Height)->value(), 40);
        QCOMPARE(p.areaOf(p.window())->geometry(), QRect(315, 200, 5, 40));
        QVERIFY(!p.display()->showNameMarks);
    }

    void borderWidthIsEvenAndFollowsTheFrameBox()
    {
        Panel p;
        p.selectSized(100, 50);
        QVERIFY(!p.panel->borderWidthSpin()->isEnabled());
        p.panel->frameBox()->setChecked(true);
        QVERIFY(p.panel->borderWidthSpin()->isEnabled() && p.panel->colourButton()->isEnabled());
        p.panel->borderWidthSpin()->setValue(3);
        QCOMPARE(p.window()->borderWidth, 4);
        QVERIFY(p.window()->borderEnabled);
        CommonPlayWindow *area = p.areaOf(p.window());
        QCOMPARE(area->borderWidth, 4);
        QVERIFY(area->borderEnabled);

        p.panel->frameBox()->setChecked(false);
        QCOMPARE(p.window()->borderWidth, 0);
        QVERIFY(!p.panel->borderWidthSpin()->isEnabled() && !p.panel->colourButton()->isEnabled());
        QCOMPARE(area->borderWidth, 0);
        p.panel->frameBox()->setChecked(true);
        QCOMPARE(p.window()->borderWidth, 4); // the box's 3, rounded up again
    }

    void theBorderColourIsAskedAndACancelChangesNothing()
    {
        Panel p;
        p.selectSized(100, 50);
        p.panel->frameBox()->setChecked(true);
        p.prompts.colourAnswer = QColor(); // cancelled
        p.w.slotShowCommonWinColorDialog();
        QCOMPARE(p.prompts.colourDialogs.size(), 1);
        QCOMPARE(p.window()->borderColour, QColor(255, 0, 0));
        p.prompts.colourAnswer = QColor(0, 128, 255);
        QTest::mouseClick(p.panel->colourButton(), Qt::LeftButton);
        QCOMPARE(p.window()->borderColour, QColor(0, 128, 255));
        QCOMPARE(p.areaOf(p.window())->borderColour, QColor(0, 128, 255));
        QCOMPARE(p.panel->colourButton()->colour(), QColor(0, 128, 255));
    }

    void selectingAWindowNeverRewritesItsBorder()
    {
        Panel p;
        p.choose(kProgram, p.tree()->addWindowAction);
        CommonWinObject *bordered = p.window(0);
        bordered->borderEnabled = true;
        bordered->borderWidth = 6;
        bordered->borderColour = Qt::green;
        clickItem(p.tree(), p.at(kProgram + "/Common Window2")); // no border, spin box at its minimum
        QCOMPARE(p.window(1)->borderWidth, 0);
        clickItem(p.tree(), p.at(kWindow));
        QCOMPARE(bordered->borderWidth, 6);
        QVERIFY(bordered->borderEnabled);
        QCOMPARE(p.panel->borderWidthSpin()->value(), 6);
        QVERIFY(p.panel->frameBox()->isChecked());
        QCOMPARE(p.panel->colourButton()->colour(), QColor(Qt::green));
        clickItem(p.tree(), p.at(kProgram + "/Common Window2"));
        QCOMPARE(p.window(1)->borderWidth, 0);
        QVERIFY(!p.window(1)->borderEnabled);
    }

    void selectionFillsTheFieldsAndAMouseEditFollows()
    {
        Panel p;
        clickItem(p.tree(), p.at(kWindow));
        // a window of no size takes its display window's
        QCOMPARE(geometryOf(p.window()), QRect(0, 0, 320, 240));
        QCOMPARE(p.panel->nameEdit()->text(), QStringLiteral("Common Window1"));
        QVERIFY(p.panel->nameEdit()->isReadOnly());

        CommonWinObject *window = p.window();
        window->x = 20;
        window->width = 80;
        QSignalSpy updates(&p.w, &Widget::sigUpdateCommon);
        p.w.updateCommonWinGeometry(window);
        QCOMPARE(updates.count(), 1);
        QCOMPARE(p.spin(WindowGeometry::Field::X)->value(), 20);
        QCOMPARE(p.spin(WindowGeometry::Field::Width)->value(), 80);
    }

    void anEmptiedNameKeepsItsFirstCharacter()
    {
        Panel p;
        clickItem(p.tree(), p.at(kWindow));
        QSignalSpy renames(&p.w, &Widget::sigCommonWinNameChanged);
        p.panel->nameEdit()->setText(QString());
        QCOMPARE(p.window()->name, QStringLiteral("C"));
        QCOMPARE(p.panel->nameEdit()->text(), QStringLiteral("C"));
        QVERIFY(renames.count() >= 1);
        QCOMPARE(renames.last().at(0).toString(), QStringLiteral("Common Window1"));
        // nothing left to keep: nothing is read past the name
        p.panel->nameEdit()->setText(QStringLiteral("x"));
        p.window()->name.clear();
        p.panel->nameEdit()->setText(QString());
        QCOMPARE(p.window()->name, QString());
    }

    void anEditedScheduleOpensAgainAsItWas()
    {
        Panel p;
        const QString g1 = "General Segment1";
        ProjectTree *tree = p.tree();
        p.choose("", tree->addCycleSegmentAction);
        p.choose(g1, tree->addProgramAction);
        p.choose(kProgram, tree->addWindowAction);
        p.choose(kWindow, tree->addAnalogClockAction);
        p.choose(kWindow, tree->addSimpleTextAction);
        p.choose(kWindow, tree->copyWindowAction);
        p.choose(kWindow, tree->pasteWindowAction);
        p.choose(kProgram, tree->copyProgramAction);
        p.choose(g1 + "/Program2", tree->pasteProgramAction);
        p.choose(kProgram + "/Common Window2", tree->deleteWindowAction);
        p.choose("Cycle Inserted Segment1", tree->addProgramAction);
        clickItem(tree, p.at(kWindow));
        p.selectSized(120, 60);
        const QStringList outline = treeOutline(p.at(""));
        QStringList records;
        auto dump = [](ProjectTree *t) {
            QStringList lines;
            for (const GeneralObject *s : t->generalSegments)
                for (const ProgramObject *pr : s->programs)
                    for (const CommonWinObject *w : pr->windows) {
                        lines << QStringLiteral("%1/%2/%3 %4,%5 %6x%7")
                                     .arg(s->name, pr->name, w->name)
                                     .arg(w->x)
                                     .arg(w->y)
                                     .arg(w->width)
                                     .arg(w->height);
                        for (const QVLedMediaObject *m : w->media)
                            lines << QStringLiteral("  %1 %2 %3").arg(m->kind).arg(m->id).arg(m->windowName);
                    }
            return lines;
        };
        records = dump(tree);

        p.prompts.fileName = p.env.path("edited.qvsc");
        p.w.slotSaveAsDoc();
        p.prompts.answer = QMessageBox::No; // no save before opening
        p.w.slotOpenDoc();
        QCOMPARE(treeOutline(p.at("")), outline);
        QCOMPARE(dump(p.tree()), records);
    }
};

QTEST_MAIN(WindowPanelTest)
#include "test_windowpanel.moc"

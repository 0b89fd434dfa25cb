#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "shell/newDisplayWindowButton.h"
#include "support/Probes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/TreeProbe.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {

QStringList recordNames(const Widget &w)
{
    QStringList names;
    for (const PlayWinObject *record : w.playWinObjects)
        names << record->name;
    return names;
}

QStringList checkedTabs(const Widget &w)
{
    QStringList names;
    for (const newDisplayWindowButton *tab : w.displayWindowButtons)
        if (tab->isChecked())
            names << tab->name;
    return names;
}

// Accepts each dialog as it is, pressing OK.
int pressOk(QDialog *dialog)
{
    static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
    return dialog->result();
}

MainPlayBKLabel *displayWindow(const Widget &w, const QString &name)
{
    for (MainPlayBKLabel *d : w.displayWindows)
        if (d->name == name)
            return d;
    return nullptr;
}

} // namespace

class DisplayWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void addInsertsAfterTheCurrentTab()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = pressOk;
        Widget w;
        w.slotAddDisplayWindow(); // 1, 2 with 2 current
        w.slotDisplayWindowChecked(Widget::displayWindowName(1));
        w.slotAddDisplayWindow();
        const QStringList expected{Widget::displayWindowName(1), Widget::displayWindowName(3),
                                   Widget::displayWindowName(2)};
        QCOMPARE(tabNames(w), expected);
        QCOMPARE(checkedTabs(w), QStringList{Widget::displayWindowName(3)});
        QCOMPARE(w.curDisplayName, Widget::displayWindowName(3));
        // records keep the order in which they were made; every part exists once per name
        QCOMPARE(recordNames(w), QStringList({expected[0], expected[2], expected[1]}));
        QCOMPARE(w.projectWidgets.size(), 3);
        QCOMPARE(w.displayWindows.size(), 3);
        QVERIFY(w.projectWidgets.value(expected[1])->isVisibleTo(w.treeHolder));
        QVERIFY(!w.projectWidgets.value(expected[0])->isVisibleTo(w.treeHolder));
        // the new display window got its default schedule and the area of its first window
        QCOMPARE(w.projectWidgets.value(expected[1])->tree()->generalSegments.size(), 1);
        QCOMPARE(displayWindow(w, expected[1])->playWindows.size(), 1);
    }

    void cancelledAddKeepsTheProposedNumber()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        QStringList proposed;
        int cancels = 3;
        prompts.onDialog = [&](QDialog *dialog) {
            auto *d = static_cast<DisplaySettingsDialog *>(dialog);
            proposed << d->nameEdit->text();
            if (cancels-- > 0) {
                d->cancelBtnSlot();
                return int(QDialog::Rejected);
            }
            return pressOk(dialog);
        };
        Widget w;
        for (int i = 0; i < 4; ++i)
            w.slotAddDisplayWindow();
        QCOMPARE(proposed, QStringList({Widget::displayWindowName(2), Widget::displayWindowName(2), Widget::displayWindowName(2), Widget::displayWindowName(2)}));
        QCOMPARE(tabNames(w).size(), 2);
        QCOMPARE(w.displayWindowCounter, 2);
    }

    void invalidNamesAreRefused_data()
    {
        QTest::addColumn<bool>("editing");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << false << "" << "Name can not be empty!";
        QTest::newRow("taken when adding") << false << "Display window1" << "The name already exists, please Reinput!";
        QTest::newRow("own name when editing") << true << "Display window1" << "";
    }

    void invalidNamesAreRefused()
    {
        QFETCH(bool, editing);
        QFETCH(QString, name);
        QFETCH(QString, message);
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        // The main window's own command opens the dialog, so the names it hands in are the real ones.
        int outcome = -2;
        prompts.onDialog = [&](QDialog *dialog) {
            auto *d = static_cast<DisplaySettingsDialog *>(dialog);
            d->nameEdit->setText(name);
            d->sureBtnSlot();
            outcome = d->outcome;
            if (outcome != 1)
                d->cancelBtnSlot(); // the operator gives up after the message
            return d->result();
        };
        if (editing)
            w.slotDisplayWindowSetting();
        else
            w.slotAddDisplayWindow();
        if (message.isEmpty()) {
            QCOMPARE(outcome, 1);
            QVERIFY(prompts.informations.isEmpty());
        } else {
            QCOMPARE(outcome, -1); // stays open
            QCOMPARE(prompts.informations, QStringList{message});
        }
    }

    void escapeOrClosingTheDialogCancels()
    {
        TestEnvironment env;
        Widget w;
        for (bool byEscape : {true, false}) {
            DisplaySettingsDialog dialog(&w, QStringList());
            dialog.show();
            if (byEscape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
            QCOMPARE(dialog.outcome, 0);
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
    }

    void settingsDialogNeverAllowsAZeroSize()
    {
        TestEnvironment env;
        Widget w;
        DisplaySettingsDialog dialog(&w, QStringList());
        dialog.widthSpin->setValue(0);
        dialog.heightSpin->setValue(-4);
        QCOMPARE(dialog.widthSpin->value(), 1);
        QCOMPARE(dialog.heightSpin->value(), 1);
    }

    void deleteMakesTheNeighbourCurrent()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = pressOk;
        Widget w;
        w.slotAddDisplayWindow();
        w.slotAddDisplayWindow(); // tabs 1, 2, 3
        const QString one = Widget::displayWindowName(1), two = Widget::displayWindowName(2),
                      three = Widget::displayWindowName(3);

        w.slotDisplayWindowChecked(one);
        w.slotDeleteDisplayWindow(); // the first: its right neighbour becomes current
        QCOMPARE(tabNames(w), QStringList({two, three}));
        QCOMPARE(w.curDisplayName, two);
        QCOMPARE(checkedTabs(w), QStringList{two});
        QCOMPARE(w.currentPlayWinObject->name, two);

        w.slotDisplayWindowChecked(three);
        w.slotDeleteDisplayWindow(); // any other: its left neighbour
        QCOMPARE(tabNames(w), QStringList{two});
        QCOMPARE(recordNames(w), QStringList{two});
        QCOMPARE(w.projectWidgets.keys(), QStringList{two});
        QCOMPARE(w.displayWindows.size(), 1);
        QCOMPARE(w.curDisplayName, two);
        QVERIFY(w.projectWidgets.value(two)->isVisibleTo(w.treeHolder));

        w.slotDeleteDisplayWindow(); // the last one stays
        QCOMPARE(tabNames(w), QStringList{two});
    }

    void deleteLeavesNoPointerIntoTheDeletedRecords()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = pressOk;
        Widget w;
        w.slotAddDisplayWindow();
        ProjectTree *tree = w.curProjectWidget->tree();
        // select the new display window's window, as a click does
        tree->curItem = tree->rootItem->child(0)->child(0)->child(0);
        tree->slotSelectItemChecked();
        QVERIFY(w.curCommonWin);
        QVERIFY(w.curGeneralSegment);
        w.slotDeleteDisplayWindow();
        QVERIFY(!w.curCommonWin);
        QVERIFY(!w.curGeneralSegment);
        QVERIFY(!w.curProgram);
        // what is selected now lies in the remaining tree (the sanitizer build catches any stale use)
        w.slotDisplayWindowChecked(w.curDisplayName);
        QCOMPARE(w.curDisplayName, Widget::displayWindowName(1));
    }

    // Positions and sizes of the areas shown scale together, whatever the on-top
    // mode: the hide and show that apply a mode leave the scaled sizes alone.
    void settingsScaleShownAreasForEveryOnTopMode_data()
    {
        QTest::addColumn<int>("onTopMode");
        QTest::addColumn<bool>("hiddenBefore"); // the display window hidden while its area was made
        QTest::newRow("Never") << 0 << false;
        QTest::newRow("Always") << 1 << false;
        QTest::newRow("Playing") << 2 << false;
        QTest::newRow("Never, area made hidden") << 0 << true;
        QTest::newRow("Always, area made hidden") << 1 << true;
    }

    void settingsScaleShownAreasForEveryOnTopMode()
    {
        QFETCH(int, onTopMode);
        QFETCH(bool, hiddenBefore);
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        MainPlayBKLabel *display = displayWindow(w, w.curDisplayName);
        QVERIFY(display);
        display->setVisible(!hiddenBefore);
        // A window added now gets its area when it is selected.
        ProjectTree *tree = w.curProjectWidget->tree();
        chooseFromMenu(prompts, tree, itemAt(tree, "General Segment1/Program1"), tree->addWindowAction);
        clickItem(tree, itemAt(tree, "General Segment1/Program1/Common Window2"));
        CommonPlayWindow *area = display->playWindows.value(1);
        QVERIFY(area && area->isVisibleTo(display));
        CommonWinObject *record = area->winObject;
        QCOMPARE(record->name, QStringLiteral("Common Window2"));
        record->x = 10;
        record->y = 20;
        record->width = 100;
        record->height = 60;
        display->updateWindowGeometry(record);

        prompts.onDialog = [onTopMode](QDialog *dialog) {
            auto *d = static_cast<DisplaySettingsDialog *>(dialog);
            d->widthSpin->setValue(640);
            d->heightSpin->setValue(480);
            d->setOnTopMode(onTopMode);
            return pressOk(dialog);
        };
        w.slotDisplayWindowSetting();
        QCoreApplication::processEvents();
        QCOMPARE(display->geometry().size(), QSize(640, 480));
        QVERIFY(area->isVisible());
        QCOMPARE(area->geometry(), QRect(20, 40, 200, 120));
        QCOMPARE(QRect(record->x, record->y, record->width, record->height), QRect(10, 20, 100, 60));
        QCOMPARE(w.currentPlayWinObject->onTopMode, onTopMode);
        if (onTopMode != 2)
            QCOMPARE(bool(display->windowFlags() & Qt::WindowStaysOnTopHint), onTopMode == 1);

        // Shown again later (hidden by the operator, or minimised and restored), it keeps that size.
        display->hide();
        display->show();
        QCOMPARE(area->geometry(), QRect(20, 40, 200, 120));
    }
};

QTEST_MAIN(DisplayWindowsTest)
#include "test_displaywindows.moc"

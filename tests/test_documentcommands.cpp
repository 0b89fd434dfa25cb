#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/PropertyPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/WindowPanel.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"
#include "support/Probes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QSettings>
#include <QTableWidget>
#include <QtTest>


namespace {

// Makes the current schedule big enough that a tiny disk cannot hold it.
void growSchedule(Widget &w)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    for (int i = 0; i < 10; ++i)
        tree->loadGeneralSegment(QStringLiteral("Extra%1").arg(i), w.curDisplayName, false, {}, {}, {}, true, {}, {}, 0);
}

} // namespace

class DocumentCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    // Close asks whether to save: what is saved and whether the window closes.
    void closeAsksToSave_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no") << int(QMessageBox::No) << "a.qvsc" << false;
        QTest::newRow("question closed") << int(QMessageBox::Escape) << "a.qvsc" << false;
        QTest::newRow("yes, dialog cancelled") << int(QMessageBox::Yes) << "" << false;
        QTest::newRow("yes, named") << int(QMessageBox::Yes) << "a.qvsc" << true;
    }

    void closeAsksToSave()
    {
        QFETCH(int, answer);
        QFETCH(QString, chosen);
        QFETCH(bool, saved);
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.answer = QMessageBox::StandardButton(answer);
        prompts.fileName = chosen.isEmpty() ? QString() : env.path(chosen);
        Widget w;
        w.show();
        w.slotClose();
        QCOMPARE(prompts.questions, QStringList{"Do you want to save the current schedule?"});
        QVERIFY(!w.isVisible());
        QCOMPARE(QFile::exists(env.path("a.qvsc")), saved);
        QCOMPARE(QSettings(env.path("setting.ini"), QSettings::IniFormat).value("CloseType").toString(),
                 QStringLiteral("normal"));
    }

    void saveAfterNewAsksForAName()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.fileName = env.path("first"); // no suffix: ".qvsc" is added
        Widget w;
        w.slotSaveDoc();
        QCOMPARE(prompts.fileDialogs, QStringList{"Save"});
        QCOMPARE(AppContext::currentSchedulePath, env.path("first.qvsc"));
        QCOMPARE(prompts.informations.value(0), QStringLiteral("Saved successfully,%1").arg(env.path("first.qvsc")));
        const QByteArray firstBytes = fileBytes(env.path("first.qvsc"));
        QVERIFY(!firstBytes.isEmpty());

        prompts.answer = QMessageBox::No;
        w.slotNewDoc();
        QVERIFY(AppContext::currentSchedulePath.isEmpty());
        prompts.fileName = env.path("second.qvsc");
        w.slotSaveDoc();
        QCOMPARE(prompts.fileDialogs, QStringList({"Save", "Save"}));
        QCOMPARE(fileBytes(env.path("first.qvsc")), firstBytes); // the earlier file is left alone

        // a cancelled dialog says nothing and names nothing
        w.slotNewDoc();
        prompts.fileName.clear();
        prompts.informations.clear();
        w.slotSaveDoc();
        QVERIFY(prompts.informations.isEmpty());
        QVERIFY(AppContext::currentSchedulePath.isEmpty());
    }

    void failedSaveSaysWhyAndKeepsTheOldFile()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.fileName = env.path("kept.qvsc");
        Widget w;
        w.slotSaveAsDoc();
        const QByteArray before = fileBytes(env.path("kept.qvsc"));
        QVERIFY(!before.isEmpty());
        growSchedule(w);
        prompts.informations.clear();
        withFileSizeLimit(300, [&] { w.slotSaveDoc(); });
        QCOMPARE(prompts.informations.size(), 1);
        QVERIFY2(prompts.informations.first().startsWith("Save failed,"), qPrintable(prompts.informations.first()));
        QVERIFY(prompts.informations.first().contains(env.path("kept.qvsc")));
        QCOMPARE(fileBytes(env.path("kept.qvsc")), before);

        // a failed save in the save question keeps the schedule on screen
        prompts.answer = QMessageBox::Yes;
        ProjectTree *tree = w.curProjectWidget->tree();
        withFileSizeLimit(300, [&] { w.slotNewDoc(); });
        QCOMPARE(w.curProjectWidget->tree(), tree);
        QCOMPARE(fileBytes(env.path("kept.qvsc")), before);
    }

    void openKeepsTheScheduleWhenTheFileIsBad()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.fileName = env.path("good.qvsc");
        Widget w;
        w.slotSaveAsDoc();
        QFile bad(env.path("bad.qvsc"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write(fileBytes(env.path("good.qvsc")).left(40));
        bad.close();

        ProjectTree *tree = w.curProjectWidget->tree();
        prompts.answer = QMessageBox::No;
        prompts.fileName = env.path("bad.qvsc");
        prompts.informations.clear();
        w.slotOpenDoc();
        QCOMPARE(prompts.informations.size(), 1);
        QVERIFY(prompts.informations.first().startsWith("Open failed,"));
        QVERIFY(prompts.informations.first().contains(env.path("bad.qvsc")));
        QCOMPARE(w.curProjectWidget->tree(), tree);
        QCOMPARE(AppContext::currentSchedulePath, env.path("good.qvsc"));

        // a cancelled open dialog changes nothing either
        prompts.fileName.clear();
        w.slotOpenDoc();
        QCOMPARE(w.curProjectWidget->tree(), tree);
    }

    void openMakesTheFirstDisplayWindowCurrent()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
            return dialog->result();
        };
        prompts.fileName = env.path("two.qvsc");
        {
            Widget author;
            author.slotAddDisplayWindow();
            author.slotSaveAsDoc();
        }
        Widget w;
        prompts.answer = QMessageBox::No;
        w.slotOpenDoc();
        QCOMPARE(tabNames(w), QStringList({Widget::displayWindowName(1), Widget::displayWindowName(2)}));
        const QString first = Widget::displayWindowName(1);
        QCOMPARE(w.curDisplayName, first);
        QVERIFY(w.displayWindowButtons.first()->isChecked());
        QVERIFY(!w.displayWindowButtons.last()->isChecked());
        QCOMPARE(w.currentPlayWinObject->name, first);
        QVERIFY(w.projectWidgets.value(first)->isVisibleTo(w.treeHolder));
        QVERIFY(!w.projectWidgets.value(Widget::displayWindowName(2))->isVisibleTo(w.treeHolder));
        QVERIFY(!w.curCommonWin && !w.curMedia);
        // What the property area shows is what the shown tree has selected: its root, the schedule page.
        ProjectTree *shown = w.projectWidgets.value(first)->tree();
        QTreeWidgetItem *root = shown->topLevelItem(0);
        QCOMPARE(shown->curItem, root);
        QCOMPARE(shown->currentItem(), root);
        QCOMPARE(shown->selectedItems(), QList<QTreeWidgetItem *>{root});
        QVERIFY(w.scheduleSetupLabel->isVisibleTo(w.workArea));
        for (QWidget *page : std::initializer_list<QWidget *>{w.segmentSetupLabel(), w.timingSegmentSetupLabel(),
                                                              w.programSetupLabel(), w.commonWinSetupLabel()})
            QVERIFY(!page->isVisibleTo(w.workArea));
    }

    // A schedule without a display window leaves nothing shown to edit, and
    // the commands that act on a display window wait until there is one again.
    void aScheduleWithoutDisplayWindowsLeavesNothingToActOn()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.answer = QMessageBox::No;
        QFile empty(env.path("empty.qvsc"));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        QDataStream(&empty) << qint32(3) << qint32(0); // the counter, no display window
        empty.close();
        Widget w;
        w.show();
        ProjectTree *tree = w.curProjectWidget->tree();
        tree->curItem = tree->topLevelItem(0)->child(0)->child(0)->child(0);
        tree->slotSelectItemChecked();
        QVERIFY(w.commonWinSetupLabel()->isVisible());

        prompts.fileName = env.path("empty.qvsc");
        w.slotOpenDoc();
        QVERIFY(w.projectWidgets.isEmpty() && w.displayWindows.isEmpty() && w.displayWindowButtons.isEmpty());
        QVERIFY(!w.curCommonWin && !w.curProgram && !w.curMedia);
        for (QWidget *page : w.findChildren<PropertyPanel *>())
            QVERIFY2(!page->isVisible(), page->metaObject()->className());
        QCOMPARE(w.mediaTable()->rowCount(), 0);
        const QList<menuButton *> needADisplayWindow{
            w.playButton,          w.stopButton,    w.hideButton,           w.lockButton,
            w.backstageButton,     w.monitorButton, w.mainMenu->playButton, w.mainMenu->pauseButton,
            w.mainMenu->stopButton};
        for (menuButton *button : needADisplayWindow)
            QVERIFY2(!button->isEnabled(), qPrintable(button->caption));
        const QImage faint = w.playButton->grab().toImage();
        // A press on a disabled button reaches no command: the captions stay.
        for (menuButton *button : {w.playButton, w.hideButton, w.lockButton}) {
            const QString caption = button->caption;
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(button->caption, caption);
        }
        QVERIFY(w.menuToolButton->isEnabled() && w.mainMenu->newButton->isEnabled());
        // Nor does the start that opening at start-up arms claim to play.
        w.slotStartLast();
        QCOMPARE(w.playButton->caption, QStringLiteral("play"));
        QVERIFY(!w.isMinimized());

        w.slotNewDoc();
        for (menuButton *button : needADisplayWindow)
            QVERIFY2(button->isEnabled(), qPrintable(button->caption));
        QVERIFY(w.playButton->grab().toImage() != faint); // the operator sees the difference
        QVERIFY(w.scheduleSetupLabel->isVisible());
    }

    void playStartKeepsANamelessScheduleForRecovery()
    {
        TestEnvironment env;
        Widget w;
        w.slotStopCurPreview();
        const QString tmp = env.path("tmp.qvsc");
        QCOMPARE(AppContext::currentSchedulePath, tmp);
        QCOMPARE(AppContext::LastSchemePath, tmp);
        QVERIFY(QFile::exists(tmp));
        QCOMPARE(QSettings(env.path("setting.ini"), QSettings::IniFormat).value("LastSchemePath").toString(), tmp);
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "test_documentcommands.moc"

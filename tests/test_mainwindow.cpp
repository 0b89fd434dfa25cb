#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/SchedulePanel.h"
#include "panels/TextPanel.h"
#include "panels/VideoPanel.h"
#include "panels/WindowPanel.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Prodoc.h"
#include "shell/Settings.h"
#include "shell/StartupSequence.h"
#include "shell/Widget.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"
#include "support/Probes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithTheDefaultSchedule()
    {
        TestEnvironment env;
        Widget w;
        QCOMPARE(w.curDisplayName, QStringLiteral("Display window1"));
        QCOMPARE(w.displayWindowCounter, 1);
        QCOMPARE(w.playWinObjects.size(), 1);
        const PlayWinObject *record = w.playWinObjects.first();
        QCOMPARE(QRect(record->x, record->y, record->width, record->height), QRect(0, 0, 320, 240));
        QCOMPARE(record->onTopMode, 1);
        QCOMPARE(w.displayWindows.first()->geometry(), QRect(0, 0, 320, 240));
        QVERIFY(w.displayWindows.first()->windowFlags() & Qt::WindowStaysOnTopHint);

        ProjectTree *tree = w.curProjectWidget->tree();
        QCOMPARE(tree->topLevelItemCount(), 1);
        QTreeWidgetItem *item = tree->topLevelItem(0);
        QStringList chain;
        QStringList types;
        while (item) {
            chain << item->text(0);
            types << asProjectItem(item)->getItemType();
            QCOMPARE(item->childCount(), chain.size() < 4 ? 1 : 0);
            QVERIFY(item->isExpanded() || item->childCount() == 0);
            item = item->child(0);
        }
        QCOMPARE(chain, QStringList({"Add Schedule", "General Segment1", "Program1", "Common Window1"}));
        QCOMPARE(types, QStringList({"playprogramme", "generalSegment", "program", "generalwin"}));
        QVERIFY(tree->topLevelItem(0)->font(0).bold());
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QVERIFY(!w.scheduleSetupLabel->isHidden());

        const GeneralObject *segment = tree->generalSegments.first();
        QCOMPARE(segment->weekdays.size(), 7);
        QCOMPARE(segment->programCounter, 1);
        const ProgramObject *program = segment->programs.first();
        QCOMPARE(program->windowCounter, 1);
        QCOMPARE(program->playLength, QTime(0, 6, 0));
        QCOMPARE(program->windows.first()->displayName, w.curDisplayName);
        QCOMPARE(w.displayWindows.first()->playWindows.size(), 1); // the window's area
    }

    void treeIgnoresKeysAndOnlyTheCurrentTreeAnswers()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
            return dialog->result();
        };
        Widget w;
        w.slotAddDisplayWindow();
        ProjectTree *first = w.projectWidgets.value(Widget::displayWindowName(1))->tree();
        ProjectTree *second = w.projectWidgets.value(Widget::displayWindowName(2))->tree();

        // a cycle segment in the first tree only
        first->loadCycleSegment("Cycle", Widget::displayWindowName(1), 30, 1, 5, 0, 1, false, {}, {},
                                Weekday::allDays(), true, {}, {}, 0);
        w.slotDisplayWindowChecked(Widget::displayWindowName(2));
        emit w.sigShowSegmentInfo();
        QCOMPARE(w.curGeneralSegment, second->generalSegments.last());
        QVERIFY(!w.curCycleSegment);
        w.slotDisplayWindowChecked(Widget::displayWindowName(1));
        emit w.sigShowSegmentInfo();
        QCOMPARE(w.curCycleSegment, first->cycleSegments.last());

        QTreeWidgetItem *before = first->currentItem();
        QTest::keyClick(first, Qt::Key_Down);
        QTest::keyClick(first, Qt::Key_End);
        QCOMPARE(first->currentItem(), before);
    }

    void foldingAndMaximising()
    {
        TestEnvironment env;
        Widget w;
        w.slotShowMaximized();
        w.slotWinup();
        QCOMPARE(w.size(), QSize(1920, 134));
        QCOMPARE(w.winUpButton->caption, QStringLiteral("win-show"));
        w.slotResume();
        QCOMPARE(w.size(), QSize(1024, 715));
        QVERIFY(w.workArea->isHidden());
        QCOMPARE(w.winUpButton->caption, QStringLiteral("win-show"));
        QVERIFY(w.restoreButton->isHidden());
        w.slotWinup();
        QCOMPARE(w.size(), QSize(1024, 715));
        QVERIFY(!w.workArea->isHidden());
        for (ProjectWidget *panel : w.projectWidgets)
            QCOMPARE(panel->size(), QSize(294, w.treeArea->height() - 55));
        QCOMPARE(w.pos(), QPoint((1920 - 1024) / 2, (1080 - 715) / 2));
    }

    // The video panel, as the text panel, spans the property area in either
    // layout: the operator reaches every control of a maximised window.
    void mediaPanelsSpanThePropertyAreaInEitherLayout()
    {
        TestEnvironment env;
        Widget w;
        w.show();
        ProjectTree *tree = w.curProjectWidget->tree();
        CommonWinObject *window = tree->generalSegments.value(0)->programs.value(0)->windows.value(0);
        for (QLatin1String kind : {MediaKind::Video, MediaKind::SimpleText})
            appendItem(window, kind);
        tree->curItem = tree->topLevelItem(0)->child(0)->child(0)->child(0);
        tree->slotSelectItemChecked();
        for (bool maximised : {true, false}) {
            if (maximised)
                w.slotShowMaximized();
            else
                w.slotResume();
            for (int row : {0, 1}) { // the video item, then the text item
                w.mediaTable()->selectRow(row);
                w.slotCommonItemTableSelectionChanged();
                QWidget *panel = row == 0 ? static_cast<QWidget *>(w.videoSetupLabel()) : w.textSetupLabel();
                QVERIFY(panel->isVisible());
                QCOMPARE(panel->width(), w.commonWinSetupLabel()->width());
                QCOMPARE(panel->findChild<QTabWidget *>()->size(), panel->size());
            }
        }
        QCOMPARE(w.commonWinSetupLabel()->width(), w.workArea->width() - 322);
    }

    void closingWritesANormalEnd()
    {
        TestEnvironment env;
        {
            Widget w;
            w.show();
            w.close();
        }
        QSettings settings(env.path("setting.ini"), QSettings::IniFormat);
        QCOMPARE(settings.value("CloseType").toString(), QStringLiteral("normal"));
    }

    // What start-up opens, by "Play", "PlayType" and "CloseType".
    void startupOpenings_data()
    {
        QTest::addColumn<int>("play");
        QTest::addColumn<int>("playType");
        QTest::addColumn<QString>("closeType");
        QTest::addColumn<QString>("opened"); // "scheme", "last" or "" for the default schedule
        QTest::addColumn<int>("starts");     // delayed starts of play
        QTest::addColumn<int>("loads");      // schedules read
        QTest::addColumn<QString>("scheme"); // the file "SchemePath" names
        QTest::newRow("play scheme, normal end") << 1 << 0 << "normal" << "scheme" << 1 << 1 << "scheme";
        QTest::newRow("play last, normal end") << 1 << 1 << "normal" << "last" << 1 << 1 << "scheme";
        QTest::newRow("play other type") << 1 << 2 << "normal" << "" << 0 << 0 << "scheme";
        QTest::newRow("play 2 opens nothing") << 2 << 0 << "normal" << "" << 0 << 0 << "scheme";
        QTest::newRow("no play, crash recovers last") << 0 << 0 << "" << "last" << 0 << 1 << "scheme";
        QTest::newRow("play scheme, crash recovers last once") << 1 << 0 << "" << "last" << 1 << 2 << "scheme";
        // The same file by both names is read once.
        QTest::newRow("play last, crash") << 1 << 1 << "" << "last" << 1 << 1 << "scheme";
        QTest::newRow("play scheme naming the last, crash") << 1 << 0 << "" << "last" << 1 << 1 << "./last";
    }

    void startupOpenings()
    {
        QFETCH(int, play);
        QFETCH(int, playType);
        QFETCH(QString, closeType);
        QFETCH(QString, opened);
        QFETCH(int, starts);
        QFETCH(int, loads);
        QFETCH(QString, scheme);
        TestEnvironment env;
        // two schedules told apart by their display window's name
        for (const QString &name : {QStringLiteral("scheme"), QStringLiteral("last")}) {
            Widget author;
            // something to play, so that a start really starts
            ProjectTree *tree = author.curProjectWidget->tree();
            tree->loadTextObject(MediaKind::SimpleText, 1, author.curDisplayName, "General Segment1", "Program1",
                                 "Common Window1", TextProperty());
            author.playWinObjects.first()->name = name;
            author.projectWidgets.insert(name, author.projectWidgets.take(author.curDisplayName));
            author.curDisplayName = name;
            QVERIFY(author.document->saveSchedule(env.path(name + ".qvsc")));
        }
        QSettings settings(env.path("setting.ini"), QSettings::IniFormat);
        settings.setValue("Play", play);
        settings.setValue("PlayType", playType);
        settings.setValue("SchemePath", env.path(scheme + ".qvsc"));
        settings.setValue("LastSchemePath", env.path("last.qvsc"));
        settings.setValue("CloseType", closeType);
        settings.sync();
        readSettings();

        Widget w;
        // Each reading of a schedule replaces the tree panels.
        const QPointer<ProjectWidget> beforeStart = w.curProjectWidget;
        const QString openedAtStart = StartupSequence::openStartupSchedules(w);
        const bool readAtStart = beforeStart.isNull();
        const QPointer<ProjectWidget> afterStart = w.curProjectWidget;
        StartupSequence::checkCloseType(w, openedAtStart);
        QCOMPARE(int(readAtStart) + int(afterStart.isNull()), loads);
        const QString current = w.playWinObjects.value(0)->name;
        QCOMPARE(current, opened.isEmpty() ? Widget::displayWindowName(1) : opened);
        QCOMPARE(w.curDisplayName, current);
        ProjectTree *tree = w.projectWidgets.value(current)->tree();
        if (starts == 1)
            QTRY_VERIFY_WITH_TIMEOUT(tree->playing, 15000);
        // time for a second delayed start, which would pause what the first one started
        QTest::qWait(2500);
        QCOMPARE(tree->playing, starts == 1);
        QVERIFY(!tree->paused);
        QCOMPARE(w.playButtonShowsPlay, starts == 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"

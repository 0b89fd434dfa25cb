#include "model/SegmentValidity.h"
#include "panels/TimingSegmentPanel.h"
#include "shell/menuButton.h"
#include "support/PlayFixture.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");
const QString Cycle = QStringLiteral("cycleSegment");
const QString Timing = QStringLiteral("timingSegment");

QStringList playingWindows(const PlayFixture &f)
{
    QStringList names;
    for (MainPlayBKLabel *d : f.w->displayWindows)
        for (CommonPlayWindow *a : d->playWindows)
            if (!a->isHidden() && a->currentItem && !a->paused)
                names << a->winObject->name;
    return names;
}
} // namespace

class SequencerTest : public QObject
{
    Q_OBJECT

private slots:
    void validity_data()
    {
        QTest::addColumn<bool>("specifiedDate");
        QTest::addColumn<QDate>("startDate");
        QTest::addColumn<QDate>("endDate");
        QTest::addColumn<QStringList>("weekdays");
        QTest::addColumn<bool>("allTime");
        QTest::addColumn<QTime>("startTime");
        QTest::addColumn<QTime>("endTime");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<bool>("valid");
        const QDate monday(2026, 12, 7);
        const QStringList all = Weekday::allDays();
        const QDateTime tenAm(monday, QTime(10, 0));
        QTest::newRow("no dates, all day") << false << QDate() << QDate() << all << true << QTime() << QTime() << tenAm << true;
        QTest::newRow("dates ignored when not specified") << false << QDate(2020, 1, 1) << QDate(2020, 1, 2) << all << true << QTime() << QTime() << tenAm << true;
        QTest::newRow("first day inclusive") << true << monday << monday.addDays(3) << all << true << QTime() << QTime() << tenAm << true;
        QTest::newRow("last day inclusive") << true << monday.addDays(-3) << monday << all << true << QTime() << QTime() << tenAm << true;
        QTest::newRow("after the range") << true << monday.addDays(-3) << monday.addDays(-1) << all << true << QTime() << QTime() << tenAm << false;
        QTest::newRow("weekday missing") << false << QDate() << QDate() << QStringList{"Tuesday"} << true << QTime() << QTime() << tenAm << false;
        QTest::newRow("weekday in lower case") << false << QDate() << QDate() << QStringList{"monday"} << true << QTime() << QTime() << tenAm << false;
        QTest::newRow("inside the hours") << false << QDate() << QDate() << all << false << QTime(9, 0) << QTime(11, 0) << tenAm << true;
        QTest::newRow("end inclusive") << false << QDate() << QDate() << all << false << QTime(9, 0) << QTime(10, 0) << tenAm << true;
        QTest::newRow("before the hours") << false << QDate() << QDate() << all << false << QTime(10, 0, 1) << QTime(11, 0) << tenAm << false;
        QTest::newRow("across midnight never") << false << QDate() << QDate() << all << false << QTime(22, 0) << QTime(2, 0) << QDateTime(monday, QTime(23, 0)) << false;
        QTest::newRow("no end never") << false << QDate() << QDate() << all << false << QTime(9, 0) << QTime() << tenAm << false;
        QTest::newRow("no start is early") << false << QDate() << QDate() << all << false << QTime() << QTime(11, 0) << tenAm << true;
    }

    void validity()
    {
        QFETCH(bool, specifiedDate);
        QFETCH(QDate, startDate);
        QFETCH(QDate, endDate);
        QFETCH(QStringList, weekdays);
        QFETCH(bool, allTime);
        QFETCH(QTime, startTime);
        QFETCH(QTime, endTime);
        QFETCH(QDateTime, now);
        QFETCH(bool, valid);
        GeneralObject segment;
        segment.specifiedDate = specifiedDate;
        segment.startDate = startDate;
        segment.endDate = endDate;
        segment.weekdays = weekdays;
        segment.allTime = allTime;
        segment.startTime = startTime;
        segment.endTime = endTime;
        QCOMPARE(SegmentValidity::isValid(segment, now), valid);
    }

    void laterSegmentsOutrankEarlierOnes()
    {
        PlayFixture f;
        f.addGeneral("Early");
        f.addProgram("P", General);
        f.addWindow("EarlyWin", 1);
        f.addGeneral("Late", false, QTime(10, 0), QTime(10, 0, 5));
        f.addProgram("P", General);
        f.addWindow("LateWin", 1);
        f.tree->slotStartPlay(f.display);
        QVERIFY(f.tree->playing);
        QCOMPARE(f.tree->currentGeneralSegment->name, QStringLiteral("Late"));
        QCOMPARE(playingWindows(f), QStringList{"LateWin"});
        f.tick(6); // the late one's hours are over: the earlier one takes over
        QCOMPARE(f.tree->currentGeneralSegment->name, QStringLiteral("Early"));
        QCOMPARE(playingWindows(f), QStringList{"EarlyWin"});
        QVERIFY(!f.w->treeArea->isEnabled()); // no editing while it plays
        // nor in a panel first asked for meanwhile
        QVERIFY(f.w->workArea->findChildren<TimingSegmentPanel *>().isEmpty());
        QVERIFY(!f.w->timingSegmentSetupLabel()->isEnabled());
    }

    void midnightStopsAndRestartsUnlessStopped()
    {
        PlayFixture f(QDateTime(QDate(2026, 12, 7), QTime(23, 59, 58)));
        f.addGeneral("Day");
        f.addProgram("P", General);
        f.addWindow("W", 1);
        f.tree->slotStartPlay(f.display);
        f.tick(1);
        QVERIFY(f.tree->playing);
        f.clock.advanceMs(1500); // a late tick, past midnight
        f.tree->slotPlayTimeout();
        QVERIFY(!f.tree->playing);
        QVERIFY(f.tree->restartTimer->isActive());
        QCOMPARE(f.tree->restartTimer->interval(), 2000);
        f.clock.advanceMs(2000);
        f.tree->slotRestart();
        QVERIFY(f.tree->playing);

        // a stop in the gap stays a stop
        f.clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 0)));
        f.tree->slotPlayTimeout();
        QVERIFY(f.tree->restartTimer->isActive());
        f.w->slotOverallStop();
        QVERIFY(!f.tree->restartTimer->isActive());
        QVERIFY(!f.tree->playing);

        // a press in the gap is the restart, whatever the button shows; the
        // restart then finds play going and leaves it as it is
        f.clock.set(QDateTime(QDate(2026, 12, 9), QTime(0, 0, 5)));
        f.w->slotOverallPlay();
        for (bool selectedAgain : {false, true}) {
            f.clock.set(QDateTime(f.clock.now().date().addDays(1), QTime(0, 0)));
            f.tree->slotPlayTimeout();
            QVERIFY(!f.tree->playing && f.tree->restartTimer->isActive());
            f.clock.advanceMs(1000);
            if (selectedAgain)
                f.w->slotDisplayWindowChecked(f.display); // the button shows "play" then
            f.w->slotOverallPlay();
            QVERIFY(f.tree->playing && !f.tree->paused && !f.tree->restartTimer->isActive());
            f.tree->slotRestart();
            QVERIFY(f.tree->playing && !f.tree->paused);
            QCOMPARE(f.w->playButton->caption, QStringLiteral("pause"));
            QCOMPARE(playingWindows(f), QStringList{"W"});
        }
    }

    void emptyScheduleStartsNothing()
    {
        PlayFixture f;
        f.addCycle("C", 1, 1); // timers would be started by it
        f.tree->slotStartPlay(f.display);
        QVERIFY(!f.tree->playing);
        QVERIFY(!f.tree->cycleTimer->isActive());
        QVERIFY(!f.tree->timingCheckTimer->isActive());
        QVERIFY(!f.tree->generalCheckTimer->isActive());
        QVERIFY(f.w->treeArea->isEnabled());
        QVERIFY(f.w->realPlayDisplayNames.isEmpty());
        QCOMPARE(f.prompts.informations, QStringList{"The schedule is empty,please add program!"});

        f.prompts.informations.clear();
        f.w->startingUnattended = true; // nobody is there to answer a box
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("The schedule is empty"));
        f.tree->slotStartPlay(f.display);
        QVERIFY(f.prompts.informations.isEmpty());
    }

    void cycleInsertionHandsBackToTheGeneralItem()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("GP", General);
        CommonWinObject *general = f.addWindow("GW", 3, 10);
        f.addCycle("C", 1, 1); // count mode: one pass through its two programs
        f.addProgram("CP1", Cycle);
        CommonWinObject *cycle1 = f.addWindow("CW1", 1, 2);
        f.addProgram("CP2", Cycle);
        CommonWinObject *cycle2 = f.addWindow("CW2", 1, 2);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *generalArea = f.area(general);
        generalArea->playNextElement(); // the general window is on its second item
        QVERIFY(generalArea->currentItem);
        QVERIFY(generalArea->currentItem == general->media.at(1));
        f.clock.advanceMs(3000);
        const qint64 shownBefore = generalArea->elapsedMs();

        f.tree->slotPlayCycleObj();
        QCOMPARE(f.tree->insertedPlayMode, 1);
        QVERIFY(generalArea->isHidden() && generalArea->paused);
        QCOMPARE(playingWindows(f), QStringList{"CW1"});
        f.tree->slotPlayCycleObj(); // fires again while it plays: nothing doubles
        QCOMPARE(f.tree->cyclePrograms.size(), 2);

        f.area(cycle1)->playNextElement(); // first program played through
        QCOMPARE(playingWindows(f), QStringList{"CW2"});
        f.area(cycle2)->playNextElement();
        QCOMPARE(f.tree->insertedPlayMode, 0);
        QCOMPARE(playingWindows(f), QStringList{"GW"});
        QVERIFY(generalArea->currentItem == general->media.at(1)); // resumed where it stopped
        QCOMPARE(generalArea->elapsedMs(), shownBefore);
        QVERIFY(f.area(cycle1)->isHidden() && f.area(cycle1)->mediaList.isEmpty());
    }

    void timingPointPreemptsACycleAndFiresOnce()
    {
        PlayFixture f(QDateTime(QDate(2026, 12, 7), QTime(11, 59, 58)));
        f.addGeneral("G");
        f.addProgram("GP", General);
        f.addWindow("GW", 1);
        f.addCycle("C", 1, 0, 5, 0);
        f.addProgram("CP", Cycle);
        f.addWindow("CW", 1);
        f.addTiming("T", {QTime(12, 0, 0)});
        f.addProgram("TP", Timing);
        f.addWindow("TW", 1);
        f.tree->slotStartPlay(f.display);
        f.tree->slotPlayCycleObj();
        QCOMPARE(playingWindows(f), QStringList{"CW"});

        f.clock.advanceMs(1000);
        f.tree->slotPlayTimingObj(); // 11:59:59
        QCOMPARE(f.tree->insertedPlayMode, 1);
        f.clock.advanceMs(1700); // a late tick, past the point
        f.tree->slotPlayTimingObj();
        QCOMPARE(f.tree->insertedPlayMode, 2);
        QCOMPARE(playingWindows(f), QStringList{"TW"});
        QCOMPARE(f.tree->timingPrograms.size(), 1);
        QVERIFY(!f.tree->cyclePlayTimer->isActive()); // the cycle's end cannot cut the timing insertion short
        f.clock.advanceMs(300); // an early tick still in the same second
        f.tree->slotPlayTimingObj();
        QCOMPARE(f.tree->timingPrograms.size(), 1);
        f.tree->slotPlayCycleObj(); // a cycle never interrupts a timing insertion
        QCOMPARE(playingWindows(f), QStringList{"TW"});
    }

    void twoDisplayWindowsPlayDifferentKindsApart()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("GP1", General, 0, 1);
        CommonWinObject *first = f.addWindow("GW1", 1);
        f.addProgram("GP2", General, 0, 1);
        f.addWindow("GW2", 1);
        f.prompts.onDialog = [](QDialog *dialog) {
            QMetaObject::invokeMethod(dialog, "sureBtnSlot");
            return dialog->result();
        };
        f.w->slotAddDisplayWindow();
        PlayFixture &g = f; // the second display window is current now
        ProjectTree *other = g.w->curProjectWidget->tree();
        const QString otherName = g.w->curDisplayName;
        other->loadCycleSegment("C", otherName, 1, 1, 0, 0, 1, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
        other->loadProgram("CP", Cycle, otherName, Qt::black, {}, 1, {}, 0, 1, {}, 0);
        other->loadCommonWindow("CW", Cycle, false, 0, Qt::red, 0, 0, 10, 10);
        TextProperty text;
        other->loadTextObject(MediaKind::SimpleText, 1, otherName, "C", "CP", "CW", text);

        f.tree->slotStartPlay(f.display);
        other->slotStartPlay(otherName);
        other->slotPlayCycleObj(); // the other display window plays its cycle segment last
        QCOMPARE(f.w->playingSegmentType, Cycle);

        f.area(first)->playNextElement(); // the first display window's general program ends its pass
        QCOMPARE(f.tree->generalProgramIndex, 1);
        QCOMPARE(f.tree->currentSegmentType, General);
        QCOMPARE(other->insertedPlayMode, 1);
    }

    void lengthCountsFromTheProgramsStart()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("Long", General, 1, 1, QTime(0, 0, 20));
        CommonWinObject *window = f.addWindow("W", 1, 5);
        f.addProgram("Next", General);
        f.addWindow("N", 1);
        f.tree->slotStartPlay(f.display);
        QVERIFY(f.tree->programTimer->isActive());
        QCOMPARE(f.tree->programTimer->interval(), 20000);
        const int remainingBefore = f.tree->programTimer->remainingTime();
        QTest::qWait(50);
        f.area(window)->playNextElement(); // a pass ends before the length
        QCOMPARE(f.tree->generalProgramIndex, 0);
        QVERIFY(f.tree->programTimer->remainingTime() < remainingBefore); // not restarted
        f.tree->slotGeneralProTimeout();
        QCOMPARE(f.tree->generalProgramIndex, 1);
        QCOMPARE(playingWindows(f), QStringList{"N"});
    }

    void nothingToPlayInsertsNothing()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("GP", General);
        f.addWindow("GW", 1);
        f.addCycle("C", 1, 1);
        f.addProgram("Empty", Cycle);
        f.addWindow("EW", 0);
        f.tree->slotStartPlay(f.display);
        f.tree->slotPlayCycleObj();
        QCOMPARE(f.tree->insertedPlayMode, 0); // an insertion with nothing to play would hide the screen for good
        QCOMPARE(playingWindows(f), QStringList{"GW"});
    }

    void discardingAPlayingScheduleStopsItFirst()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("GP", General);
        f.addWindow("GW", 1);
        f.prompts.onDialog = [](QDialog *dialog) {
            QMetaObject::invokeMethod(dialog, "sureBtnSlot");
            return dialog->result();
        };
        f.w->slotAddDisplayWindow(); // a second display window, current now
        f.w->slotDisplayWindowChecked(f.display);
        f.w->slotOverallPlay();
        QVERIFY(f.w->realPlayDisplayNames.contains(f.display));
        f.w->slotDeleteDisplayWindow();
        QVERIFY(!f.w->realPlayDisplayNames.contains(f.display));

        f.tree = f.w->curProjectWidget->tree();
        f.display = f.w->curDisplayName;
        f.addProgram("P2", General);
        f.addWindow("W2", 1);
        f.w->slotOverallPlay();
        QVERIFY(f.tree->playing);
        QVERIFY(!f.w->treeArea->isEnabled());
        f.prompts.answer = QMessageBox::No;
        f.w->slotNewDoc(); // the main menu stays open while playing
        QVERIFY(f.w->realPlayDisplayNames.isEmpty());
        QVERIFY(f.w->treeArea->isEnabled());
        QCOMPARE(f.w->playButton->caption, QStringLiteral("play"));
    }

    void pauseAndResumeAllKindsTogether()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("GP", General);
        CommonWinObject *window = f.addWindow("GW", 1);
        f.addCycle("C", 1, 1);
        f.addTiming("T", {QTime(23, 0)});
        f.w->slotOverallPlay();
        QVERIFY(f.tree->playing && !f.tree->paused);
        QCOMPARE(f.w->playButton->caption, QStringLiteral("pause"));
        f.w->slotMenuPause();
        QVERIFY(f.tree->paused && f.tree->cyclePaused && f.tree->timingPaused);
        QVERIFY(!f.tree->generalCheckTimer->isActive() && !f.tree->cycleTimer->isActive());
        QVERIFY(f.area(window)->paused);
        QCOMPARE(f.w->playButton->caption, QStringLiteral("play"));
        f.w->slotMenuPlay();
        QVERIFY(!f.tree->paused && !f.tree->cyclePaused && !f.tree->timingPaused);
        QVERIFY(!f.area(window)->paused);
        f.w->slotOverallStop();
        QVERIFY(!f.tree->playing);
        QVERIFY(f.w->treeArea->isEnabled());
        QCOMPARE(f.w->playButton->caption, QStringLiteral("play"));
        QVERIFY(!f.w->displayWindows.first()->playing);
    }
};

QTEST_MAIN(SequencerTest)
#include "test_sequencer.moc"

// What an unattended screen meets: background music that cannot be played
// (what it costs while it plays: test_hostilecontent), inserted segments of
// no length, hostile numbers in a schedule file and schedules of thousands
// of windows.

#include "model/DisplayGeometry.h"
#include "shell/Prodoc.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "support/GeneratedSchedules.h"
#include "support/MessageLog.h"
#include "support/MusicFiles.h"
#include "support/PlayFixture.h"

#include <QMediaPlayer>
#include <QMediaPlaylist>
#include <QSpinBox>
#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");
const QString Cycle = QStringLiteral("cycleSegment");

// Counts the times area players are shown or hidden.
class AreaVisibilityChanges : public QObject
{
public:
    AreaVisibilityChanges() { qApp->installEventFilter(this); }
    ~AreaVisibilityChanges() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            && qobject_cast<CommonPlayWindow *>(watched))
            ++count;
        return false;
    }
};

QStringList shownAreas(const MainPlayBKLabel *display)
{
    QStringList names;
    for (const CommonPlayWindow *area : display->playWindows)
        if (!area->isHidden())
            names << area->winObject->programName + "/" + area->winObject->name;
    return names;
}

MainPlayBKLabel *displayNamed(const Widget &w, const QString &name)
{
    for (MainPlayBKLabel *display : w.displayWindows)
        if (display->name == name)
            return display;
    return nullptr;
}
} // namespace

class UnattendedTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MessageLog> m_log;

private slots:
    // After the test library has put its own message handler in place.
    void initTestCase() { m_log = std::make_unique<MessageLog>(); }
    void cleanupTestCase() { m_log.reset(); }
    void init() { m_log->clear(); }

    // ---- background music ---------------------------------------------------

    void brokenMusicIsReportedOnceAndLeftOut_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("broken");
        QTest::newRow("all missing") << QStringList{"gone.mp3", "unplugged/stick.mp3"}
                                     << QStringList{"gone.mp3", "unplugged/stick.mp3"};
        QTest::newRow("not audio") << QStringList{"text.mp3"} << QStringList{"text.mp3"};
        QTest::newRow("a picture") << QStringList{"picture.mp3"} << QStringList{"picture.mp3"};
        QTest::newRow("empty") << QStringList{"empty.mp3"} << QStringList{"empty.mp3"};
        QTest::newRow("one good, one missing") << QStringList{"gone.mp3", "tone.wav"} << QStringList{"gone.mp3"};
        QTest::newRow("a good file after what is not audio")
            << QStringList{"picture.mp3", "text.mp3", "empty.mp3", "tone.wav"}
            << QStringList{"picture.mp3", "text.mp3", "empty.mp3"};
    }

    void brokenMusicIsReportedOnceAndLeftOut()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, broken);
        PlayFixture f;
        QVERIFY(writeMusic(f));
        QStringList paths;
        for (const QString &file : files)
            paths << f.env.path(file);
        f.addGeneral("Day");
        f.addProgram("P", General, 0, 1, QTime(0, 6, 0), paths);
        CommonWinObject *window = f.addWindow("W", 1, 60);
        f.tree->slotStartPlay(f.display);
        QVERIFY(f.tree->musicPlaylist);

        const int playable = files.size() - broken.size();
        QTRY_COMPARE_WITH_TIMEOUT(f.tree->musicPlaylist->mediaCount(), playable, 10000);
        QTest::qWait(1500); // a player that went round the list again would report again
        for (const QString &file : broken)
            QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", f.env.path(file)), 1);
        if (playable == 0)
            QCOMPARE(f.tree->musicPlayer->state(), QMediaPlayer::StoppedState);
        else
            QTRY_COMPARE(f.tree->musicPlayer->state(), QMediaPlayer::PlayingState);
        QVERIFY(f.area(window)->currentItem); // the pictures go on

        // The program's next pass starts its music again: what failed stays out, unreported.
        f.tree->slotCurProgramRealPlayEnd(f.display, window);
        QTest::qWait(500);
        QCOMPARE(f.tree->musicPlaylist->mediaCount(), playable);
        for (const QString &file : broken)
            QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", f.env.path(file)), 1);
        f.tree->slotStopPlay(f.display);
    }

    // ---- inserted segments ----------------------------------------------------

    void insertedTimesUnderASecondCountAsASecond_data()
    {
        QTest::addColumn<int>("intervalMinutes");
        QTest::addColumn<int>("playMinutes");
        QTest::addColumn<int>("playSeconds");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("lengthMs");
        QTest::newRow("nothing at all") << 0 << 0 << 0 << 1000 << 1000;
        QTest::newRow("negative") << -5 << -1 << -30 << 1000 << 1000;
        QTest::newRow("ordinary") << 30 << 5 << 0 << 1800000 << 300000;
        QTest::newRow("beyond a timer") << INT_MAX << INT_MAX << 59 << INT_MAX << INT_MAX;
    }

    void insertedTimesUnderASecondCountAsASecond()
    {
        QFETCH(int, intervalMinutes);
        QFETCH(int, playMinutes);
        QFETCH(int, playSeconds);
        QFETCH(int, intervalMs);
        QFETCH(int, lengthMs);
        PlayFixture f;
        f.addGeneral("Day");
        f.addProgram("P", General);
        f.addWindow("W", 1);
        f.addCycle("Every", intervalMinutes, 0, playMinutes, playSeconds);
        f.addProgram("C", Cycle);
        f.addWindow("CW", 1);
        f.tree->slotStartPlay(f.display);
        QCOMPARE(f.tree->cycleTimer->interval(), intervalMs);
        f.tree->slotPlayCycleObj();
        QCOMPARE(f.tree->insertedPlayMode, 1);
        QCOMPARE(f.tree->cyclePlayTimer->interval(), lengthMs);
        f.tree->slotStopPlay(f.display);
    }

    // ---- loading ---------------------------------------------------------------

    void loadingTouchesEachAreaAFewTimesOnly()
    {
        PlayFixture f;
        auto owned = GeneratedSchedules::wide(300);
        GeneratedSchedules::addDisplayWindow(*owned, "Second", 3, 2);
        const QString path = f.env.path("wide.qvsc");
        QVERIFY(GeneratedSchedules::save(*owned, path));

        AreaVisibilityChanges changes;
        f.w->slotOpenSettingsDoc(path);
        const MainPlayBKLabel *first = displayNamed(*f.w, "Display window1");
        const MainPlayBKLabel *second = displayNamed(*f.w, "Second");
        QVERIFY(first && second);
        QCOMPARE(first->playWindows.size(), 300);
        QCOMPARE(second->playWindows.size(), 6);
        // Showing every area again for each new one made loading quadratic.
        QVERIFY2(changes.count <= 4 * 306, qPrintable(QString::number(changes.count)));

        // What the operator sees: the first display window, shown with its tree's
        // root selected, marks its name and shows no area; the other one shows
        // its last program read.
        QCOMPARE(shownAreas(first), QStringList{});
        QVERIFY(first->showNameMarks);
        QCOMPARE(shownAreas(second), (QStringList{"Program3/Common Window1", "Program3/Common Window2"}));
        for (const MainPlayBKLabel *display : {first, second})
            for (const CommonPlayWindow *area : display->playWindows)
                QCOMPARE(area->geometry(), QRect(area->winObject->x, area->winObject->y, area->winObject->width,
                                                 area->winObject->height));
    }

    // ---- numbers from a file ----------------------------------------------------

    void geometryFromAFileIsKeptInBounds_data()
    {
        // Stored as four ints: a QRect of them would overflow itself.
        QTest::addColumn<QVector<int>>("stored");
        QTest::addColumn<QRect>("loaded");
        QTest::addColumn<bool>("reported");
        const int maxPos = DisplayGeometry::kMaxPosition, minPos = DisplayGeometry::kMinPosition;
        const int maxSize = DisplayGeometry::kMaxSize;
        QTest::newRow("ordinary") << QVector<int>{10, 20, 640, 480} << QRect(10, 20, 640, 480) << false;
        QTest::newRow("gigabytes of window")
            << QVector<int>{0, 0, 32767, 32767} << QRect(0, 0, maxSize, maxSize) << true;
        QTest::newRow("at the end of int")
            << QVector<int>{INT_MAX - 10, INT_MIN, 640, 480} << QRect(maxPos, minPos, 640, 480) << true;
        QTest::newRow("no size") << QVector<int>{5, 5, 0, -3} << QRect(5, 5, 1, 1) << true;
    }

    void geometryFromAFileIsKeptInBounds()
    {
        QFETCH(QVector<int>, stored);
        QFETCH(QRect, loaded);
        QFETCH(bool, reported);
        PlayFixture f;
        auto owned = GeneratedSchedules::wide(2);
        DisplayWindowSchedule &displayWindow = owned->schedule().displayWindows.first();
        PlayWinObject *record = displayWindow.window;
        record->x = stored.value(0);
        record->y = stored.value(1);
        record->width = stored.value(2);
        record->height = stored.value(3);
        if (reported) {
            // An area of extreme numbers too: one report for the whole file.
            CommonWinObject *area = displayWindow.generalSegments.first()->programs.first()->windows.first();
            area->x = INT_MAX - 5;
            area->y = INT_MIN + 5;
            area->width = INT_MAX;
            area->height = 100;
            area->borderEnabled = true;
            area->borderWidth = INT_MAX;
        }
        const QString path = f.env.path("hostile.qvsc");
        QVERIFY(GeneratedSchedules::save(*owned, path));

        QVERIFY2(f.w->document->loadSchedule(path), qPrintable(f.w->document->errorString()));
        const PlayWinObject *opened = f.w->playWinObjects.value(0);
        QVERIFY(opened);
        QCOMPARE(QRect(opened->x, opened->y, opened->width, opened->height), loaded);
        QCOMPARE(f.w->displayWindows.value(0)->size(), loaded.size());
        QCOMPARE(m_log->count(QtWarningMsg, "qv.shell", path), reported ? 1 : 0);
        for (const CommonPlayWindow *player : f.w->displayWindows.value(0)->playWindows) {
            const CommonWinObject *window = player->winObject;
            QVERIFY(window->x >= DisplayGeometry::kMinPosition && window->x <= DisplayGeometry::kMaxPosition);
            QVERIFY(window->width >= 0 && window->width <= DisplayGeometry::kMaxSize);
            QVERIFY(window->height >= 0 && window->height <= DisplayGeometry::kMaxSize);
            QVERIFY(window->borderWidth >= 0 && window->borderWidth <= DisplayGeometry::kMaxSize);
            // Painted where it stands: sizes near the end of int overflowed here (seen in the sanitizer build).
            const_cast<CommonPlayWindow *>(player)->show();
            QVERIFY(!const_cast<CommonPlayWindow *>(player)->grab(QRect(0, 0, 64, 64)).isNull());
        }
        // The settings dialog offers the same bounds.
        DisplaySettingsDialog dialog(nullptr, {});
        QCOMPARE(dialog.widthSpin->maximum(), DisplayGeometry::kMaxSize);
        QCOMPARE(dialog.xSpin->minimum(), DisplayGeometry::kMinPosition);
    }

    void countersStopAtTheLargestNumber()
    {
        PlayFixture f;
        auto owned = GeneratedSchedules::wide(1);
        Schedule &schedule = owned->schedule();
        schedule.displayWindowCounter = INT_MAX;
        GeneralObject *segment = schedule.displayWindows.first().generalSegments.first();
        segment->programCounter = INT_MAX;
        segment->programs.first()->windowCounter = INT_MAX;
        const QString path = f.env.path("counters.qvsc");
        QVERIFY(GeneratedSchedules::save(*owned, path));
        QVERIFY(f.w->document->loadSchedule(path));
        ProjectTree *tree = f.w->curProjectWidget->tree();
        QCOMPARE(tree->generalSegments.value(0)->programCounter, INT_MAX);
        QCOMPARE(tree->generalSegments.value(0)->programs.value(0)->windowCounter, INT_MAX);

        // A display window added by the operator, cancelled and then accepted.
        QCOMPARE(f.w->displayWindowCounter, INT_MAX);
        f.w->slotAddDisplayWindow();
        QCOMPARE(f.w->displayWindowCounter, INT_MAX);
        f.prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
            return int(QDialog::Accepted);
        };
        f.w->slotAddDisplayWindow();
        QCOMPARE(f.w->displayWindowCounter, INT_MAX);
        QCOMPARE(f.w->playWinObjects.size(), 2);
    }

private:
    static bool writeMusic(const PlayFixture &f)
    {
        return !MusicFiles::writeNotAudio(f.env.path(".")).isEmpty() && MusicFiles::writeTone(f.env.path("tone.wav"));
    }
};

QTEST_MAIN(UnattendedTest)
#include "test_unattended.moc"

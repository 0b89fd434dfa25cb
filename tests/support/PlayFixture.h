#pragma once

// A main window with a stopped clock, and a few words to build schedules
// for play through the tree's loaders.

#include "base/Clock.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"
#include "shell/Widget.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

class PlayFixture
{
public:
    explicit PlayFixture(const QDateTime &start = QDateTime(QDate(2026, 12, 7), QTime(10, 0))) // a Monday
        : clock(start)
    {
        Clock::install(&clock);
        PlayLog::setDatabasePath(env.path("log.db"));
        w.reset(new Widget);
        tree = w->curProjectWidget->tree();
        display = w->curDisplayName;
    }
    ~PlayFixture()
    {
        PlayLog::flush();
        w.reset();
        Clock::install(nullptr);
    }

    void addGeneral(const QString &name, bool allTime = true, QTime start = {}, QTime end = {})
    {
        tree->loadGeneralSegment(name, display, false, {}, {}, Weekday::allDays(), allTime, start, end, 0);
    }
    void addCycle(const QString &name, int intervalMinutes, int playMode, int minutes = 0, int seconds = 0)
    {
        tree->loadCycleSegment(name, display, intervalMinutes, playMode, minutes, seconds, 1, false, {}, {},
                               Weekday::allDays(), true, {}, {}, 0);
    }
    void addTiming(const QString &name, const QList<QTime> &times, int playMode = 1)
    {
        QList<TimePoint *> points;
        for (const QTime &time : times) {
            auto *point = new TimePoint;
            point->time = time;
            point->weekdays = Weekday::allDays();
            points << point;
        }
        tree->loadTimingSegment(name, display, points, playMode, 0, 10, 1, 0);
    }
    // A program of the segment loaded last, of the given kind.
    void addProgram(const QString &name, const QString &segmentType, int playMode = 0, int playTimes = 1,
                    QTime length = QTime(0, 6, 0), const QStringList &music = {})
    {
        tree->loadProgram(name, segmentType, display, Qt::black, {}, 1, music, playMode, playTimes, length, 0);
        m_segmentType = segmentType;
        m_program = name;
    }
    // A window of the program loaded last with `items` texts of `stay` seconds each.
    CommonWinObject *addWindow(const QString &name, int items, int stay = 10)
    {
        tree->loadCommonWindow(name, m_segmentType, false, 0, Qt::red, 0, 0, 100, 50);
        for (int i = 0; i < items; ++i) {
            TextProperty text;
            text.stayTime = stay;
            tree->loadTextObject(MediaKind::SimpleText, ++m_id, display, tree->curCommonWin->segmentName, m_program,
                                 name, text);
        }
        return tree->curCommonWin;
    }

    CommonPlayWindow *area(const CommonWinObject *window) const
    {
        for (MainPlayBKLabel *d : w->displayWindows)
            for (CommonPlayWindow *a : d->playWindows)
                if (a->winObject == window)
                    return a;
        return nullptr;
    }
    // The play log's rows of the current clock's day, once every row queued so far is written.
    static QList<QStringList> loggedRows()
    {
        PlayLog::flush();
        const QString day = Clock::current().currentDate().toString(QStringLiteral("yyyy-MM-dd"));
        return dataBaseConn().queryLogs(QString(), day, day);
    }

    void tick(int seconds = 1)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceMs(1000);
            tree->slotPlayTimeout();
        }
    }

    TestEnvironment env;
    ScriptedPrompts prompts;
    ManualClock clock;
    std::unique_ptr<Widget> w;
    ProjectTree *tree = nullptr;
    QString display;

private:
    QString m_segmentType;
    QString m_program;
    int m_id = 0;
};

#pragma once

// Watches the real play of every display window of a main window, after
// every timer event and every simulated second, and holds what the screen
// shows against what the schedule alone says must show:
//
//  general   while a general segment is due and has something playable and
//            no insertion runs, the areas that show are exactly the item
//            areas of one of its programs, each with its item running and
//            its player's view shown (no black area, no stray one); within a
//            second of an insertion's end the general program shows again;
//  window    no general item shows outside its segment's time window, dates
//            or weekdays;
//  insertion a timing insertion starts at the second of a due time point and
//            a cycle insertion at its interval (and nowhere else); each ends
//            after its minutes:seconds or after one pass through its
//            programs, pauses left out; only one kind shows at a time;
//  items     an item that ended by itself ran its stay exactly, pauses and
//            insertions left out, and has exactly one play-log row whose
//            start and end lie within a second of when it showed (one row
//            across an interruption); an item cut short has no row; no item
//            runs past its stay;
//  pause     while a display window is paused nothing on it changes; play
//            goes on with every timer's remaining time;
//  advance   a program in length mode gives way after its length and one in
//            times mode after its passes, pauses and insertions left out (both
//            hold it); a loop never does.
//
// The watcher reads the screen (areas shown, their item and its start) and
// the play and pause flags of each tree (what the commands did); what must
// show comes from the records, their validity and their stay times.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "model/SegmentValidity.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/content/PagedContentPlayer.h"
#include "shell/Widget.h"
#include "support/LightContent.h"

#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

class PlayWatch
{
public:
    // Timing slack: ticks, timers and rows agree to the millisecond in
    // simulated time; this only absorbs the rounding of a second.
    static constexpr qint64 kSlackMs = 5;

    PlayWatch(Widget &w, const QStringList &displayNames, const QDateTime &start)
    {
        for (const QString &name : displayNames) {
            Display d;
            d.name = name;
            d.tree = w.projectWidgets.value(name) ? w.projectWidgets.value(name)->tree() : nullptr;
            for (MainPlayBKLabel *window : qAsConst(w.displayWindows))
                if (window->name == name)
                    d.window = window;
            d.noneSince = start;
            d.flagsSince = start;
            if (!d.tree || !d.window)
                fail(start, name, QStringLiteral("display window not loaded"));
            m_displays << d;
        }
    }

    bool failed() const { return !m_violations.isEmpty(); }
    QStringList violations() const { return m_violations; }

    struct Figures
    {
        int showings = 0;   // items seen to show
        int rows = 0;       // play-log rows matched to an item that ended by itself
        int insertions = 0; // insertions seen to start
        int pauses = 0;
        int advances = 0; // program changes checked against their mode
    };
    Figures figures() const { return m_figures; }

    // After every timer event (`cause` is the timer's object) and after every
    // command (`cause` null): what changed since the last look.
    void observe(const QDateTime &now, const QObject *cause)
    {
        for (Display &d : m_displays) {
            if (!d.tree)
                continue;
            advanceClocks(d, now);
            readAreas(d, now, cause);
            readFlags(d, now);
            readInsertion(d, now);
            readProgram(d, now);
            d.lastAt = now;
        }
    }

    // After every simulated second, before the commands of that second.
    void checkSecond(const QDateTime &now)
    {
        for (Display &d : m_displays) {
            if (!d.tree || failed())
                continue;
            observe(now, nullptr);
            checkInsertionTimes(d, now);
            checkWindows(d, now);
            checkGeneral(d, now);
            checkProgramLength(d, now);
            d.insertionAtLastCheck = d.insertion;
        }
    }

    // The rows written so far against the items that ended by themselves.
    void checkLog(const QDateTime &now)
    {
        if (!PlayLog::flush(60000))
            fail(now, QString(), QStringLiteral("the play log did not take its rows"));
        const QString connection = QStringLiteral("play-watch");
        {
            QSqlDatabase db = QSqlDatabase::contains(connection) ? QSqlDatabase::database(connection)
                                                                 : QSqlDatabase::addDatabase("QSQLITE", connection);
            if (db.databaseName() != PlayLog::databasePath()) {
                db.close();
                db.setDatabaseName(PlayLog::databasePath());
                m_lastRowId = 0;
            }
            if (QFileInfo::exists(PlayLog::databasePath()) && db.open()) {
                QSqlQuery query(db);
                query.prepare("select rowid, name, beginDate, beginTime, endDate, endTime, result from LOGINFOS "
                              "where rowid > ? order by rowid");
                query.addBindValue(m_lastRowId);
                query.exec();
                while (query.next()) {
                    m_lastRowId = query.value(0).toLongLong();
                    matchRow(now, query.value(1).toString(), moment(query.value(2), query.value(3)),
                             moment(query.value(4), query.value(5)), query.value(6).toString());
                }
            }
        }
        for (auto it = m_expectedRows.cbegin(); it != m_expectedRows.cend() && !failed(); ++it) {
            for (const Row &row : it.value())
                fail(row.end, QString(),
                     QStringLiteral("%1 shown %2 to %3 ended by itself but has no play-log row")
                         .arg(it.key(), row.begin.toString("HH:mm:ss.zzz"), row.end.toString("HH:mm:ss.zzz")));
        }
        m_expectedRows.clear();
    }

    void fail(const QDateTime &at, const QString &display, const QString &what)
    {
        if (m_violations.size() < 5)
            m_violations << QStringLiteral("%1 %2: %3").arg(at.toString("yyyy-MM-dd HH:mm:ss.zzz"), display, what);
    }

private:
    struct Showing
    {
        QVLedMediaObject *item = nullptr;
        QDateTime start;
        qint64 runMs = 0;
        bool running = false;
    };
    struct AreaLook
    {
        bool visible = false;
        QVLedMediaObject *item = nullptr;
        QDateTime itemStart;
        bool paused = false;
        bool operator==(const AreaLook &o) const
        {
            return visible == o.visible && item == o.item && itemStart == o.itemStart && paused == o.paused;
        }
    };
    struct Row
    {
        QDateTime begin;
        QDateTime end;
    };
    struct Display
    {
        QString name;
        ProjectTree *tree = nullptr;
        MainPlayBKLabel *window = nullptr;
        QDateTime lastAt;
        bool playing = false;
        bool paused = false;
        QDateTime flagsSince;
        QDateTime cycleEpoch; // the cycle interval counts from here
        QHash<CommonPlayWindow *, Showing> showings;
        QHash<CommonPlayWindow *, AreaLook> frozen; // the screen when the pause began
        QString insertion;                          // segment type of the insertion showing, or empty
        QString insertionAtLastCheck;
        QDateTime insertionSince;
        QDateTime noneSince;
        qint64 insertionLeftMs = 0;
        bool insertionOverrunReported = false;
        const ProgramObject *program = nullptr; // the general program on screen
        qint64 programHeldMs = 0;               // its time on screen, pauses and insertions left out
    };

    // ---- what the schedule says ---------------------------------------------

    static qint64 stayMs(const QVLedMediaObject &item)
    {
        return qMax<qint64>(1000, MediaKinds::staySeconds(item) * 1000);
    }

    template <typename Segment>
    static QList<const ProgramObject *> programsOf(const Segment &segment)
    {
        QList<const ProgramObject *> programs;
        for (const ProgramObject *program : segment.programs)
            if (program->segmentName == segment.name && passMs(*program) > 0)
                programs << program;
        return programs;
    }

    // One pass of a program: its longest list of items.
    static qint64 passMs(const ProgramObject &program)
    {
        qint64 longest = 0;
        for (const CommonWinObject *window : program.windows) {
            qint64 total = 0;
            for (const QVLedMediaObject *item : window->media)
                total += stayMs(*item);
            longest = qMax(longest, total);
        }
        return longest;
    }

    template <typename Segment>
    static qint64 insertionMs(const Segment &segment)
    {
        if (segment.playMode == 0)
            return qMax<qint64>(1000, (qint64(segment.playMinutes) * 60 + segment.playSeconds) * 1000);
        qint64 total = 0;
        for (const ProgramObject *program : programsOf(segment))
            total += passMs(*program);
        return total;
    }

    static bool pointDue(const TimingObject &segment, const QDateTime &now)
    {
        const QString day = SegmentValidity::weekdayName(now.date());
        for (const TimePoint *point : segment.timePoints) {
            if (point->time.isValid() && point->time.toString("HH:mm:ss") == now.time().toString("HH:mm:ss")
                && SegmentValidity::dateApplies(point->specifiedDate, point->startDate, point->endDate, now.date())
                && point->weekdays.contains(day))
                return true;
        }
        return false;
    }

    // Play stops at midnight and starts again two seconds later; a time point
    // of that gap is caught up by the first timing check after it.
    static bool midnightGap(const QDateTime &now) { return now.time() < QTime(0, 0, 6); }

    bool cycleFires(const Display &d, const QDateTime &now) const
    {
        if (d.tree->cycleSegments.isEmpty() || !d.cycleEpoch.isValid() || !d.playing || d.paused)
            return false;
        const qint64 interval
            = qBound<qint64>(1000, qint64(d.tree->cycleSegments.last()->intervalMinutes) * 60000, INT_MAX);
        const qint64 since = d.cycleEpoch.msecsTo(now);
        return since > 0 && since % interval == 0;
    }

    // The general segment due: the last valid one of the list.
    static const GeneralObject *dueSegment(const Display &d, const QDateTime &now)
    {
        for (int i = d.tree->generalSegments.size() - 1; i >= 0; --i)
            if (SegmentValidity::isValid(*d.tree->generalSegments.at(i), now))
                return d.tree->generalSegments.at(i);
        return nullptr;
    }

    static const ProgramObject *programOf(const Display &d, const CommonWinObject &window)
    {
        for (const GeneralObject *segment : d.tree->generalSegments)
            if (segment->name == window.segmentName)
                for (const ProgramObject *program : segment->programs)
                    if (program->name == window.programName)
                        return program;
        return nullptr;
    }

    // ---- looking ------------------------------------------------------------

    static AreaLook look(const CommonPlayWindow *area)
    {
        return {!area->isHidden(), area->currentItem, area->currentItem ? area->currentItemStart() : QDateTime(),
                area->paused};
    }

    static bool shows(const AreaLook &a) { return a.visible && a.item && !a.paused; }

    // The player of the item's family shows its view in the area.
    static bool contentShown(const CommonPlayWindow &area, const QVLedMediaObject &item)
    {
        MediaFamily family;
        const ContentPlayer *player = MediaKinds::familyOf(item.kind, &family) ? area.content().find(family) : nullptr;
        return player && player->view() && !player->view()->isHidden();
    }

    // The area whose own timer `cause` is: its stay timer or its player's.
    const CommonPlayWindow *ownerOf(const QObject *cause)
    {
        if (!cause)
            return nullptr;
        const auto known = m_owners.constFind(cause);
        if (known != m_owners.constEnd())
            return known.value();
        m_owners.clear();
        for (const Display &d : qAsConst(m_displays)) {
            if (!d.window)
                continue;
            for (CommonPlayWindow *area : d.window->playWindows) {
                m_owners.insert(area->stayTimer(), area);
                ContentPlayer *player = area->content().find(MediaFamily::Image);
                if (auto *paged = dynamic_cast<PagedContentPlayer *>(player))
                    m_owners.insert(paged->stayTimer(), area);
                if (auto *light = dynamic_cast<LightPlayer *>(player))
                    m_owners.insert(light->timer(), area);
            }
        }
        if (!m_owners.contains(cause))
            m_owners.insert(cause, nullptr);
        return m_owners.value(cause);
    }

    void advanceClocks(Display &d, const QDateTime &now)
    {
        if (!d.lastAt.isValid())
            return;
        const qint64 passed = d.lastAt.msecsTo(now);
        for (Showing &s : d.showings)
            if (s.running)
                s.runMs += passed;
        if (d.playing && !d.paused) {
            if (!d.insertion.isEmpty())
                d.insertionLeftMs -= passed;
            else if (d.program)
                d.programHeldMs += passed; // an insertion holds the program too
        }
    }

    void readAreas(Display &d, const QDateTime &now, const QObject *cause)
    {
        for (CommonPlayWindow *area : d.window->playWindows) {
            const AreaLook a = look(area);
            auto open = d.showings.find(area);
            const bool changes
                = open == d.showings.end() ? a.item != nullptr : (open->item != a.item || open->start != a.itemStart);
            if (changes && !m_trace.isEmpty() && now.toString("HH:mm:ss").startsWith(m_trace))
                trace(d, area, a, now, ownerOf(cause) == area, open == d.showings.end() ? -1 : open->runMs);
            if (open != d.showings.end() && (open->item != a.item || open->start != a.itemStart)) {
                close(d, area, *open, now, ownerOf(cause) == area);
                d.showings.erase(open);
                open = d.showings.end();
            }
            if (a.item && open == d.showings.end()) {
                ++m_figures.showings;
                if (a.itemStart != now)
                    fail(now, d.name,
                         QStringLiteral("%1 in %2 began at %3, unseen")
                             .arg(MediaKinds::logName(*a.item), area->winObject->name,
                                  a.itemStart.toString("HH:mm:ss.zzz")));
                open = d.showings.insert(area, Showing{a.item, a.itemStart, 0, false});
            }
            if (open != d.showings.end()) {
                open->running = shows(a);
                if (open->runMs > stayMs(*open->item) + kSlackMs)
                    fail(now, d.name,
                         QStringLiteral("%1 in %2 runs past its stay of %3 ms")
                             .arg(MediaKinds::logName(*open->item), area->winObject->name)
                             .arg(stayMs(*open->item)));
            }
            const bool stillPaused = d.paused && d.tree->playing && d.tree->paused;
            if (stillPaused && d.frozen.contains(area) && !(d.frozen.value(area) == a))
                fail(now, d.name, QStringLiteral("area %1 changed while paused").arg(area->winObject->name));
        }
    }

    // QV_SIM_TRACE: a showing begins or ends (what ends ran `runMs`).
    static void trace(const Display &d, const CommonPlayWindow *area, const AreaLook &a, const QDateTime &now,
                      bool ownEnd, qint64 runMs)
    {
        const CommonWinObject &w = *area->winObject;
        qDebug().noquote()
            << now.toString("HH:mm:ss.zzz") << d.name << w.segmentName + "/" + w.programName + "/" + w.name << "now"
            << (a.item ? MediaKinds::logName(*a.item) : QStringLiteral("nothing")) << (a.visible ? "shown" : "hidden")
            << (a.paused ? "paused" : "") << "at index" << area->index
            << (runMs >= 0 ? QStringLiteral("; before: ran %1 ms, %2").arg(runMs).arg(ownEnd ? "its own end" : "cut")
                           : QString());
    }

    void close(Display &d, CommonPlayWindow *area, const Showing &s, const QDateTime &now, bool ownEnd)
    {
        const QString name = MediaKinds::logName(*s.item);
        const qint64 stay = stayMs(*s.item);
        if (ownEnd) {
            if (qAbs(s.runMs - stay) > kSlackMs)
                fail(now, d.name,
                     QStringLiteral("%1 in %2 ended by itself after %3 ms of its stay of %4 ms")
                         .arg(name, area->winObject->name)
                         .arg(s.runMs)
                         .arg(stay));
            m_expectedRows[name] << Row{s.start, now};
        }
    }

    void readFlags(Display &d, const QDateTime &now)
    {
        const bool playing = d.tree->playing;
        const bool paused = playing && d.tree->paused;
        if (playing == d.playing && paused == d.paused)
            return;
        if (playing && !paused && (!d.playing || d.paused)) // a fresh start or the end of a pause
            d.cycleEpoch = now;
        if (paused) {
            ++m_figures.pauses;
            d.frozen.clear();
            for (CommonPlayWindow *area : d.window->playWindows)
                d.frozen.insert(area, look(area));
        }
        if (!playing) {
            d.program = nullptr;
            d.insertion.clear();
            d.noneSince = now;
        }
        d.playing = playing;
        d.paused = paused;
        d.flagsSince = now;
    }

    void readInsertion(Display &d, const QDateTime &now)
    {
        QString kind;
        for (CommonPlayWindow *area : d.window->playWindows) {
            const AreaLook a = look(area);
            if (!a.visible || !a.item || area->segmentType == SegmentType::General)
                continue;
            if (!kind.isEmpty() && kind != area->segmentType)
                fail(now, d.name, QStringLiteral("a cycle and a timing insertion show at once"));
            kind = area->segmentType;
        }
        if (kind == d.insertion)
            return;
        if (!d.insertion.isEmpty() && kind.isEmpty() && d.playing && qAbs(d.insertionLeftMs) > kSlackMs)
            fail(now, d.name,
                 QStringLiteral("the %1 insertion ended %2 ms early").arg(d.insertion).arg(d.insertionLeftMs));
        if (kind.isEmpty()) {
            d.insertion.clear();
            d.noneSince = now;
            return;
        }
        ++m_figures.insertions;
        if (d.paused)
            fail(now, d.name, QStringLiteral("an insertion started while paused"));
        if (kind == SegmentType::Timing) {
            if (!midnightGap(now) && !(d.tree->timingSegments.size() && pointDue(*d.tree->timingSegments.last(), now)))
                fail(now, d.name, QStringLiteral("a timing insertion started with no time point due"));
            d.insertionLeftMs = d.tree->timingSegments.isEmpty() ? 0 : insertionMs(*d.tree->timingSegments.last());
        } else {
            if (!cycleFires(d, now))
                fail(now, d.name, QStringLiteral("a cycle insertion started off its interval"));
            d.insertionLeftMs = d.tree->cycleSegments.isEmpty() ? 0 : insertionMs(*d.tree->cycleSegments.last());
        }
        d.insertion = kind;
        d.insertionSince = now;
        d.insertionOverrunReported = false;
    }

    void readProgram(Display &d, const QDateTime &now)
    {
        if (!d.playing)
            return;
        const ProgramObject *shown = nullptr;
        for (CommonPlayWindow *area : d.window->playWindows) {
            if (area->segmentType == SegmentType::General && shows(look(area))) {
                shown = programOf(d, *area->winObject);
                break;
            }
        }
        if (!shown && d.insertion.isEmpty() && !d.paused)
            d.program = nullptr; // the segment ended, or play stands: a program seen next starts afresh
        if (!shown || shown == d.program)
            return;
        const ProgramObject *before = d.program;
        if (before && before->segmentName == shown->segmentName)
            checkAdvance(d, *before, now);
        d.program = shown;
        d.programHeldMs = 0;
    }

    void checkAdvance(Display &d, const ProgramObject &program, const QDateTime &now)
    {
        const QString what = QStringLiteral("program %1 of %2 gave way after %3 ms")
                                 .arg(program.name, program.segmentName)
                                 .arg(d.programHeldMs);
        ++m_figures.advances;
        if (program.playMode == 2) {
            fail(now, d.name, what + QStringLiteral(", in loop mode"));
        } else if (program.playMode == 1) {
            const qint64 length = qMax<qint64>(1000, QTime(0, 0).msecsTo(program.playLength) / 1000 * 1000);
            if (qAbs(d.programHeldMs - length) > kSlackMs)
                fail(now, d.name, what + QStringLiteral(", its length is %1 ms").arg(length));
        } else {
            const qint64 passes = qint64(qMax(1, program.playTimes)) * passMs(program);
            if (qAbs(d.programHeldMs - passes) > kSlackMs)
                fail(now, d.name,
                     what + QStringLiteral(", its %1 passes last %2 ms").arg(program.playTimes).arg(passes));
        }
    }

    // ---- checks every second ----------------------------------------------------

    void checkInsertionTimes(Display &d, const QDateTime &now)
    {
        const bool steady = d.playing && !d.paused && d.flagsSince <= now.addSecs(-1);
        if (!d.insertion.isEmpty() && d.insertionLeftMs < -kSlackMs && !d.insertionOverrunReported) {
            d.insertionOverrunReported = true;
            fail(now, d.name,
                 QStringLiteral("the %1 insertion shows %2 ms past its end").arg(d.insertion).arg(-d.insertionLeftMs));
        }
        if (!steady || midnightGap(now))
            return;
        // A time point due while a timing insertion shows inserts its programs again.
        const TimingObject *timing = d.tree->timingSegments.isEmpty() ? nullptr : d.tree->timingSegments.last();
        const bool due = timing && pointDue(*timing, now) && !programsOf(*timing).isEmpty();
        if (due && d.insertion == SegmentType::Timing && d.insertionSince < now) {
            if (timing->playMode == 0)
                d.insertionLeftMs = insertionMs(*timing);
            else
                d.insertionLeftMs += insertionMs(*timing);
        }
        if (due && d.insertion != SegmentType::Timing)
            fail(now, d.name, QStringLiteral("a time point is due and no timing insertion shows"));
        const CycleObject *cycle = d.tree->cycleSegments.isEmpty() ? nullptr : d.tree->cycleSegments.last();
        if (cycle && cycleFires(d, now) && d.insertionAtLastCheck.isEmpty() && d.noneSince < now
            && SegmentValidity::isValid(*cycle, now) && !programsOf(*cycle).isEmpty() && d.insertion.isEmpty())
            fail(now, d.name, QStringLiteral("the cycle interval is over and no insertion shows"));
    }

    void checkWindows(Display &d, const QDateTime &now)
    {
        if (!d.playing || d.paused)
            return;
        for (CommonPlayWindow *area : d.window->playWindows) {
            if (area->segmentType != SegmentType::General || !shows(look(area)))
                continue;
            const GeneralObject *segment = nullptr;
            for (const GeneralObject *g : d.tree->generalSegments)
                if (g->name == area->winObject->segmentName)
                    segment = g;
            if (!segment
                || (!SegmentValidity::isValid(*segment, now) && !SegmentValidity::isValid(*segment, now.addSecs(-1))))
                fail(now, d.name,
                     QStringLiteral("%1 of %2 shows outside its segment's time")
                         .arg(area->winObject->name, area->winObject->segmentName));
        }
    }

    void checkGeneral(Display &d, const QDateTime &now)
    {
        const bool steady = d.playing && !d.paused && d.flagsSince <= now.addSecs(-1);
        if (!steady || !d.insertion.isEmpty() || d.noneSince > now.addSecs(-1) || midnightGap(now))
            return;
        const GeneralObject *due = dueSegment(d, now);
        if (due != dueSegment(d, now.addSecs(-1)))
            return; // the segment changes at this second
        QSet<const CommonWinObject *> shown;
        QStringList stray;
        for (CommonPlayWindow *area : d.window->playWindows) {
            const AreaLook a = look(area);
            if (!a.visible)
                continue;
            if (shows(a) && contentShown(*area, *a.item))
                shown << area->winObject;
            else
                stray << area->winObject->segmentName + "/" + area->winObject->programName + "/"
                             + area->winObject->name;
        }
        if (!stray.isEmpty()) {
            fail(now, d.name, QStringLiteral("areas shown with nothing playing: %1").arg(stray.join(' ')));
            return;
        }
        const QList<const ProgramObject *> programs = due ? programsOf(*due) : QList<const ProgramObject *>();
        if (programs.isEmpty()) {
            if (!shown.isEmpty())
                fail(now, d.name, QStringLiteral("areas show while no general segment is due"));
            return;
        }
        for (const ProgramObject *program : programs) {
            QSet<const CommonWinObject *> expected;
            for (const CommonWinObject *window : program->windows)
                if (!window->media.isEmpty())
                    expected << window;
            if (expected == shown)
                return;
        }
        QStringList names;
        for (const CommonWinObject *window : shown)
            names << window->segmentName + "/" + window->programName + "/" + window->name;
        fail(now, d.name, QStringLiteral("%1 is due but the screen shows [%2]").arg(due->name, names.join(' ')));
    }

    void checkProgramLength(Display &d, const QDateTime &now)
    {
        if (!d.program || !d.playing || d.paused || !d.insertion.isEmpty() || d.program->playMode != 1)
            return;
        const GeneralObject *segment = nullptr;
        for (const GeneralObject *g : d.tree->generalSegments)
            if (g->name == d.program->segmentName)
                segment = g;
        if (!segment || programsOf(*segment).size() < 2 || !SegmentValidity::isValid(*segment, now))
            return;
        const qint64 length = qMax<qint64>(1000, QTime(0, 0).msecsTo(d.program->playLength) / 1000 * 1000);
        if (d.programHeldMs > length + 1000 + kSlackMs)
            fail(now, d.name,
                 QStringLiteral("program %1 still shows %2 ms into its length of %3 ms")
                     .arg(d.program->name)
                     .arg(d.programHeldMs)
                     .arg(length));
    }

    // ---- the play log -------------------------------------------------------------

    // A row's moment, in the simulation's time spec (UTC, the zone it runs in).
    // The texts are "yyyy-MM-dd" and "HH:mm:ss:zzz"; read by hand, as the
    // general parser costs more than the play it checks.
    static QDateTime moment(const QVariant &date, const QVariant &time)
    {
        const QString d = date.toString(), t = time.toString();
        auto number = [](const QString &text, int at, int length) { return text.midRef(at, length).toInt(); };
        return QDateTime(QDate(number(d, 0, 4), number(d, 5, 2), number(d, 8, 2)),
                         QTime(number(t, 0, 2), number(t, 3, 2), number(t, 6, 2), number(t, 9, 3)), Qt::UTC);
    }

    void matchRow(const QDateTime &now, const QString &name, const QDateTime &begin, const QDateTime &end,
                  const QString &result)
    {
        // Rows come in the order their items ended, as they were expected:
        // the match is found near the front.
        QList<Row> &rows = m_expectedRows[name];
        const qint64 beginMs = begin.toMSecsSinceEpoch();
        int best = -1;
        qint64 bestGap = 0;
        for (int i = 0; i < rows.size(); ++i) {
            const qint64 at = rows.at(i).begin.toMSecsSinceEpoch();
            if (best < 0 || qAbs(at - beginMs) < bestGap) {
                best = i;
                bestGap = qAbs(at - beginMs);
            }
            if (at > beginMs + 1000)
                break;
        }
        if (best < 0 || bestGap > 1000 || qAbs(rows.at(best).end.msecsTo(end)) > 1000) {
            fail(now, QString(),
                 QStringLiteral("a play-log row for %1 from %2 to %3 names no item that ended by itself")
                     .arg(name, begin.toString("HH:mm:ss.zzz"), end.toString("HH:mm:ss.zzz")));
            return;
        }
        if (result != QLatin1String("success"))
            fail(now, QString(), QStringLiteral("the row of %1 says %2").arg(name, result));
        rows.removeAt(best);
        if (rows.isEmpty())
            m_expectedRows.remove(name);
        ++m_figures.rows;
    }

    QList<Display> m_displays;
    QHash<const QObject *, const CommonPlayWindow *> m_owners;
    QHash<QString, QList<Row>> m_expectedRows;
    qint64 m_lastRowId = 0;
    QStringList m_violations;
    Figures m_figures;
    const QString m_trace = qEnvironmentVariable("QV_SIM_TRACE");
};

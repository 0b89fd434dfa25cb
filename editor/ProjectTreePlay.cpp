// The tree of a display window is also the sequencer of its real play:
// once a second it decides which general segment is due, inserted segments
// preempt it, and each program's windows go to the main window, which hands
// them to the display window's area players.

#include "editor/ProjectTree.h"
#include "base/Log.h"
#include "editor/ProjectTreeItem.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "base/Clock.h"
#include "model/SegmentValidity.h"
#include "playback/content/MediaModule.h"
#include "base/Prompts.h"
#include "shell/Widget.h"

#include <QDebug>
#include <QTimer>

namespace {
constexpr int kCheckIntervalMs = 1000;
constexpr int kRestartDelayMs = 2000;
// No interval or length of the schedule runs a timer faster than this: an
// insertion of nothing every nothing would restart every millisecond.
constexpr int kShortestPlayMs = 1000;
// Longest span a timing tick looks back over: the midnight restart's gap and a late tick.
constexpr int kTimingCatchUpSeconds = 10;

int lengthMs(const QTime &length)
{
    return length.isValid() ? QTime(0, 0).msecsTo(length) / 1000 * 1000 : 0;
}

int insertedLengthMs(int minutes, int seconds)
{
    return int(qBound<qint64>(kShortestPlayMs, (qint64(minutes) * 60 + seconds) * 1000, INT_MAX));
}

int programLengthMs(const QTime &length)
{
    return qMax(kShortestPlayMs, lengthMs(length));
}

template <typename Segment>
QList<ProgramObject *> programsNamedFor(const Segment *segment)
{
    QList<ProgramObject *> programs;
    for (ProgramObject *program : segment->programs) {
        if (program->segmentName == segment->name)
            programs << program;
    }
    return programs;
}

bool hasPlayableMedia(const ProgramObject *program)
{
    for (const CommonWinObject *window : program->windows)
        for (const QVLedMediaObject *item : window->media)
            if (MediaKind::isKnown(item->kind))
                return true;
    return false;
}

// The first program from `from` on (and, with wrap, from the start) that has
// something to play; -1 when none has. A program with nothing to play would
// never report its end and would hold the screen for good.
int playableFrom(const QList<ProgramObject *> &programs, int from, bool wrap)
{
    for (int i = qMax(0, from); i < programs.size(); ++i)
        if (hasPlayableMedia(programs.at(i)))
            return i;
    if (wrap)
        for (int i = 0; i < qMin(from, programs.size()); ++i)
            if (hasPlayableMedia(programs.at(i)))
                return i;
    return -1;
}

QList<CommonWinObject *> windowsOf(const ProgramObject *program)
{
    QList<CommonWinObject *> windows;
    for (CommonWinObject *window : program->windows) {
        if (window->programName == program->name)
            windows << window;
    }
    return windows;
}
} // namespace

void ProjectTree::createPlayTimers()
{
    auto timer = [this](void (ProjectTree::*slot)()) {
        auto *t = new QTimer(this);
        t->setTimerType(Qt::PreciseTimer);
        connect(t, &QTimer::timeout, this, slot);
        return t;
    };
    generalCheckTimer = timer(&ProjectTree::slotPlayTimeout);
    cycleTimer = timer(&ProjectTree::slotPlayCycleObj);
    timingCheckTimer = timer(&ProjectTree::slotPlayTimingObj);
    timingPlayTimer = timer(&ProjectTree::slotTimingPlayTimeout);
    cyclePlayTimer = timer(&ProjectTree::slotCyclePlayTimeout);
    programTimer = timer(&ProjectTree::slotGeneralProTimeout);
    restartTimer = timer(&ProjectTree::slotRestart);
    restartTimer->setSingleShot(true);
}

int ProjectTree::countMedia() const
{
    int count = 0;
    auto countPrograms = [&count](const QList<ProgramObject *> &programs) {
        for (const ProgramObject *program : programs)
            for (const CommonWinObject *window : program->windows)
                count += window->media.size();
    };
    for (const GeneralObject *segment : generalSegments)
        countPrograms(segment->programs);
    for (const CycleObject *segment : cycleSegments)
        countPrograms(segment->programs);
    for (const TimingObject *segment : timingSegments)
        countPrograms(segment->programs);
    return count;
}

// ---- music --------------------------------------------------------------

void ProjectTree::startProgramMusic(const ProgramObject *program)
{
    if (program->bgMusic.isEmpty()) {
        stopMusic();
        return;
    }
    if (!m_music) {
        m_music = Multimedia::newMusic(this);
        if (!m_music)
            return; // no music in this program; play goes on
        musicPlayer = m_music->player();
        musicPlaylist = m_music->playlist();
    }
    m_music->start(program, program->bgMusic);
}

void ProjectTree::stopMusic()
{
    if (m_music)
        m_music->stop();
}

// ---- start, pause, stop -------------------------------------------------

void ProjectTree::slotStartPlay(const QString &name)
{
    if (rootItem) {
        setCurrentItem(rootItem);
        curItem = rootItem;
        mainWindow->checkSchedule(rootItem->text(0));
    }
    mainWindow->slotStopCurPreview();
    if (name != displayName)
        return;

    if (!playing) {
        // Nothing starts, no timer and no locked panel, for a schedule without content.
        if (countMedia() == 0) {
            const QString text = tr("The schedule is empty,please add program!");
            if (mainWindow->startingUnattended)
                qCWarning(lcEditor).noquote() << displayName << text;
            else
                Prompts::current().information(mainWindow, tr("info"), text);
            emit sigBeginPlayFailed();
            return;
        }
        restartTimer->stop(); // a start in the gap after midnight is the restart
        slotStartTimePlay(name);
        slotStartCyclePlay(name);
        playing = true;
        m_lastGeneralTick = QDateTime();
        // The display window leaves the editor before the first program comes:
        // what the editor showed there goes, and only what plays is shown.
        mainWindow->slotGetRealBeginWinInfo(displayName);
        slotPlayTimeout();
        generalCheckTimer->start(kCheckIntervalMs);
        return;
    }

    slotStartTimePlay(name);
    slotStartCyclePlay(name);
    if (!paused) {
        paused = true;
        generalCheckTimer->stop();
        holdPlayTimers();
        if (m_music)
            m_music->pause();
    } else {
        paused = false;
        generalCheckTimer->start(kCheckIntervalMs);
        releasePlayTimers();
        if (m_music)
            m_music->resume();
        mainWindow->slotRealPlayContinue(currentSegmentType);
    }
}

void ProjectTree::holdPlayTimers()
{
    m_heldTimers.clear();
    for (QTimer *timer : {programTimer, cyclePlayTimer, timingPlayTimer}) {
        if (!timer->isActive())
            continue;
        m_heldTimers.append({timer, timer->remainingTime()});
        timer->stop();
    }
}

void ProjectTree::releasePlayTimers()
{
    // Whatever ends them stops them, so the shorter interval lasts one round.
    for (const auto &held : qAsConst(m_heldTimers))
        held.first->start(qMax(1, held.second));
    m_heldTimers.clear();
}

void ProjectTree::holdProgramLength()
{
    // Only the first insertion holds it: a timing point that takes over from a
    // cycle insertion finds it held already.
    if (!programTimer->isActive())
        return;
    m_heldProgramMs = programTimer->remainingTime();
    programTimer->stop();
}

void ProjectTree::releaseProgramLength()
{
    if (m_heldProgramMs < 0)
        return;
    programTimer->start(qMax(1, m_heldProgramMs));
    m_heldProgramMs = -1;
}

void ProjectTree::slotStartCyclePlay(const QString &name)
{
    if (name != displayName || cycleSegments.isEmpty())
        return;
    const int interval = int(qBound<qint64>(kShortestPlayMs, qint64(cycleSegments.last()->intervalMinutes) * 60000, INT_MAX));
    if (!cyclePlaying) {
        cyclePlaying = true;
        cycleTimer->start(interval);
        mainWindow->slotGetRealBeginWinInfo(displayName);
    } else if (!cyclePaused) {
        cyclePaused = true;
        cycleTimer->stop();
    } else {
        cyclePaused = false;
        cycleTimer->start(interval);
    }
}

void ProjectTree::slotStartTimePlay(const QString &name)
{
    if (name != displayName || timingSegments.isEmpty())
        return;
    if (!timingPlaying) {
        timingPlaying = true; // the last tick stays: set by the midnight restart, else forgotten at stop
        timingCheckTimer->start(kCheckIntervalMs);
        mainWindow->slotGetRealBeginWinInfo(displayName);
    } else if (!timingPaused) {
        timingPaused = true;
        timingCheckTimer->stop();
    } else {
        timingPaused = false;
        m_lastTimingTick = QDateTime();
        timingCheckTimer->start(kCheckIntervalMs);
    }
}

void ProjectTree::slotStopPlay(const QString &name)
{
    if (name != displayName)
        return;
    restartTimer->stop(); // a stop in the gap after midnight stays a stop
    if (!playing)
        return;
    for (QTimer *timer : {timingCheckTimer, cycleTimer, generalCheckTimer, programTimer, cyclePlayTimer,
                          timingPlayTimer})
        timer->stop();
    playing = false;
    generalSegmentActive = false;
    cyclePlaying = false;
    timingPlaying = false;
    paused = false;
    cyclePaused = false;
    timingPaused = false;
    generalPrograms.clear();
    cyclePrograms.clear();
    timingPrograms.clear();
    generalWindows.clear();
    cycleWindows.clear();
    timingWindows.clear();
    generalProgramIndex = cycleProgramIndex = timingProgramIndex = 0;
    generalPlayCount = 0;
    insertedPlayMode = -1;
    currentGeneralSegment = nullptr;
    m_heldTimers.clear();
    m_heldProgramMs = -1;
    m_lastTimingTick = QDateTime();
    mainWindow->stopRealPlay(name);
    stopMusic();
    mainWindow->realPlayDisplayNames.removeAll(name);
}

void ProjectTree::slotRestart()
{
    // A play pressed in the gap after midnight has started it already; a
    // second start would toggle it to paused.
    if (!playing)
        slotStartPlay(displayName);
}

// ---- the general segment --------------------------------------------------

void ProjectTree::slotPlayTimeout()
{
    const QDateTime now = Clock::current().now();
    // Midnight: the day's schedule starts afresh. A tick that comes a little
    // late still sees the day change.
    const bool newDay = m_lastGeneralTick.isValid() && m_lastGeneralTick.date() != now.date();
    m_lastGeneralTick = now;
    const QTime time = now.time();
    if (newDay || (time.hour() == 0 && time.minute() == 0 && time.second() == 0)) {
        // A time point due in the gap (00:00:00 itself) is caught up by the
        // first timing tick after the restart.
        const QDateTime lastTimingTick = m_lastTimingTick;
        slotStopPlay(displayName);
        m_lastTimingTick = lastTimingTick;
        restartTimer->start(kRestartDelayMs);
        return;
    }
    if (insertedPlayMode == 1 || insertedPlayMode == 2)
        return;
    insertedPlayMode = 0;

    if (!generalSegmentActive) {
        if (generalSegments.isEmpty())
            return;
        GeneralObject *last = generalSegments.last();
        if (SegmentValidity::isValid(*last, now))
            startGeneralSegment(last, generalSegments.size() - 1);
        else
            slotPlayLowLevelGeneralObj();
        return;
    }

    // A later segment that became valid takes over.
    for (int i = generalSegments.size() - 1; i > currentGeneralIndex; --i) {
        if (SegmentValidity::isValid(*generalSegments.at(i), now, true)) {
            invalidateGeneralPrograms();
            startGeneralSegment(generalSegments.at(i), i);
            return;
        }
    }
    if (!currentGeneralSegment || !generalSegments.contains(currentGeneralSegment)
        || !SegmentValidity::isValid(*currentGeneralSegment, now)) {
        invalidateGeneralPrograms();
        generalSegmentActive = false;
        currentGeneralSegment = nullptr;
        generalPrograms.clear();
        generalWindows.clear();
        programTimer->stop();
        stopMusic();
        slotPlayLowLevelGeneralObj();
    }
}

void ProjectTree::invalidateGeneralPrograms()
{
    for (const ProgramObject *program : qAsConst(generalPrograms))
        for (CommonWinObject *window : program->windows)
            mainWindow->slotPlayInvalid(displayName, SegmentType::General, window);
}

void ProjectTree::slotPlayLowLevelGeneralObj()
{
    if (generalSegmentActive || generalSegments.size() < 2)
        return;
    const QDateTime now = Clock::current().now();
    for (int i = generalSegments.size() - 2; i >= 0; --i) {
        if (SegmentValidity::isValid(*generalSegments.at(i), now)) {
            startGeneralSegment(generalSegments.at(i), i);
            return;
        }
    }
}

void ProjectTree::startGeneralSegment(GeneralObject *segment, int index)
{
    generalSegmentActive = true;
    generalPrograms = programsNamedFor(segment);
    currentGeneralSegment = segment;
    currentGeneralIndex = index;
    generalProgramIndex = 0;
    generalPlayCount = 0;
    // Nothing of the segment before goes on: its length timer and music end here.
    programTimer->stop();
    generalWindows.clear();
    generalProgramIndex = playableFrom(generalPrograms, 0, false);
    if (generalProgramIndex < 0) {
        generalProgramIndex = 0;
        stopMusic();
        return;
    }
    const ProgramObject *program = generalPrograms.at(generalProgramIndex);
    startProgramMusic(program);
    generalWindows = program->windows;
    for (CommonWinObject *window : qAsConst(generalWindows)) {
        if (window->displayName == displayName)
            playGeneralWindow(window);
    }
    if (program->playMode == 1)
        programTimer->start(programLengthMs(program->playLength));
}

// ---- inserted segments ----------------------------------------------------

void ProjectTree::slotPlayCycleObj()
{
    if (insertedPlayMode == 2 || cycleSegments.isEmpty())
        return; // a cycle never interrupts a timing insertion
    // An insertion that is still playing is not inserted a second time.
    if (insertedPlayMode == 1)
        return;
    CycleObject *segment = cycleSegments.last();
    if (!SegmentValidity::isValid(*segment, Clock::current().now()))
        return;
    const QList<ProgramObject *> programs = programsNamedFor(segment);
    const int first = playableFrom(programs, 0, false);
    if (first < 0)
        return; // nothing to insert: the general program goes on
    cyclePrograms = programs;
    cycleProgramIndex = first;
    cycleWindows.clear();
    if (const ProgramObject *program = cyclePrograms.value(cycleProgramIndex)) {
        startProgramMusic(program);
        cycleWindows = program->windows;
    }
    holdProgramLength();
    insertedPlayMode = 1;
    if (segment->playMode == 0)
        cyclePlayTimer->start(insertedLengthMs(segment->playMinutes, segment->playSeconds));
    for (CommonWinObject *window : qAsConst(cycleWindows))
        playCycleWindow(window);
}

void ProjectTree::slotPlayTimingObj()
{
    if (timingSegments.isEmpty())
        return;
    const QDateTime now = Clock::current().now();
    // The day's first tick belongs to the midnight restart, which the general
    // check is about to make: what is due now is caught up after it.
    if (m_lastGeneralTick.isValid() && m_lastGeneralTick.date() != now.date() && generalCheckTimer->isActive())
        return;
    // Every time point falls into exactly one tick: the one whose span
    // (previous tick, this tick] holds it, however late or early ticks come,
    // across midnight too. A span is never longer than the restart's gap.
    QDateTime previous = m_lastTimingTick;
    if (!previous.isValid() || previous >= now || previous.secsTo(now) > kTimingCatchUpSeconds)
        previous = now.addSecs(-1);
    m_lastTimingTick = now;
    TimingObject *segment = timingSegments.last();
    const TimePoint *due = nullptr;
    for (const TimePoint *point : qAsConst(segment->timePoints)) {
        if (!point->time.isValid())
            continue;
        const QTime pointTime(point->time.hour(), point->time.minute(), point->time.second());
        for (const QDate &day : {now.date(), previous.date()}) {
            const QDateTime at(day, pointTime);
            if (previous < at && at <= now
                && SegmentValidity::dateApplies(point->specifiedDate, point->startDate, point->endDate, day)
                && point->weekdays.contains(SegmentValidity::weekdayName(day))) {
                due = point;
                break;
            }
        }
        if (due)
            break;
    }
    if (!due)
        return;
    const QList<ProgramObject *> programs = programsNamedFor(segment);
    if (playableFrom(programs, 0, false) < 0)
        return; // nothing to insert: what plays goes on
    if (insertedPlayMode == 2 && !timingPrograms.isEmpty()) {
        // The timing insertion that shows goes on: its programs come again
        // after it and its duration counts afresh; what shows is not started over.
        timingPrograms += programs;
        if (segment->playMode == 0)
            timingPlayTimer->start(insertedLengthMs(segment->playMinutes, segment->playSeconds));
        return;
    }
    if (insertedPlayMode == 1) {
        // The cycle insertion is over; its own end must not cut the timing one short.
        cyclePlayTimer->stop();
        cyclePrograms.clear();
        cycleWindows.clear();
        cycleProgramIndex = 0;
    }
    if (timingPrograms.isEmpty())
        timingProgramIndex = playableFrom(programs, 0, false);
    timingPrograms += programs;
    timingWindows.clear();
    if (const ProgramObject *program = timingPrograms.value(timingProgramIndex)) {
        startProgramMusic(program);
        timingWindows = program->windows;
    }
    holdProgramLength();
    insertedPlayMode = 2;
    if (segment->playMode == 0)
        timingPlayTimer->start(insertedLengthMs(segment->playMinutes, segment->playSeconds));
    for (CommonWinObject *window : qAsConst(timingWindows))
        playTimingWindow(window);
}

void ProjectTree::slotCyclePlayTimeout()
{
    cycleWindows.clear();
    cyclePlayTimer->stop();
    endInsertedAreas(cyclePrograms, SegmentType::Cycle);
    cyclePrograms.clear();
    cycleProgramIndex = 0;
    returnToGeneral();
}

void ProjectTree::slotTimingPlayTimeout()
{
    timingWindows.clear();
    timingPlayTimer->stop();
    endInsertedAreas(timingPrograms, SegmentType::Timing);
    timingPrograms.clear();
    timingProgramIndex = 0;
    returnToGeneral();
}

void ProjectTree::returnToGeneral()
{
    insertedPlayMode = 0;
    releaseProgramLength();
    // The general segment may have ended, or been outranked, while the
    // insertion played: it is chosen now, as the next check would, so no
    // program shows outside its segment's time, not even for a second.
    const GeneralObject *before = generalSegmentActive ? currentGeneralSegment : nullptr;
    slotPlayTimeout();
    if (playing && generalSegmentActive && before && currentGeneralSegment == before) {
        for (CommonWinObject *window : qAsConst(generalWindows))
            playGeneralWindow(window);
    }
}

void ProjectTree::endInsertedAreas(const QList<ProgramObject *> &programs, const QString &segmentType)
{
    // The general hand-over clears them too, but only when a general program
    // comes back: with none due the insertion would go on for good.
    for (const ProgramObject *program : programs)
        for (CommonWinObject *window : program->windows)
            mainWindow->slotPlayInvalid(displayName, segmentType, window);
}

// ---- program advance ------------------------------------------------------

void ProjectTree::slotGeneralProTimeout()
{
    programTimer->stop();
    if (generalPrograms.isEmpty())
        return;
    // The program whose length is over leaves the screen before the next one comes.
    if (const ProgramObject *ending = generalPrograms.value(generalProgramIndex))
        for (CommonWinObject *window : ending->windows)
            mainWindow->slotPlayInvalid(displayName, SegmentType::General, window);
    generalProgramIndex = qMax(0, playableFrom(generalPrograms, generalProgramIndex + 1, true));
    generalPlayCount = 0;
    generalWindows.clear();
    if (const ProgramObject *program = generalPrograms.value(generalProgramIndex)) {
        if (program->playMode == 1)
            programTimer->start(programLengthMs(program->playLength));
        generalWindows = windowsOf(program);
    }
    // An insertion that plays keeps the screen; the general windows wait for its end.
    if (insertedPlayMode == 1 || insertedPlayMode == 2)
        return;
    for (CommonWinObject *window : qAsConst(generalWindows))
        playGeneralWindow(window);
}

void ProjectTree::slotCurProgramRealPlayEnd(const QString &name, CommonWinObject *)
{
    if (name != displayName || !playing)
        return;
    // This tree's own segment kind decides, never the kind another display window played last.
    if (currentSegmentType == SegmentType::General) {
        const ProgramObject *program = generalPrograms.value(generalProgramIndex);
        if (!program)
            return;
        const int before = generalProgramIndex;
        if (program->playMode == 0 && ++generalPlayCount >= program->playTimes) {
            ++generalProgramIndex;
            generalPlayCount = 0;
        }
        if (generalProgramIndex != before)
            generalProgramIndex = qMax(0, playableFrom(generalPrograms, generalProgramIndex, true));
        generalWindows.clear();
        if (const ProgramObject *next = generalPrograms.value(generalProgramIndex)) {
            startProgramMusic(next);
            // A length counts from the program's start, not from each pass.
            if (next->playMode == 1 && (generalProgramIndex != before || !programTimer->isActive()))
                programTimer->start(programLengthMs(next->playLength));
            generalWindows = windowsOf(next);
        }
        for (CommonWinObject *window : qAsConst(generalWindows))
            playGeneralWindow(window);
        return;
    }

    const bool cycle = currentSegmentType == SegmentType::Cycle;
    if (!cycle && currentSegmentType != SegmentType::Timing)
        return;
    QList<ProgramObject *> &programs = cycle ? cyclePrograms : timingPrograms;
    int &programIndex = cycle ? cycleProgramIndex : timingProgramIndex;
    QList<CommonWinObject *> &windows = cycle ? cycleWindows : timingWindows;
    const int segmentPlayMode = cycle ? (cycleSegments.isEmpty() ? 0 : cycleSegments.last()->playMode)
                                      : (timingSegments.isEmpty() ? 0 : timingSegments.last()->playMode);
    programIndex = playableFrom(programs, programIndex + 1, false);
    if (programIndex < 0)
        programIndex = programs.size();
    windows.clear();
    if (programIndex >= programs.size()) {
        if (segmentPlayMode == 1) {
            // One pass through the inserted programs: back to the general program.
            programs.clear();
            programIndex = 0;
            returnToGeneral();
            return;
        }
        programIndex = qMax(0, playableFrom(programs, 0, false));
    }
    const ProgramObject *program = programs.value(programIndex);
    if (!program)
        return;
    startProgramMusic(program);
    windows = windowsOf(program);
    for (CommonWinObject *window : qAsConst(windows)) {
        if (cycle)
            playCycleWindow(window);
        else
            playTimingWindow(window);
    }
}

// ---- hand-over --------------------------------------------------------------

void ProjectTree::handOver(CommonWinObject *window, const QString &segmentType)
{
    auto inPrograms = [&](const QList<ProgramObject *> &programs) {
        for (const ProgramObject *program : programs) {
            if (program->windows.contains(window)) {
                currentSegmentType = segmentType;
                mainWindow->slotRealPlayCommonWinObj(displayName, segmentType, window, window->media);
                return true;
            }
        }
        return false;
    };
    if (segmentType == SegmentType::General) {
        for (const GeneralObject *segment : qAsConst(generalSegments))
            if (inPrograms(segment->programs))
                return;
    } else if (segmentType == SegmentType::Cycle) {
        for (const CycleObject *segment : qAsConst(cycleSegments))
            if (inPrograms(segment->programs))
                return;
    } else {
        for (const TimingObject *segment : qAsConst(timingSegments))
            if (inPrograms(segment->programs))
                return;
    }
}

void ProjectTree::playGeneralWindow(CommonWinObject *window)
{
    handOver(window, SegmentType::General);
}

void ProjectTree::playCycleWindow(CommonWinObject *window)
{
    handOver(window, SegmentType::Cycle);
}

void ProjectTree::playTimingWindow(CommonWinObject *window)
{
    handOver(window, SegmentType::Timing);
}

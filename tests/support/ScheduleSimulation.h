#pragma once

// Plays a generated case in simulated time: a fresh main window opens the
// case's schedule file, starts every display window as the unattended start
// does, and runs second by second on the ManualClock, pressing the case's
// pause, play and stop commands on the display window they name, while a
// PlayWatch checks every timer event and every second. Stops at the first
// violation; the case's seed replays it.

#include "support/PlayWatch.h"
#include "support/ScheduleGenerator.h"
#include "support/SimulatedTime.h"

#include "base/Clock.h"
#include "base/PictureCache.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <functional>

class ScheduleSimulation
{
public:
    // Light: every item shows through a player that costs next to nothing,
    // half of the seeds timed by the player, half by the area (the sequence
    // is what is checked). Real: the program's own picture player.
    enum class Content { Light, Real };

    ScheduleSimulation(SimulatedEventDispatcher &dispatcher, ManualClock &clock, const QString &folder,
                       Content content = Content::Light)
        : m_dispatcher(dispatcher), m_clock(clock), m_folder(folder), m_content(content)
    { }

    struct Outcome
    {
        QStringList violations; // empty: every invariant held
        PlayWatch::Figures figures;
        qint64 seconds = 0; // simulated
    };

    // How often the play log is read back during a case.
    static constexpr qint64 kLogCheckSeconds = 6 * 3600;

    // `atEachSecond`, when given, looks at the main window after every
    // second's check (a table test's own expectations).
    Outcome run(const SimulatedCase &c, const std::function<void(qint64 second, Widget &w)> &atEachSecond = {})
    {
        Outcome outcome;
        m_dispatcher.resetTo(c.start);
        Clock::install(&m_clock);
        const QString database = QDir(m_folder).filePath(QStringLiteral("log-%1.db").arg(c.seed));
        const QString file = QDir(m_folder).filePath(QStringLiteral("case-%1.qvsc").arg(c.seed));
        QFile::remove(database);
        PlayLog::setDatabasePath(database);
        QString error;
        if (!c.schedule->save(file, &error)) {
            outcome.violations << QStringLiteral("schedule not saved: ") + error;
            return outcome;
        }
        std::unique_ptr<LightContent> light;
        if (m_content == Content::Light)
            light = std::make_unique<LightContent>(c.seed % 2 == 0);
        {
            Widget w;
            if (!w.document->loadSchedule(file)) {
                outcome.violations << QStringLiteral("schedule not loaded: ") + w.document->errorString();
                return outcome;
            }
            if (m_content == Content::Light) {
                // Nothing is painted: the screen is read from the areas themselves.
                for (MainPlayBKLabel *window : qAsConst(w.displayWindows))
                    window->hide();
            } else if (!decodePictures()) {
                outcome.violations << QStringLiteral("the pictures of the schedule were not decoded in 10 s");
                return outcome;
            }
            m_dispatcher.runUntil(c.start);
            PlayWatch watch(w, c.displayNames, c.start);
            w.slotStartLast();
            watch.observe(c.start, nullptr);
            int next = 0;
            for (qint64 second = 1; second <= c.seconds && !watch.failed(); ++second) {
                const QDateTime now = c.start.addSecs(second);
                m_dispatcher.runUntil(now, [&] { watch.observe(m_clock.now(), m_dispatcher.lastReceiver()); });
                watch.checkSecond(now);
                if (atEachSecond)
                    atEachSecond(second, w);
                while (next < c.commands.size() && c.commands.at(next).second == second) {
                    press(w, c, c.commands.at(next++));
                    watch.observe(now, nullptr);
                }
                if (second % kLogCheckSeconds == 0)
                    watch.checkLog(now);
                outcome.seconds = second;
            }
            for (ProjectWidget *panel : qAsConst(w.projectWidgets))
                panel->tree()->slotStopPlay(panel->tree()->displayName);
            watch.observe(m_clock.now(), nullptr);
            if (!watch.failed())
                watch.checkLog(m_clock.now());
            outcome.violations = watch.violations();
            outcome.figures = watch.figures();
        }
        PlayLog::flush(60000);
        QFile::remove(file);
        if (outcome.violations.isEmpty())
            QFile::remove(database);
        return outcome;
    }

private:
    // Pictures decode on worker threads in real time, which simulated time
    // does not wait for: they are decoded before play, as on a player that
    // has shown them before, so each shows the moment its item begins.
    bool decodePictures() const
    {
        const QStringList pictures = QDir(m_folder).entryList({QStringLiteral("*.png")}, QDir::Files);
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            bool pending = false;
            for (const QString &name : pictures)
                pending |= PictureCache::instance().picture(QDir(m_folder).filePath(name), QSize()).state
                           == PictureCache::State::Pending;
            if (!pending)
                return true;
            if (waited.elapsed() > 10000)
                return false;
            QThread::msleep(5);
            QCoreApplication::sendPostedEvents();
        }
    }

    static void press(Widget &w, const SimulatedCase &c, const PlayCommand &command)
    {
        w.slotDisplayWindowChecked(c.displayNames.value(command.display));
        switch (command.kind) {
        case PlayCommand::Pause:
            w.slotMenuPause();
            break;
        case PlayCommand::Play:
            w.slotMenuPlay();
            break;
        case PlayCommand::Stop:
            w.slotMenuStop();
            break;
        }
    }

    SimulatedEventDispatcher &m_dispatcher;
    ManualClock &m_clock;
    QString m_folder;
    Content m_content;
};

#pragma once

// Runs a Qt program on a ManualClock instead of the wall clock, for tests
// that play days in seconds. Installed as the GUI thread's event dispatcher
// before the application object is made, it keeps every timer of that thread
// (QTimer, single shots, the widgets' own) in simulated time: runUntil()
// moves the clock from one due timer to the next and delivers each timeout
// the way the event loop would, then the events it posted. Other threads
// keep Qt's own dispatchers. Socket notifiers and window-system events are
// not served: what runs under it must not need them.
//
// LiveObjects counts every QObject alive in the process, through Qt's hook
// for debugging tools (the same one GammaRay uses).

#include "base/Clock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimerEvent>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

class SimulatedEventDispatcher final : public QAbstractEventDispatcher
{
public:
    explicit SimulatedEventDispatcher(ManualClock &clock)
        : m_clock(clock), m_nowMs(clock.now().toMSecsSinceEpoch()), m_spec(clock.now().timeSpec())
    { }

    // Delivers every timer due up to `until`, earliest first (those due at
    // the same moment in the order they were started), each at its moment.
    // `afterEach` runs after each timeout and the events it posted.
    void runUntil(const QDateTime &until, const std::function<void()> &afterEach = {})
    {
        const qint64 untilMs = until.toMSecsSinceEpoch();
        m_nowMs = m_clock.now().toMSecsSinceEpoch();
        deliverPosted();
        for (;;) {
            const Timer *next = nullptr;
            for (const Timer &timer : m_timers) {
                if (!next || timer.due < next->due || (timer.due == next->due && timer.order < next->order))
                    next = &timer;
            }
            if (!next || next->due > untilMs)
                break;
            const int id = next->id;
            QObject *object = next->object;
            if (next->due != m_nowMs) {
                m_nowMs = next->due;
                m_clock.set(QDateTime::fromMSecsSinceEpoch(m_nowMs, m_spec));
            }
            // Due again one interval later, behind anything else due then.
            Timer *fired = find(id);
            fired->due += qMax(1, fired->interval);
            fired->order = m_nextOrder++;
            QTimerEvent event(id);
            m_lastReceiver = object;
            QCoreApplication::sendEvent(object, &event);
            deliverPosted();
            if (afterEach)
                afterEach();
        }
        m_nowMs = untilMs;
        m_clock.set(until);
    }

    int timerCount() const { return int(m_timers.size()); }
    // The object whose timer fired last; compare it only, it may be gone.
    const QObject *lastReceiver() const { return m_lastReceiver; }

    // Moves the clock to `now`, also backwards (a test starts on a day of
    // its own); every timer left running is due one interval after it. The
    // clock then tells the time in now's time spec: Qt::UTC spares every
    // reading a time-zone conversion (with TZ=UTC the times of day are the same).
    void resetTo(const QDateTime &now)
    {
        m_spec = now.timeSpec();
        m_clock.set(now);
        m_nowMs = now.toMSecsSinceEpoch();
        for (Timer &timer : m_timers)
            timer.due = m_nowMs + timer.interval;
    }

    bool processEvents(QEventLoop::ProcessEventsFlags) override
    {
        deliverPosted();
        return true;
    }
    bool hasPendingEvents() override { return false; }
    void registerSocketNotifier(QSocketNotifier *) override { }
    void unregisterSocketNotifier(QSocketNotifier *) override { }
    void registerTimer(int timerId, int interval, Qt::TimerType type, QObject *object) override
    {
        m_timers.push_back({timerId, interval, type, object, nowMs() + interval, m_nextOrder++});
    }
    bool unregisterTimer(int timerId) override
    {
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->id == timerId) {
                m_timers.erase(it);
                return true;
            }
        }
        return false;
    }
    bool unregisterTimers(QObject *object) override
    {
        const auto before = m_timers.size();
        m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                      [object](const Timer &timer) { return timer.object == object; }),
                       m_timers.end());
        return m_timers.size() != before;
    }
    QList<TimerInfo> registeredTimers(QObject *object) const override
    {
        QList<TimerInfo> timers;
        for (const Timer &timer : m_timers)
            if (timer.object == object)
                timers << TimerInfo(timer.id, timer.interval, timer.type);
        return timers;
    }
    int remainingTime(int timerId) override
    {
        const Timer *timer = find(timerId);
        return timer ? int(qMax<qint64>(0, timer->due - nowMs())) : -1;
    }
    void wakeUp() override { }
    void interrupt() override { }
    void flush() override { }

private:
    struct Timer
    {
        int id;
        int interval;
        Qt::TimerType type;
        QObject *object;
        qint64 due;
        quint64 order;
    };

    qint64 nowMs() const { return m_nowMs; }
    Timer *find(int id)
    {
        for (Timer &timer : m_timers)
            if (timer.id == id)
                return &timer;
        return nullptr;
    }
    const Timer *find(int id) const { return const_cast<SimulatedEventDispatcher *>(this)->find(id); }
    static void deliverPosted()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ManualClock &m_clock;
    qint64 m_nowMs; // the clock's time, kept here so no timer converts dates
    Qt::TimeSpec m_spec;
    std::vector<Timer> m_timers;
    quint64 m_nextOrder = 0;
    const QObject *m_lastReceiver = nullptr;
};

// For the main of a program that plays in simulated time, before its
// application object is made: no display, the zone UTC (no summer time, and
// the C library never looks for the zone file again), and every timer of the
// GUI thread on `clock`.
inline SimulatedEventDispatcher *installSimulatedTime(ManualClock &clock)
{
    qputenv("TZ", "UTC");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto *dispatcher = new SimulatedEventDispatcher(clock);
    QCoreApplication::setEventDispatcher(dispatcher);
    return dispatcher;
}

// Qt's table of hooks for debugging tools (qhooks_p.h): entry 3 is called
// for every QObject made, entry 4 for every one destroyed.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace LiveObjects {

inline std::atomic<int> &count()
{
    static std::atomic<int> live{0};
    return live;
}

inline void install()
{
    using Hook = void (*)(QObject *);
    static Hook previousAdd = reinterpret_cast<Hook>(qtHookData[3]);
    static Hook previousRemove = reinterpret_cast<Hook>(qtHookData[4]);
    static const Hook add = [](QObject *object) {
        ++count();
        if (previousAdd)
            previousAdd(object);
    };
    static const Hook remove = [](QObject *object) {
        --count();
        if (previousRemove)
            previousRemove(object);
    };
    qtHookData[3] = reinterpret_cast<quintptr>(add);
    qtHookData[4] = reinterpret_cast<quintptr>(remove);
}

} // namespace LiveObjects

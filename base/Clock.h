#pragma once

// Where the player reads the time of day. The program uses the system
// clock; tests install their own to run a day in milliseconds and to cross
// midnight on purpose.

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
    QDate currentDate() const { return now().date(); }
    QTime currentTime() const { return now().time(); }

    // The clock in use; installing null restores the system clock.
    static Clock &current();
    static void install(Clock *clock);
};

// A clock that stands still until told to move.
class ManualClock : public Clock
{
public:
    explicit ManualClock(const QDateTime &start) : m_now(start) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &moment) { m_now = moment; }
    void advanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); }

private:
    QDateTime m_now;
};

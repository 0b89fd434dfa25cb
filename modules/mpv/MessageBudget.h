#pragma once

// How many messages of a noisy source reach the log: at most a number in
// each minute (a minute begins with its first message); the rest are
// counted, and their number is handed back once, with the first message of
// a later minute. A source that speaks every frame thus writes a few lines
// a minute, not a few a second.

#include <QtGlobal>

class MessageBudget
{
public:
    explicit MessageBudget(int perMinute) : m_perMinute(perMinute) { }

    // A message at `nowMs` (of a clock that never goes back): true when it
    // may be logged. `leftOut` receives how many messages of an earlier
    // minute were not logged (0 for none), to be said before this one.
    bool admit(qint64 nowMs, int *leftOut)
    {
        *leftOut = 0;
        if (m_minuteStart < 0 || nowMs - m_minuteStart >= 60000) {
            *leftOut = m_leftOut;
            m_minuteStart = nowMs;
            m_admitted = 0;
            m_leftOut = 0;
        }
        if (m_admitted >= m_perMinute) {
            ++m_leftOut;
            return false;
        }
        ++m_admitted;
        return true;
    }

private:
    const int m_perMinute;
    qint64 m_minuteStart = -1;
    int m_admitted = 0;
    int m_leftOut = 0;
};

#pragma once

// Schedules made from a seed for the play simulation: one to three display
// windows; general segments with and without time windows, dates and
// weekdays; programs in times, length and loop mode with one to three areas
// of one to four pictures of one to five seconds; cycle and timing
// insertions in times and minutes mode; and pause, play and stop commands at
// random seconds. The same seed always gives the same case, so a failing
// seed replays.

#include "support/ScheduleBuilder.h"

#include <QDateTime>

#include <cmath>
#include <memory>

// splitmix64: the same numbers on every machine and compiler.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed) : m_state(seed) { }
    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1
    qint64 below(qint64 n) { return n <= 1 ? 0 : qint64(next() % quint64(n)); }
    qint64 between(qint64 low, qint64 high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    double unit() { return double(next() >> 11) / double(1ull << 53); }

private:
    quint64 m_state;
};

struct PlayCommand
{
    enum Kind { Pause, Play, Stop };
    qint64 second = 0; // after the start of the case
    int display = 0;   // index of the display window
    Kind kind = Play;
};

struct SimulatedCase
{
    quint64 seed = 0;
    QDateTime start;
    qint64 seconds = 0;
    QStringList displayNames;
    std::unique_ptr<ScheduleBuilder> schedule;
    QList<PlayCommand> commands; // in time order
};

namespace ScheduleGenerator {

namespace detail {

// Small display windows: what is checked is the sequence, and each picture
// shown is scaled to its area and painted.
constexpr int kWidth = 64;
constexpr int kHeight = 36;

class Maker
{
public:
    Maker(quint64 seed, const QDateTime &start, qint64 seconds) : r(seed), m_start(start), m_seconds(seconds) { }

    SeededRandom r;

    // A time of day the case passes through, so windows and points matter.
    QTime timeInCase() { return m_start.addSecs(r.below(m_seconds)).time(); }
    QDate dateInCase() { return m_start.addSecs(r.below(m_seconds)).date(); }

    QStringList weekdays()
    {
        if (r.percent(80))
            return Weekday::allDays();
        QStringList days;
        for (const QString &day : Weekday::allDays())
            if (r.percent(60))
                days << day;
        return days;
    }

    ScheduleBuilder::Validity validity(int allTimeChance)
    {
        ScheduleBuilder::Validity v;
        v.allTime = r.percent(allTimeChance);
        if (!v.allTime) {
            v.startTime = r.percent(80) ? timeInCase() : QTime(0, 0).addSecs(int(r.below(86400)));
            const int length = int(r.between(30, 3 * 3600));
            // Past midnight it wraps round: a window that would cross midnight, never valid.
            v.endTime = v.startTime.addSecs(length);
            if (r.percent(10))
                std::swap(v.startTime, v.endTime);
        }
        v.specifiedDate = r.percent(25);
        if (v.specifiedDate) {
            v.startDate = dateInCase().addDays(r.between(-2, 1));
            v.endDate = v.startDate.addDays(r.between(-1, 4)); // now and then an empty range
        }
        v.weekdays = weekdays();
        return v;
    }

    QList<int> stays()
    {
        QList<int> list;
        const int items = int(r.between(1, 4));
        for (int i = 0; i < items; ++i)
            list << int(r.between(1, 5));
        return list;
    }

    QRect place(int width, int height)
    {
        if (r.percent(50))
            return QRect(0, 0, width, height);
        const int w = int(r.between(8, width));
        const int h = int(r.between(8, height));
        return QRect(int(r.below(width - w + 1)), int(r.below(height - h + 1)), w, h);
    }

    // The programs of the segment added last: none now and then.
    void programs(ScheduleBuilder &b, const QString &prefix, int most, bool general)
    {
        const int count = r.percent(10) ? 0 : int(r.between(1, most));
        for (int p = 1; p <= count; ++p) {
            const int mode = general ? int(r.below(3)) : 0;
            const int times = int(r.between(1, 3));
            const QTime length = QTime(0, 0).addSecs(int(r.between(3, 90)));
            b.addProgram(QStringLiteral("%1P%2").arg(prefix).arg(p), mode, times, length);
            const int windows = int(r.between(1, 3));
            for (int w = 1; w <= windows; ++w)
                b.addWindow(QStringLiteral("W%1").arg(w), stays(), place(kWidth, kHeight));
        }
    }

    int minutesOfInsertion() { return r.percent(70) ? 0 : 1; }
    int secondsOfInsertion() { return r.percent(5) ? 0 : int(r.between(1, 59)); }

private:
    QDateTime m_start;
    qint64 m_seconds;
};

} // namespace detail

// Seconds of play: from `shortest` to `longest`, more often short than long.
inline SimulatedCase generate(quint64 seed, qint64 shortest, qint64 longest, const QString &pictureFolder)
{
    SimulatedCase c;
    c.seed = seed;
    SeededRandom setup(seed * 7919 + 17);
    const double u = setup.unit();
    c.seconds = qint64(std::llround(double(shortest) * std::pow(double(longest) / double(shortest), u)));
    QTime startTime = setup.percent(30) ? QTime(23, 0).addSecs(int(setup.below(3600)))
                                        : QTime(0, 0).addSecs(int(setup.below(86400)));
    c.start = QDateTime(QDate(2026, 11, 2).addDays(setup.below(90)), startTime, Qt::UTC);
    c.schedule = std::make_unique<ScheduleBuilder>(pictureFolder);

    detail::Maker m(seed, c.start, c.seconds);
    ScheduleBuilder &b = *c.schedule;
    const int displays = int(m.r.between(1, 3));
    const bool longCase = c.seconds > 86400;
    for (int d = 1; d <= displays; ++d) {
        const QString display = QStringLiteral("D%1").arg(d);
        c.displayNames << display;
        b.addDisplayWindow(display, detail::kWidth, detail::kHeight);
        const int generals = int(m.r.between(1, 3));
        for (int g = 1; g <= generals; ++g) {
            b.addGeneral(QStringLiteral("G%1").arg(g), m.validity(50));
            m.programs(b, QStringLiteral("G%1").arg(g), 3, true);
        }
        const int cycles = m.r.percent(40) ? 0 : (m.r.percent(65) ? 1 : 2);
        for (int k = 1; k <= cycles; ++k) {
            const int interval = int(m.r.between(1, longCase ? 90 : 20));
            b.addCycle(QStringLiteral("C%1").arg(k), interval, int(m.r.below(2)), m.minutesOfInsertion(),
                       m.secondsOfInsertion(), m.validity(70));
            m.programs(b, QStringLiteral("C%1").arg(k), 2, false);
        }
        const int timings = m.r.percent(40) ? 0 : (m.r.percent(65) ? 1 : 2);
        for (int t = 1; t <= timings; ++t) {
            b.addTiming(QStringLiteral("T%1").arg(t), int(m.r.below(2)), m.minutesOfInsertion(),
                        m.secondsOfInsertion());
            const int points = int(m.r.between(1, 4));
            for (int p = 0; p < points; ++p) {
                const QTime time = m.r.percent(85) ? m.timeInCase() : QTime(0, 0).addSecs(int(m.r.below(86400)));
                ScheduleBuilder::Validity days = m.validity(100);
                b.addTimePoint(time, days);
            }
            m.programs(b, QStringLiteral("T%1").arg(t), 2, false);
        }
    }

    // Commands: a pause and the play that ends it, a stop and the play that
    // starts again, and now and then a press on its own.
    const qint64 count = qMin<qint64>(60, m.r.below(2 + c.seconds / 1800));
    for (qint64 i = 0; i < count; ++i) {
        const int display = int(m.r.below(displays));
        const qint64 at = m.r.between(1, qMax<qint64>(1, c.seconds - 1));
        const qint64 kind = m.r.below(100);
        if (kind < 45) {
            c.commands << PlayCommand{at, display, PlayCommand::Pause}
                       << PlayCommand{at + m.r.between(1, 600), display, PlayCommand::Play};
        } else if (kind < 70) {
            c.commands << PlayCommand{at, display, PlayCommand::Stop}
                       << PlayCommand{at + m.r.between(1, 900), display, PlayCommand::Play};
        } else {
            c.commands << PlayCommand{at, display, PlayCommand::Kind(m.r.below(3))};
        }
    }
    std::stable_sort(c.commands.begin(), c.commands.end(),
                     [](const PlayCommand &a, const PlayCommand &b) { return a.second < b.second; });
    while (!c.commands.isEmpty() && c.commands.last().second >= c.seconds)
        c.commands.removeLast();
    return c;
}

// What the case holds, to read next to a failure.
inline QString describe(const SimulatedCase &c)
{
    QStringList lines;
    lines << QStringLiteral("seed %1: %2 for %3 s").arg(c.seed).arg(c.start.toString(Qt::ISODate)).arg(c.seconds);
    auto validity = [](bool allTime, const QTime &s, const QTime &e, bool dated, const QDate &from, const QDate &to,
                       const QStringList &days) {
        QString text = allTime ? QStringLiteral("all day") : s.toString("HH:mm:ss") + "-" + e.toString("HH:mm:ss");
        if (dated)
            text += " " + from.toString(Qt::ISODate) + ".." + to.toString(Qt::ISODate);
        if (days.size() != 7)
            text += " [" + days.join(',') + "]";
        return text;
    };
    auto programs = [](const QList<ProgramObject *> &list) {
        QStringList text;
        for (const ProgramObject *p : list) {
            QStringList windows;
            for (const CommonWinObject *w : p->windows) {
                QStringList stays;
                for (const QVLedMediaObject *item : w->media)
                    stays << QString::number(item->image.stayTime);
                windows << w->name + "(" + stays.join(' ') + ")";
            }
            const QString mode = p->playMode == 0   ? QStringLiteral("x%1").arg(p->playTimes)
                                 : p->playMode == 1 ? p->playLength.toString("mm:ss")
                                                    : QStringLiteral("loop");
            text << p->name + "[" + mode + "]" + windows.join(' ');
        }
        return text.join("; ");
    };
    for (const DisplayWindowSchedule &d : c.schedule->schedule().displayWindows) {
        lines << d.window->name + ":";
        for (const GeneralObject *g : d.generalSegments)
            lines << "  " + g->name + " "
                         + validity(g->allTime, g->startTime, g->endTime, g->specifiedDate, g->startDate, g->endDate,
                                    g->weekdays)
                         + ": " + programs(g->programs);
        for (const CycleObject *k : d.cycleSegments)
            lines << QStringLiteral("  %1 every %2 min, %3 ")
                             .arg(k->name)
                             .arg(k->intervalMinutes)
                             .arg(k->playMode == 0 ? QStringLiteral("%1:%2").arg(k->playMinutes).arg(k->playSeconds)
                                                   : QStringLiteral("one pass"))
                         + validity(k->allTime, k->startTime, k->endTime, k->specifiedDate, k->startDate, k->endDate,
                                    k->weekdays)
                         + ": " + programs(k->programs);
        for (const TimingObject *t : d.timingSegments) {
            QStringList points;
            for (const TimePoint *p : t->timePoints)
                points << validity(false, p->time, p->time, p->specifiedDate, p->startDate, p->endDate, p->weekdays);
            lines << QStringLiteral("  %1 at %2, %3: ")
                             .arg(t->name, points.join(" / "))
                             .arg(t->playMode == 0 ? QStringLiteral("%1:%2").arg(t->playMinutes).arg(t->playSeconds)
                                                   : QStringLiteral("one pass"))
                         + programs(t->programs);
        }
    }
    QStringList commands;
    for (const PlayCommand &command : c.commands)
        commands << QStringLiteral("%1 %2 +%3s")
                        .arg(QStringList{"pause", "play", "stop"}.value(command.kind))
                        .arg(c.displayNames.value(command.display))
                        .arg(command.second);
    lines << "  commands: " + commands.join(", ");
    return lines.join('\n');
}

} // namespace ScheduleGenerator

// Plays thousands of generated schedules for simulated days to weeks against
// the invariants of play (tests/support/PlayWatch.h), the long run of what
// tests/test_schedulesim plays for hours, and prints what it covered and how
// fast it went. It never judges the time; a seed that breaks an invariant is
// printed with its schedule (replay it in the test with QV_SIM_SEED, which
// uses the test's shorter spans, or here with --seeds 1 --first <seed>) and
// makes the exit status 1.
//   bench_schedulesim [--seeds N] [--first S] [--hours H] [--days D] [--jobs J] [--real-content]
// Defaults: 1000 seeds from 1000001, each from 2 hours to 14 days, 3 jobs
// (processes of this program side by side), light content players.

#include "support/ScheduleSimulation.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Options
{
    int seeds = 1000;
    quint64 first = 1000001;
    qint64 shortest = 2 * 3600;
    qint64 longest = 14 * 86400;
    int jobs = 3;
    bool realContent = false;
    int part = 0; // a worker: plays every jobs-th seed from first + part
};

Options parse(const QStringList &arguments)
{
    Options o;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString a = arguments.at(i);
        const QString value = arguments.value(i + 1);
        if (a == "--seeds")
            o.seeds = value.toInt(), ++i;
        else if (a == "--first")
            o.first = value.toULongLong(), ++i;
        else if (a == "--hours")
            o.shortest = qint64(value.toDouble() * 3600), ++i;
        else if (a == "--days")
            o.longest = qint64(value.toDouble() * 86400), ++i;
        else if (a == "--jobs")
            o.jobs = qMax(1, value.toInt()), ++i;
        else if (a == "--real-content")
            o.realContent = true;
        else if (a == "--part")
            o.part = value.toInt(), ++i;
    }
    return o;
}

ManualClock &simulatedClock()
{
    static ManualClock clock(QDateTime(QDate(2026, 11, 2), QTime(0, 0), Qt::UTC));
    return clock;
}

SimulatedEventDispatcher *dispatcher = nullptr;

// One worker: its share of the seeds; prints one line of figures per seed
// ("seed <s> <seconds> <rows> <insertions> <pauses> <advances> <ok|FAIL>"),
// then the failures.
int work(const Options &o)
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    ScheduleSimulation simulation(*dispatcher, simulatedClock(), env.path(QString()),
                                  o.realContent ? ScheduleSimulation::Content::Real
                                                : ScheduleSimulation::Content::Light);
    int failed = 0;
    for (int i = o.part; i < o.seeds; i += o.jobs) {
        const quint64 seed = o.first + quint64(i);
        const SimulatedCase c = ScheduleGenerator::generate(seed, o.shortest, o.longest, env.path(QString()));
        const ScheduleSimulation::Outcome outcome = simulation.run(c);
        std::printf("seed %llu %lld %d %d %d %d %s\n", static_cast<unsigned long long>(seed),
                    static_cast<long long>(outcome.seconds), outcome.figures.rows, outcome.figures.insertions,
                    outcome.figures.pauses, outcome.figures.advances, outcome.violations.isEmpty() ? "ok" : "FAIL");
        if (!outcome.violations.isEmpty()) {
            ++failed;
            std::printf("%s\n  %s\n", qPrintable(ScheduleGenerator::describe(c)),
                        qPrintable(outcome.violations.join("\n  ")));
        }
        std::fflush(stdout);
    }
    return failed ? 1 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const Options o = parse(arguments);
    if (arguments.contains("--part")) {
        dispatcher = installSimulatedTime(simulatedClock());
        QApplication app(argc, argv);
        return work(o);
    }

    QCoreApplication app(argc, argv);
    std::printf("%d seeds from %llu, %.1f h to %.1f days each, %d jobs, %s content\n", o.seeds,
                static_cast<unsigned long long>(o.first), o.shortest / 3600.0, o.longest / 86400.0, o.jobs,
                o.realContent ? "real" : "light");
    QElapsedTimer wall;
    wall.start();
    QTemporaryDir outputs;
    QList<QProcess *> workers;
    for (int part = 0; part < o.jobs; ++part) {
        auto *worker = new QProcess(&app);
        worker->setStandardOutputFile(outputs.filePath(QString::number(part)));
        worker->setStandardErrorFile(QProcess::nullDevice());
        QStringList args = arguments.mid(1);
        args << "--part" << QString::number(part);
        worker->start(QCoreApplication::applicationFilePath(), args);
        workers << worker;
    }
    qint64 seconds = 0, rows = 0, insertions = 0, pauses = 0, advances = 0;
    int played = 0, failed = 0;
    QStringList failures;
    for (int part = 0; part < workers.size(); ++part) {
        workers.at(part)->waitForFinished(-1);
        QFile output(outputs.filePath(QString::number(part)));
        output.open(QIODevice::ReadOnly);
        const QStringList lines = QString::fromLocal8Bit(output.readAll()).split('\n');
        bool inFailure = false;
        for (const QString &line : lines) {
            const QStringList f = line.split(' ');
            if (f.value(0) == "seed" && f.size() == 8) {
                ++played;
                seconds += f.at(2).toLongLong();
                rows += f.at(3).toLongLong();
                insertions += f.at(4).toLongLong();
                pauses += f.at(5).toLongLong();
                advances += f.at(6).toLongLong();
                inFailure = f.at(7) == "FAIL";
                failed += inFailure ? 1 : 0;
            } else if (inFailure && !line.isEmpty()) {
                failures << line;
            }
        }
    }
    const double days = seconds / 86400.0;
    const double wallSeconds = wall.elapsed() / 1000.0;
    std::printf("played %d seeds, %.1f simulated days (%.2f days a seed)\n", played, days, played ? days / played : 0);
    std::printf("checked %lld play-log rows, %lld insertions, %lld pauses, %lld program advances\n",
                static_cast<long long>(rows), static_cast<long long>(insertions), static_cast<long long>(pauses),
                static_cast<long long>(advances));
    std::printf("wall time %.1f s: %.2f s per simulated day per job\n", wallSeconds,
                days > 0 ? wallSeconds * o.jobs / days : 0);
    std::printf("%d seeds broke an invariant\n", failed);
    for (const QString &line : qAsConst(failures))
        std::printf("%s\n", qPrintable(line));
    return failed ? 1 : 0;
}

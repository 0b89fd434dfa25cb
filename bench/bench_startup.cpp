// How long the programs take from their start to a viewable main window, and
// what they keep resident once idle, beside a bare window of the same toolkit.
// The candidates start in turn, interleaved round by round so that the
// machine's moods fall on all of them alike; each start has a settings
// folder, working folder and runtime folder of its own. Shared libraries are
// counted from /proc/<pid>/maps once the window shows.
//
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/bench_startup [--runs N] [--settle SECONDS]
//       [--program PATH] [--embedded PATH]   (other builds of the two programs, e.g. an earlier one)
//
// Rows: the bare window; each program with an empty settings folder (the
// empty editor); each program opening and playing a schedule of pictures,
// texts and clocks at start-up (the sample of scripts/screenshot).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "BenchMeasure.h"

namespace {

const QByteArray kTitle = "QV LED Player";

struct Candidate {
    QString label;
    QString program;
    bool withSchedule = false;
    std::vector<double> startMs;
    std::vector<double> residentMb;
    std::vector<int> libraries;
};

// The X side: notices every top-level window that is mapped, and tells
// whose it is and what it is called.
class MapWatcher
{
public:
    MapWatcher()
    {
        m_connection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(m_connection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
        m_pidAtom = atom("_NET_WM_PID");
        m_nameAtom = atom("_NET_WM_NAME");
        xcb_flush(m_connection);
    }
    ~MapWatcher() { xcb_disconnect(m_connection); }

    bool ok() const { return !xcb_connection_has_error(m_connection); }

    // Drops what was noticed before a start.
    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection))
            free(event);
    }

    // Waits until a window of `pid` titled kTitle is mapped; false after `timeoutMs`.
    bool waitForWindow(pid_t pid, int timeoutMs)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t *>(event)->window : 0;
                free(event);
                if (mapped && cardinal(window, m_pidAtom) == uint32_t(pid) && text(window, m_nameAtom) == kTitle)
                    return true;
            }
            pollfd descriptor{xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&descriptor, 1, 20);
        }
        return false;
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, uint16_t(strlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    }
    xcb_get_property_reply_t *property(xcb_window_t window, xcb_atom_t name)
    {
        return xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
    }
    uint32_t cardinal(xcb_window_t window, xcb_atom_t name)
    {
        xcb_get_property_reply_t *reply = property(window, name);
        uint32_t value = 0;
        if (reply && xcb_get_property_value_length(reply) >= 4)
            value = *static_cast<uint32_t *>(xcb_get_property_value(reply));
        free(reply);
        return value;
    }
    QByteArray text(xcb_window_t window, xcb_atom_t name)
    {
        xcb_get_property_reply_t *reply = property(window, name);
        QByteArray value;
        if (reply)
            value = QByteArray(static_cast<const char *>(xcb_get_property_value(reply)),
                               xcb_get_property_value_length(reply));
        free(reply);
        return value;
    }

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = XCB_ATOM_NONE;
    xcb_atom_t m_nameAtom = XCB_ATOM_NONE;
};

// The settings folder of one start: empty, or set to open and play the
// sample schedule at start-up.
bool prepareHome(const QTemporaryDir &home, bool withSchedule)
{
    QDir(home.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(home.filePath(QStringLiteral("run")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                                     QFileDevice::ExeOwner);
    QDir(home.path()).mkpath(QStringLiteral("tmp"));
    if (!withSchedule)
        return true;
    const int made = std::system(
        QStringLiteral("'%1' '%2'").arg(QStringLiteral(QV_SAMPLE_SCHEDULE_HELPER), home.path()).toLocal8Bit().constData());
    QFile settings(home.filePath(QStringLiteral("setting.ini")));
    if (made != 0 || !settings.open(QIODevice::WriteOnly))
        return false;
    settings.write("[General]\nLanguage=1\nPlay=1\nPlayType=0\nSchemePath=" +
                   home.filePath(QStringLiteral("sample.qvsc")).toUtf8() + "\nCloseType=normal\n");
    return true;
}

int librariesOf(pid_t pid)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    QSet<QByteArray> libraries;
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash >= 0 && line.contains(".so"))
            libraries.insert(line.mid(slash));
    }
    return libraries.size();
}

// Resident megabytes of `pid` and every process below it.
double residentOfTree(pid_t pid)
{
    QStringList tree{QString::number(pid)};
    const QStringList all = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (bool grew = true; grew;) {
        grew = false;
        for (const QString &other : all) {
            if (!tree.contains(other) && tree.contains(BenchMeasure::parentOf(other))) {
                tree << other;
                grew = true;
            }
        }
    }
    long kilobytes = 0;
    for (const QString &member : tree)
        kilobytes += BenchMeasure::residentKilobytes(member);
    return kilobytes / 1024.0;
}

void endProcess(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int waited = 0; waited < 100; ++waited) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        QThread::msleep(50);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

bool startOnce(Candidate &candidate, MapWatcher &watcher, int settleSeconds)
{
    QTemporaryDir home;
    if (!home.isValid() || !prepareHome(home, candidate.withSchedule))
        return false;
    const QByteArray homePath = home.path().toLocal8Bit();
    const QByteArray program = candidate.program.toLocal8Bit();
    watcher.drain();

    QElapsedTimer clock;
    clock.start();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QVDIDUDODID_HOME", homePath.constData(), 1);
        setenv("XDG_RUNTIME_DIR", (homePath + "/run").constData(), 1);
        setenv("TMPDIR", (homePath + "/tmp").constData(), 1);
        if (chdir(homePath.constData()) != 0)
            _exit(127);
        freopen("/dev/null", "w", stderr);
        execl(program.constData(), program.constData(), static_cast<char *>(nullptr));
        _exit(127);
    }
    const bool shown = pid > 0 && watcher.waitForWindow(pid, 60000);
    const double elapsedMs = clock.nsecsElapsed() / 1e6;
    if (shown) {
        candidate.startMs.push_back(elapsedMs);
        candidate.libraries.push_back(librariesOf(pid));
        QThread::sleep(unsigned(settleSeconds));
        candidate.residentMb.push_back(residentOfTree(pid));
    }
    if (pid > 0)
        endProcess(pid);
    return shown;
}

template <typename T>
double median(std::vector<T> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? double(values[middle]) : (double(values[middle - 1]) + double(values[middle])) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int runs = std::max(1, arguments.value(arguments.indexOf(QStringLiteral("--runs")) + 1).toInt() ?: 9);
    const int settle = std::max(1, arguments.value(arguments.indexOf(QStringLiteral("--settle")) + 1).toInt() ?: 5);
    const auto programArgument = [&](const char *option, const char *builtHere) {
        const int at = arguments.indexOf(QLatin1String(option));
        return at >= 0 ? arguments.value(at + 1) : QString::fromLocal8Bit(builtHere);
    };
    const QString program = programArgument("--program", QV_PROGRAM);
    const QString embedded = programArgument("--embedded", QV_PROGRAM_EMBEDDED);
    QTextStream out(stdout);

    MapWatcher watcher;
    if (!watcher.ok()) {
        out << "bench_startup needs an X display, e.g. xvfb-run -a -s '-screen 0 1920x1080x24'\n";
        return 1;
    }
    std::vector<Candidate> candidates{
        {QStringLiteral("bare Qt window"), QStringLiteral(QV_BARE_WINDOW), false, {}, {}, {}},
        {QStringLiteral("QVDidUdodid, empty editor"), program, false, {}, {}, {}},
        {QStringLiteral("QVDidUdodidEmbedded, empty editor"), embedded, false, {}, {}, {}},
        {QStringLiteral("QVDidUdodid, pictures and texts"), program, true, {}, {}, {}},
        {QStringLiteral("QVDidUdodidEmbedded, pictures and texts"), embedded, true, {}, {}, {}},
    };
    out << "start to a viewable main window and resident memory " << settle << " s later, " << runs
        << " interleaved runs each\n";
    out.flush();
    for (int run = 0; run < runs; ++run) {
        // Each round begins with another candidate, so none is always first after a pause.
        for (size_t i = 0; i < candidates.size(); ++i) {
            Candidate &candidate = candidates[(i + size_t(run)) % candidates.size()];
            if (!startOnce(candidate, watcher, settle))
                out << "  " << candidate.label << ": no main window within 60 s\n";
        }
    }

    const Candidate &bare = candidates.front();
    const double bareStart = median(bare.startMs);
    const double bareResident = median(bare.residentMb);
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("candidate"), -40)
               .arg(QStringLiteral("start ms"), 9)
               .arg(QStringLiteral("x bare"), 7)
               .arg(QStringLiteral("RSS MB"), 8)
               .arg(QStringLiteral("x bare"), 7)
               .arg(QStringLiteral("libraries"), 10);
    for (const Candidate &candidate : candidates) {
        const double start = median(candidate.startMs);
        const double resident = median(candidate.residentMb);
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(candidate.label, -40)
                   .arg(start, 9, 'f', 1)
                   .arg(bareStart > 0 ? start / bareStart : 0, 7, 'f', 2)
                   .arg(resident, 8, 'f', 1)
                   .arg(bareResident > 0 ? resident / bareResident : 0, 7, 'f', 2)
                   .arg(median(candidate.libraries), 10, 'f', 0);
    }
    return 0;
}

#pragma once

// One libmpv player as both video back ends use it: created with a table of
// options, fed commands and properties on the GUI thread, and drained of its
// events, which come out as the few reports the area cares about. It knows
// which file was opened last and drops whatever libmpv still says about a
// file that was replaced or closed.
//
// libmpv calls the wake-up function on a thread of its own; the back end's
// function only queues the drain onto the GUI thread. It is cleared before the
// handle is destroyed.
//
// libmpv never writes to the terminal itself: its warnings and errors come
// out of the drain into the "qv.video" category, a bounded number a minute
// for all players together (MessageBudget), so files broken in every frame
// cannot fill the service log.

#include "playback/video/VideoModule.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

struct mpv_handle;
struct mpv_event;
struct mpv_event_log_message;

struct MpvReport {
    enum class Kind {
        Length,   // the open file's length, in seconds
        Position, // its position, in seconds
        Failed,   // it could not be opened or played
        Ended,    // it played to its end
    };
    Kind kind;
    double seconds = 0;
};

class MpvSession
{
public:
    using Options = MpvOptions;
    // libmpv's messages logged in one minute at most, by all players; the rest are counted.
    static constexpr int kMostMessagesPerMinute = 60;

    // Creates the handle, sets the options, then the overrides (the
    // program's VideoSettings), and starts it. Throws std::runtime_error with
    // createError or initError, after freeing what it made. A window id other
    // than 0 becomes the option "wid".
    MpvSession(const Options &options, const Options &overrides, qint64 windowId, const char *createError,
               const char *initError);
    ~MpvSession();
    MpvSession(const MpvSession &) = delete;
    MpvSession &operator=(const MpvSession &) = delete;

    mpv_handle *handle() const { return m_handle; }

    // libmpv calls `wakeup(context)` when events wait; null clears it.
    void setWakeup(void (*wakeup)(void *), void *context);
    // Observes "duration" and "time-pos" as doubles, and the further names as nodes.
    void observe(const QList<QByteArray> &nodeProperties = {});

    // A property as a string node; errors are logged.
    void setProperty(const char *name, const QByteArray &value);
    // A command of strings and integers, run at once or queued.
    void command(const QVariantList &arguments);
    void commandAsync(const QVariantList &arguments);

    // "loadfile": the file opened last; reports of earlier files are dropped
    // from now on. A start above 0 plays it from that second.
    void open(const QString &path, double startSeconds = 0);
    // "stop": nothing is open afterwards.
    void stop(bool async);
    QString openedPath() const { return m_path; }

    // Drains the event queue and returns the reports of the open file.
    QList<MpvReport> takeReports();
    // Present value of a property as text; empty when it has none.
    QString propertyText(const QString &name) const;

private:
    void handleEvent(const mpv_event &event, QList<MpvReport> *reports);
    static void logMessage(const mpv_event_log_message &message);
    void acceptEntry(qint64 entryId);

    mpv_handle *m_handle = nullptr;
    QString m_path;
    // libmpv numbers each opened file; reports count only for the number of
    // the file opened last, from its start until it ends.
    quint64 m_openRequest = 0; // reply id of the last "loadfile"
    qint64 m_expectedEntry = -1; // -1 while the number is not known yet
    qint64 m_startedEntry = -1;  // the entry whose start was seen last
    bool m_current = false;      // reports now belong to the file opened last
};

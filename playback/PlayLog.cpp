// The play log's queue and its writer thread.

#include "playback/PlayLog.h"

#include "base/Log.h"
#include "playback/PlayLogFallback.h"
#include "playback/PlayLogStore.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QThread>
#include <QWaitCondition>

#include <deque>
#include <map>
#include <memory>

namespace {

QString translated(const char *text, int n = -1)
{
    return QCoreApplication::translate("PlayLog", text, nullptr, n);
}

struct QueuedRow
{
    QString path; // the database the row is for, resolved when it was queued
    QStringList values;
};

// What the GUI thread and the writer share. Made once and never freed: a
// writer that hangs in the disk at exit may still come back to it.
struct LogQueue
{
    QMutex mutex;
    QWaitCondition rowsQueued;
    QWaitCondition progress;   // rows left the queue
    QWaitCondition stopWanted; // cuts a writer's pause short
    std::deque<QueuedRow> rows;
    int inFlight = 0;    // rows at the head the writer is writing now
    quint64 queued = 0;  // ever queued
    quint64 settled = 0; // ever written, kept in the fallback file or dropped
    quint64 dropped = 0; // ever dropped
    quint64 droppedInEpisode = 0;
    bool stopping = false;
    int limit = PlayLog::kQueueLimit;
    std::shared_ptr<QAtomicInt> writerState;
};

// What shutdown wants of the writer.
enum WriterState { Running = 0, StopNow = 1, Abandoned = 2 };

LogQueue &queue()
{
    static LogQueue *shared = new LogQueue;
    return *shared;
}

constexpr int kBatchRows = 200;
constexpr int kLongestPauseMs = 2000;
// A file that failed is tried again after this long; meanwhile rows go to the fallback file.
constexpr qint64 kRetryFailedMs = 10000;
// A lock held longer than this is reported (once).
constexpr qint64 kReportBusyAfterMs = 10000;

// The writer: takes rows from the head of the queue in order, writes them
// and only then lets them go.
class LogWriter : public QThread
{
public:
    explicit LogWriter(std::shared_ptr<QAtomicInt> state) : m_state(std::move(state))
    {
        setObjectName(QStringLiteral("PlayLogWriter"));
    }

protected:
    void run() override;

private:
    enum class Step { Done, Retry };
    Step write(const QString &path, const QList<QStringList> &rows);
    Step keepInFallback(const QString &path, const QList<QStringList> &rows);
    void reportOnce(const QString &key, const QString &text);
    void recovered(const QString &path);

    bool running() const { return m_state->loadAcquire() == Running; }

    std::shared_ptr<QAtomicInt> m_state;
    std::map<QString, std::unique_ptr<PlayLogStore>> m_stores;
    QMap<QString, qint64> m_retryAt;   // per file: when a failed file is tried again
    QMap<QString, qint64> m_busySince; // per file: since when it is held
    QSet<QString> m_reported;
    QElapsedTimer m_clock;
};

void LogWriter::run()
{
    m_clock.start();
    LogQueue &q = queue();
    int pauseMs = 0;
    QMutexLocker lock(&q.mutex);
    for (;;) {
        if (pauseMs > 0 && running())
            q.stopWanted.wait(&q.mutex, pauseMs);
        while (q.rows.empty() && !q.stopping && running())
            q.rowsQueued.wait(&q.mutex);
        if (!running() || q.rows.empty())
            return;
        // The rows at the head that go to the same file, in order.
        const QString path = q.rows.front().path;
        QList<QStringList> batch;
        for (auto it = q.rows.begin(); it != q.rows.end() && it->path == path && batch.size() < kBatchRows; ++it)
            batch << it->values;
        q.inFlight = batch.size();
        lock.unlock();
        const Step step = write(path, batch);
        lock.relock();
        if (m_state->loadAcquire() == Abandoned)
            return; // shutdown gave up waiting and took the rows over
        const int done = step == Step::Done ? q.inFlight : 0;
        q.inFlight = 0;
        for (int i = 0; i < done && !q.rows.empty(); ++i)
            q.rows.pop_front();
        q.settled += done;
        pauseMs = step == Step::Done ? 0 : qBound(100, pauseMs * 2, kLongestPauseMs);
        if (q.rows.empty() && q.droppedInEpisode > 0) {
            qCWarning(lcPlayback).noquote()
                << translated("%n play log row(s) were dropped while the queue was full", int(q.droppedInEpisode));
            q.droppedInEpisode = 0;
        }
        q.progress.wakeAll();
    }
}

LogWriter::Step LogWriter::write(const QString &path, const QList<QStringList> &rows)
{
    const qint64 now = m_clock.elapsed();
    if (m_retryAt.value(path, 0) > now)
        return keepInFallback(path, rows);
    std::unique_ptr<PlayLogStore> &store = m_stores[path];
    if (!store)
        store = std::make_unique<PlayLogStore>(path);
    const PlayLogStore::Outcome outcome = store->insert(rows);
    if (!store->movedAsideTo().isEmpty())
        qCWarning(lcPlayback).noquote()
            << translated("the play log %1 is damaged (%2); it was moved aside to %3 and a new one begun")
                   .arg(path, store->reason(), store->movedAsideTo());
    switch (outcome) {
    case PlayLogStore::Outcome::Written:
        recovered(path);
        return Step::Done;
    case PlayLogStore::Outcome::Busy:
        if (!m_busySince.contains(path))
            m_busySince.insert(path, now);
        if (now - m_busySince.value(path) >= kReportBusyAfterMs)
            reportOnce(path + QStringLiteral("#busy"),
                       translated("%1; the play log keeps its rows and tries again").arg(store->reason()));
        return Step::Retry;
    case PlayLogStore::Outcome::Failed:
        break;
    }
    reportOnce(path + QStringLiteral("#failed"), translated("the play log cannot be written: %1").arg(store->reason()));
    m_retryAt.insert(path, now + kRetryFailedMs);
    return keepInFallback(path, rows);
}

LogWriter::Step LogWriter::keepInFallback(const QString &path, const QList<QStringList> &rows)
{
    QString error;
    if (!PlayLogFallback::append(path, rows, &error)) {
        reportOnce(path + QStringLiteral("#fallback"), translated("%1; the rows wait in the queue").arg(error));
        return Step::Retry;
    }
    reportOnce(
        path + QStringLiteral("#kept"),
        translated("play log rows are kept in %1 until %2 can be written").arg(PlayLogFallback::pathFor(path), path));
    return Step::Done;
}

void LogWriter::reportOnce(const QString &key, const QString &text)
{
    if (m_reported.contains(key))
        return;
    m_reported.insert(key);
    qCWarning(lcPlayback).noquote() << text;
}

void LogWriter::recovered(const QString &path)
{
    m_busySince.remove(path);
    m_retryAt.remove(path);
    bool wasReported = false;
    for (const char *suffix : {"#busy", "#failed", "#fallback", "#kept"})
        wasReported |= m_reported.remove(path + QLatin1String(suffix));
    if (wasReported)
        qCWarning(lcPlayback).noquote() << translated("the play log %1 takes rows again").arg(path);
}

QMutex pathMutex;
QString &configuredPath()
{
    static QString path = QStringLiteral("log.db");
    return path;
}

// Guards making and stopping the writer; rows travel through the queue.
QMutex writerMutex;
LogWriter *writer = nullptr;

void ensureWriter()
{
    if (writer)
        return;
    // A thread still running when the application object goes is fatal.
    qAddPostRoutine(&PlayLog::shutdown);
    LogQueue &q = queue();
    auto state = std::make_shared<QAtomicInt>(Running);
    {
        QMutexLocker lock(&q.mutex);
        q.stopping = false;
        q.writerState = state;
    }
    writer = new LogWriter(state);
    writer->start();
}

// Keeps what is still queued in the fallback files; reports what even they refuse.
void keepLeftovers(std::deque<QueuedRow> rows)
{
    QMap<QString, QList<QStringList>> byPath;
    QStringList order;
    for (QueuedRow &row : rows) {
        if (!byPath.contains(row.path))
            order << row.path;
        byPath[row.path] << row.values;
    }
    for (const QString &path : qAsConst(order)) {
        const QList<QStringList> &left = byPath[path];
        QString error;
        if (PlayLogFallback::append(path, left, &error))
            qCWarning(lcPlayback).noquote()
                << translated("%n play log row(s) could not be written in time and are kept in %1", left.size())
                       .arg(PlayLogFallback::pathFor(path));
        else
            qCWarning(lcPlayback).noquote() << translated("%n play log row(s) are lost: %1", left.size()).arg(error);
    }
}

} // namespace

namespace PlayLog {

void setDatabasePath(const QString &newPath)
{
    QMutexLocker lock(&pathMutex);
    configuredPath() = newPath;
}

QString databasePath()
{
    QMutexLocker lock(&pathMutex);
    return configuredPath();
}

void enqueue(const QStringList &row)
{
    // Resolved here: the working directory of the moment the row was made counts.
    const QString target = QFileInfo(databasePath()).absoluteFilePath();
    QMutexLocker writerLock(&writerMutex);
    ensureWriter();
    LogQueue &q = queue();
    QMutexLocker lock(&q.mutex);
    if (q.rows.size() >= size_t(qMax(1, q.limit))) {
        // The oldest row that is not being written makes room.
        const auto oldest = q.rows.begin() + q.inFlight;
        if (oldest != q.rows.end()) {
            q.rows.erase(oldest);
            ++q.dropped;
            ++q.settled;
            if (q.droppedInEpisode++ == 0)
                qCWarning(lcPlayback).noquote()
                    << translated("the play log queue holds %1 rows: the oldest are dropped until it can write again")
                           .arg(q.limit);
        }
    }
    q.rows.push_back({target, row});
    ++q.queued;
    q.rowsQueued.wakeOne();
}

bool flush(int timeoutMs)
{
    LogQueue &q = queue();
    QDeadlineTimer deadline(timeoutMs);
    QMutexLocker lock(&q.mutex);
    const quint64 target = q.queued;
    while (q.settled < target) {
        if (!q.progress.wait(&q.mutex, deadline))
            return q.settled >= target;
    }
    return true;
}

void shutdown(int deadlineMs)
{
    QMutexLocker writerLock(&writerMutex);
    if (!writer)
        return;
    LogQueue &q = queue();
    {
        QMutexLocker lock(&q.mutex);
        q.stopping = true;
        q.rowsQueued.wakeAll();
        QDeadlineTimer deadline(deadlineMs);
        while (!q.rows.empty() && q.progress.wait(&q.mutex, deadline)) { }
        q.writerState->storeRelease(StopNow);
        q.stopWanted.wakeAll();
        q.rowsQueued.wakeAll();
    }
    // A write under way is given the time of one attempt to end.
    const bool ended = writer->wait(PlayLogStore::kBusyTimeoutMs * 4 + 1000);
    std::deque<QueuedRow> leftovers;
    {
        QMutexLocker lock(&q.mutex);
        q.writerState->storeRelease(Abandoned); // a writer that hangs touches nothing when it comes back
        leftovers.swap(q.rows);
        q.settled += leftovers.size();
        q.inFlight = 0;
        if (q.droppedInEpisode > 0) {
            qCWarning(lcPlayback).noquote()
                << translated("%n play log row(s) were dropped while the queue was full", int(q.droppedInEpisode));
            q.droppedInEpisode = 0;
        }
        q.progress.wakeAll();
    }
    keepLeftovers(std::move(leftovers));
    if (ended)
        delete writer; // its stores and their connections went with its thread
    else
        qCWarning(lcPlayback) << "the play log writer hangs in the disk and is left behind";
    writer = nullptr;
    qRemovePostRoutine(&PlayLog::shutdown);
}

void shutdown()
{
    shutdown(kShutdownDeadlineMs);
}

void setQueueLimit(int rows)
{
    LogQueue &q = queue();
    QMutexLocker lock(&q.mutex);
    q.limit = rows;
}

quint64 queuedRows()
{
    LogQueue &q = queue();
    QMutexLocker lock(&q.mutex);
    return q.queued;
}

quint64 droppedRows()
{
    LogQueue &q = queue();
    QMutexLocker lock(&q.mutex);
    return q.dropped;
}

QStringList makeRow(const QString &name, const QDateTime &begin, const QDateTime &end, bool succeeded)
{
    const QString timeFormat = QStringLiteral("HH:mm:ss:zzz");
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");
    return {name,
            QString::number(begin.time().secsTo(end.time())),
            begin.date().toString(dateFormat),
            end.date().toString(dateFormat),
            begin.time().toString(timeFormat),
            end.time().toString(timeFormat),
            succeeded ? QCoreApplication::translate("CommonPlayWindow", "success")
                      : QCoreApplication::translate("CommonPlayWindow", "failed")};
}

} // namespace PlayLog

#pragma once

// The play log's one writer: a worker thread with a connection of its own,
// fed through a bounded queue. Callers only enqueue, so play never waits for
// the disk, and a row produced while an earlier one is being written simply
// waits its turn. Rows are never lost in silence: what the database cannot
// take goes to a plain fallback file next to it, and what is dropped is
// counted and reported.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace PlayLog {

// File of the play log; "log.db" in the working directory unless set.
// Read whenever a connection is made or a row is queued.
void setDatabasePath(const QString &path);
QString databasePath();

// Rows wait in a queue of at most kQueueLimit rows; when it is full (the
// database has been unwritable for hours) the oldest row is dropped, counted
// and reported.
constexpr int kQueueLimit = 100000;
// Shutdown writes for at most this long, then keeps what is left in the
// fallback file (PlayLogFallback.h) and returns.
constexpr int kShutdownDeadlineMs = 3000;

// Queues one row (seven values in column order) for the database that
// databasePath() names now. Starts the writer on first use. A row the
// database refuses for the moment (another program holds the file) stays
// queued, in order, and is tried again; one it cannot take at all (read-only,
// damaged beyond repair, full disk) goes to the fallback file.
void enqueue(const QStringList &row);

// Blocks until every row queued before the call has left the queue
// (written, kept in the fallback file or dropped), at most timeoutMs; true
// when they all have.
bool flush(int timeoutMs = 30000);

// Writes what it can within deadlineMs, keeps the rest in the fallback
// file and stops the writer; the next enqueue starts a new one. Runs by
// itself when the application object goes away.
void shutdown(int deadlineMs);
void shutdown();

// Rows queued since the program started.
quint64 queuedRows();
// Rows dropped since the program started because the queue was full.
quint64 droppedRows();
// Another bound for the queue (tests use a small one).
void setQueueLimit(int rows);

// One row for an item shown from `begin` to `end`: name, length in whole
// seconds between the times of day (negative across midnight), the two
// dates as "yyyy-MM-dd", the two times as "HH:mm:ss:zzz", tr("success"), or
// tr("failed") for an item that could not be shown.
QStringList makeRow(const QString &name, const QDateTime &begin, const QDateTime &end, bool succeeded = true);

} // namespace PlayLog

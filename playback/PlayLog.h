#pragma once

// The play log's one writer: a worker thread with a connection of its own,
// fed through its event queue. Callers only enqueue, so play never waits for
// the disk, and a row produced while an earlier one is being written simply
// waits its turn.

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace PlayLog {

// File of the play log; "log.db" in the working directory unless set.
// Read whenever a connection is made or a row is queued.
void setDatabasePath(const QString &path);
QString databasePath();

// Queues one row (seven values in column order) for the database that
// databasePath() names now. Starts the writer on first use.
void enqueue(const QStringList &row);

// Blocks until every row queued before the call is written, at most
// timeoutMs; true when they all are.
bool flush(int timeoutMs = 30000);

// Writes what is queued and stops the writer thread; the next enqueue
// starts a new one. Runs by itself when the application object goes away.
void shutdown();

// One row for an item shown from `begin` to `end`: name, length in whole
// seconds between the times of day (negative across midnight), the two
// dates as "yyyy-MM-dd", the two times as "HH:mm:ss:zzz", tr("success"), or
// tr("failed") for an item that could not be shown.
QStringList makeRow(const QString &name, const QDateTime &begin, const QDateTime &end, bool succeeded = true);

} // namespace PlayLog

#pragma once

// The play log's database file as its writer sees it: opened on the writer's
// thread, the table made when missing, one row inserted at a time. Every
// failure is sorted: another process holding the file (try again soon), or
// a file that cannot take rows now (read-only, full disk, cannot be opened).
// A file that is not a database, or a damaged one, is moved aside as
// "<file>.damaged-<date-time>" (never deleted) and a fresh one is made.

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlError;

class PlayLogStore
{
public:
    enum class Outcome {
        Written,
        Busy,  // another connection holds the file: the row waits and is tried again
        Failed // the file cannot take rows now: reason() says why
    };

    explicit PlayLogStore(const QString &path);
    ~PlayLogStore();
    PlayLogStore(const PlayLogStore &) = delete;
    PlayLogStore &operator=(const PlayLogStore &) = delete;

    // Inserts the rows in order, all or none.
    Outcome insert(const QList<QStringList> &rows);
    QString reason() const { return m_reason; }
    // Where the damaged file went, when one was moved aside (empty otherwise).
    QString movedAsideTo() const { return m_movedAsideTo; }

    // How long one attempt may wait for a lock held by someone else.
    static constexpr int kBusyTimeoutMs = 250;

private:
    bool open();
    void close();
    // Makes the table when the file has none; false with the outcome set when it cannot.
    bool ensureTable(Outcome *outcome);
    bool insertAll(const QList<QStringList> &rows, Outcome *outcome);
    Outcome classify(const QSqlError &error, const QString &what);
    bool moveAside();

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_ready = false; // open, with the table
    bool m_damaged = false;
    QString m_reason;
    QString m_movedAsideTo;
};

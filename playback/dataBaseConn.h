#pragma once

#include <functional>

// One connection to the play-log database. Every object opens a connection
// of its own under a unique name, so objects never take each other's
// connection away; an object is used only on the thread that made it.

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class dataBaseConn : public QObject
{
    Q_OBJECT

public:
    // Opens PlayLog::databasePath() and makes sure the table exists.
    explicit dataBaseConn(QObject *parent = nullptr);
    // Same, for the given file.
    explicit dataBaseConn(const QString &path, QObject *parent = nullptr);
    ~dataBaseConn() override;

    // True when open (opens unless already open). A failure is logged and
    // kept for errorText().
    bool openDb();
    // Creates LOGINFOS unless the file has it already.
    void ensureTable();
    void createTable();
    // Adds one row; does nothing (but log) when the file cannot be opened.
    void insertLog(const QString &name, const QString &length, const QString &beginDate,
                   const QString &endDate, const QString &beginTime, const QString &endTime,
                   const QString &result);
    // Text of the last failed open, empty until then.
    QString errorText() const;
    // Rows whose name contains `name` as literal text (ASCII case ignored;
    // empty matches all) and whose beginDate lies in [from, to], both
    // "yyyy-MM-dd". Each row: name, length, beginDate, endDate, beginTime,
    // endTime, result. Empty when the file cannot be opened.
    QList<QStringList> queryLogs(const QString &name, const QString &from, const QString &to);
    // The same rows handed one at a time, so a large result is never held twice.
    void forEachLog(const QString &name, const QString &from, const QString &to,
                    const std::function<void(const QStringList &row)> &take);

private:
    QString connectionName;
    QSqlDatabase db;
    QString lastErrorText;
};

#include "playback/dataBaseConn.h"
#include "base/Log.h"

#include "playback/PlayLog.h"

#include <QAtomicInteger>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("qv-playlog-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

// The search text is literal: only our own wildcards around it may match.
QString likePattern(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

} // namespace

dataBaseConn::dataBaseConn(QObject *parent) : dataBaseConn(PlayLog::databasePath(), parent)
{ }

dataBaseConn::dataBaseConn(const QString &path, QObject *parent) : QObject(parent), connectionName(nextConnectionName())
{
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
    db.setDatabaseName(path);
    ensureTable();
}

dataBaseConn::~dataBaseConn()
{
    db.close();
    // The handle must be gone before the connection is removed.
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName);
}

bool dataBaseConn::openDb()
{
    if (db.isOpen())
        return true;
    if (db.open()) {
        qCDebug(lcPlayback) << "success!!";
        return true;
    }
    const QString text = db.lastError().text();
    qCWarning(lcPlayback).noquote() << tr("unable to open database:%1").arg(text);
    lastErrorText = text;
    return false;
}

void dataBaseConn::ensureTable()
{
    if (!db.isOpen() && !openDb()) {
        qCWarning(lcPlayback).noquote() << errorText();
        return;
    }
    if (!db.tables().contains(QStringLiteral("LOGINFOS")))
        createTable();
}

void dataBaseConn::createTable()
{
    if (!db.isOpen() && !openDb()) {
        qCWarning(lcPlayback).noquote() << errorText();
        return;
    }
    QSqlQuery query(db);
    query.exec(QStringLiteral("create table LOGINFOS (name varchar,length varchar,beginDate date,"
                              "endDate date,beginTime varchar,endTime varchar,result varchar)"));
}

void dataBaseConn::insertLog(const QString &name, const QString &length, const QString &beginDate,
                             const QString &endDate, const QString &beginTime, const QString &endTime,
                             const QString &result)
{
    if (!db.isOpen() && !openDb()) {
        qCWarning(lcPlayback).noquote() << errorText();
        return;
    }
    QSqlQuery query(db);
    query.prepare(QStringLiteral("insert into LOGINFOS(name,length,beginDate,endDate,beginTime,"
                                 "endTime,result)values(?,?,?,?,?,?,?)"));
    for (const QString &value : {name, length, beginDate, endDate, beginTime, endTime, result})
        query.addBindValue(value);
    query.exec();
}

QString dataBaseConn::errorText() const
{
    return lastErrorText;
}

QList<QStringList> dataBaseConn::queryLogs(const QString &name, const QString &from, const QString &to)
{
    QList<QStringList> rows;
    forEachLog(name, from, to, [&rows](const QStringList &row) { rows << row; });
    return rows;
}

void dataBaseConn::forEachLog(const QString &name, const QString &from, const QString &to,
                              const std::function<void(const QStringList &row)> &take)
{
    if (!db.isOpen() && !openDb()) {
        qCWarning(lcPlayback).noquote() << errorText();
        return;
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * FROM LOGINFOS where name like ? escape '\\' "
                                 "and beginDate between ? and ?"));
    query.addBindValue(likePattern(name));
    query.addBindValue(from);
    query.addBindValue(to);
    if (!query.exec())
        return;

    static const char *const columns[] = {"name", "length", "beginDate", "endDate", "beginTime", "endTime", "result"};
    const QSqlRecord record = query.record();
    QList<int> indexes;
    for (const char *column : columns)
        indexes << record.indexOf(QLatin1String(column));
    QStringList row;
    while (query.next()) {
        row.clear();
        for (int index : indexes)
            row << (index < 0 ? QString() : query.value(index).toString());
        take(row);
    }
}

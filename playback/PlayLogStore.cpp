// The play log's database file, written by the log's writer thread.

#include "playback/PlayLogStore.h"

#include "base/Clock.h"

#include <QAtomicInteger>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// SQLite's primary result codes, as Qt's driver reports them.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

const char *const kCreateStatement = "create table LOGINFOS (name varchar,length varchar,beginDate date,"
                                     "endDate date,beginTime varchar,endTime varchar,result varchar)";
const char *const kInsertStatement = "insert into LOGINFOS(name,length,beginDate,endDate,beginTime,endTime,"
                                     "result)values(?,?,?,?,?,?,?)";

QString nextConnectionName()
{
    static QAtomicInteger<quint64> counter;
    return QStringLiteral("qv-playlog-writer-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

QString tr(const char *text)
{
    return QCoreApplication::translate("PlayLog", text);
}

} // namespace

PlayLogStore::PlayLogStore(const QString &path) : m_path(path), m_connectionName(nextConnectionName())
{ }

PlayLogStore::~PlayLogStore()
{
    close();
}

void PlayLogStore::close()
{
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase(); // the handle goes before the connection
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    m_ready = false;
}

bool PlayLogStore::open()
{
    if (m_db.isValid() && m_db.isOpen())
        return true;
    close();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_path);
    // An attempt never waits long for a lock: the row stays queued and is tried again.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (m_db.open())
        return true;
    m_reason = tr("cannot open %1: %2").arg(m_path, m_db.lastError().text());
    close();
    return false;
}

PlayLogStore::Outcome PlayLogStore::classify(const QSqlError &error, const QString &what)
{
    const int code = error.nativeErrorCode().toInt();
    if (code == kSqliteBusy || code == kSqliteLocked) {
        m_reason = tr("%1 is held by another program").arg(m_path);
        return Outcome::Busy;
    }
    m_damaged = code == kSqliteCorrupt || code == kSqliteNotADatabase;
    m_reason = tr("cannot %1 %2: %3").arg(what, m_path, error.text());
    return Outcome::Failed;
}

bool PlayLogStore::ensureTable(Outcome *outcome)
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("select count(*) from sqlite_master where type = 'table' and name = 'LOGINFOS'"))) {
        *outcome = classify(query.lastError(), tr("read"));
        return false;
    }
    if (query.next() && query.value(0).toInt() > 0)
        return true;
    QSqlQuery create(m_db);
    if (!create.exec(QLatin1String(kCreateStatement))) {
        *outcome = classify(create.lastError(), tr("write"));
        return false;
    }
    return true;
}

bool PlayLogStore::insertAll(const QList<QStringList> &rows, Outcome *outcome)
{
    // Statements rather than QSqlDatabase::transaction(): only they keep
    // SQLite's own code of a failure (a lock held elsewhere is not an error).
    QSqlQuery control(m_db);
    if (!control.exec(QStringLiteral("begin"))) {
        *outcome = classify(control.lastError(), tr("write"));
        return false;
    }
    QSqlQuery query(m_db);
    bool written = query.prepare(QLatin1String(kInsertStatement));
    for (int i = 0; written && i < rows.size(); ++i) {
        for (int column = 0; column < 7; ++column)
            query.bindValue(column, rows.at(i).value(column));
        written = query.exec();
    }
    if (written && control.exec(QStringLiteral("commit")))
        return true;
    *outcome = classify(written ? control.lastError() : query.lastError(), tr("write"));
    query.finish();
    QSqlQuery(m_db).exec(QStringLiteral("rollback"));
    return false;
}

PlayLogStore::Outcome PlayLogStore::insert(const QList<QStringList> &rows)
{
    m_movedAsideTo.clear();
    // Two tries: the second one on a fresh file when the first found the file damaged.
    for (int attempt = 0; attempt < 2; ++attempt) {
        m_damaged = false;
        Outcome outcome = Outcome::Failed;
        if (!open())
            return Outcome::Failed;
        if (m_ready || ensureTable(&outcome)) {
            m_ready = true;
            if (insertAll(rows, &outcome))
                return Outcome::Written;
        }
        if (outcome == Outcome::Busy)
            return outcome;
        if (!m_damaged) {
            close(); // the next attempt opens again: the disk may have room by then
            return outcome;
        }
        if (attempt > 0 || !moveAside())
            return Outcome::Failed;
    }
    return Outcome::Failed;
}

bool PlayLogStore::moveAside()
{
    close();
    const QString stamp = Clock::current().now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(target); ++n)
        target = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, target)) {
        m_reason += tr("; it could not be moved aside to %1").arg(target);
        return false;
    }
    // A journal left beside it belongs to the damaged file, never to the fresh one.
    for (const char *companion : {"-journal", "-wal", "-shm"}) {
        const QString from = m_path + QLatin1String(companion);
        if (QFile::exists(from))
            QFile::rename(from, target + QLatin1String(companion));
    }
    m_movedAsideTo = target;
    return true;
}

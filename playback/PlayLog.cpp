#include "playback/PlayLog.h"

#include "playback/dataBaseConn.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QSemaphore>
#include <QThread>

#include <memory>

namespace {

// Lives on the writer thread; so does its connection.
class PlayLogWriter : public QObject
{
public:
    void write(const QString &path, const QStringList &row)
    {
        if (!m_conn || m_path != path) {
            m_conn.reset();
            m_conn = std::make_unique<dataBaseConn>(path);
            m_path = path;
        }
        m_conn->insertLog(row.value(0), row.value(1), row.value(2), row.value(3), row.value(4),
                          row.value(5), row.value(6));
    }

private:
    std::unique_ptr<dataBaseConn> m_conn;
    QString m_path;
};

QMutex pathMutex;
QString path = QStringLiteral("log.db");

// Guards creating and stopping the writer only; rows travel through the
// writer's event queue.
QMutex writerMutex;
QThread *writerThread = nullptr;
PlayLogWriter *writer = nullptr;

void ensureWriter()
{
    if (writerThread)
        return;
    // A thread still running when the application object goes is fatal.
    qAddPostRoutine(&PlayLog::shutdown);
    writerThread = new QThread;
    writerThread->setObjectName(QStringLiteral("PlayLogWriter"));
    writer = new PlayLogWriter;
    writer->moveToThread(writerThread);
    QObject::connect(writerThread, &QThread::finished, writer, &QObject::deleteLater);
    writerThread->start();
}

bool flushLocked(int timeoutMs)
{
    if (!writer)
        return true;
    // Events are handled in order: once this one runs, every earlier row is in.
    auto done = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(writer, [done] { done->release(); }, Qt::QueuedConnection);
    return done->tryAcquire(1, timeoutMs);
}

} // namespace

namespace PlayLog {

void setDatabasePath(const QString &newPath)
{
    QMutexLocker lock(&pathMutex);
    path = newPath;
}

QString databasePath()
{
    QMutexLocker lock(&pathMutex);
    return path;
}

void enqueue(const QStringList &row)
{
    // Resolved here: the working directory of the moment the row was made counts.
    const QString target = QFileInfo(databasePath()).absoluteFilePath();
    QMutexLocker lock(&writerMutex);
    ensureWriter();
    PlayLogWriter *w = writer;
    QMetaObject::invokeMethod(w, [w, target, row] { w->write(target, row); }, Qt::QueuedConnection);
}

bool flush(int timeoutMs)
{
    QMutexLocker lock(&writerMutex);
    return flushLocked(timeoutMs);
}

void shutdown()
{
    QMutexLocker lock(&writerMutex);
    if (!writerThread)
        return;
    flushLocked(30000);
    writerThread->quit();
    writerThread->wait();
    // The writer and its connection were deleted on their own thread as it finished.
    delete writerThread;
    writerThread = nullptr;
    writer = nullptr;
    qRemovePostRoutine(&PlayLog::shutdown);
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

#include "model/ScheduleFile.h"

#include "model/RegularFile.h"
#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>

namespace ScheduleFile {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("ScheduleFile", text);
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

bool save(const QString &path, const Schedule &schedule, QString *error)
{
    const QByteArray bytes = ScheduleWriter().encode(schedule);
    // Unbuffered, so that a short write (disk full, size limit) shows in the
    // count write() returns: a buffered flush can lose that error.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        setError(error, tr("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    // A write that stops short reports no reason; asking again for the rest
    // makes the system say why (no space left, file too large ...).
    qint64 written = 0;
    int reason = 0;
    while (written < bytes.size()) {
        errno = 0;
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        reason = errno;
        if (chunk <= 0)
            break;
        written += chunk;
    }
    if (written != bytes.size()) {
        const QString why = file.error() != QFileDevice::NoError || reason == 0 ? file.errorString()
                                                                                 : qt_error_string(reason);
        setError(error, tr("cannot write %1: only %2 of %3 bytes could be written (%4)")
                            .arg(path)
                            .arg(written)
                            .arg(bytes.size())
                            .arg(why));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, tr("cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

std::unique_ptr<OwnedSchedule> load(const QString &path, QString *error)
{
    QFile file(path);
    QString reason;
    if (!RegularFile::open(file, &reason)) {
        setError(error, tr("cannot open %1: %2").arg(path, reason));
        return nullptr;
    }
    if (file.size() > kMaxFileBytes) {
        setError(error, tr("%1 is not a schedule: the file is too large").arg(path));
        return nullptr;
    }
    // Never more than the cap, even from a file that grows while it is read.
    QByteArray bytes;
    char chunk[64 * 1024];
    qint64 got = 0;
    while ((got = file.read(chunk, sizeof chunk)) > 0) {
        if (bytes.size() + got > kMaxFileBytes) {
            setError(error, tr("%1 is not a schedule: the file is too large").arg(path));
            return nullptr;
        }
        bytes.append(chunk, int(got));
    }
    if (got < 0 || file.error() != QFileDevice::NoError) {
        setError(error, tr("cannot read %1: %2").arg(path, file.errorString()));
        return nullptr;
    }
    ScheduleReader reader;
    std::unique_ptr<OwnedSchedule> schedule = reader.decode(bytes);
    if (!schedule)
        setError(error, tr("%1 is damaged or not a schedule: %2").arg(path, reader.errorString()));
    return schedule;
}

} // namespace ScheduleFile

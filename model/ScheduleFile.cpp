#include "model/ScheduleFile.h"

#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

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
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        setError(error, tr("cannot write %1: only %2 of %3 bytes could be written (%4)")
                            .arg(path)
                            .arg(qMax<qint64>(written, 0))
                            .arg(bytes.size())
                            .arg(file.errorString()));
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
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, tr("cannot open %1: %2").arg(path, file.errorString()));
        return nullptr;
    }
    if (file.size() > kMaxFileBytes) {
        setError(error, tr("%1 is not a schedule: the file is too large").arg(path));
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
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

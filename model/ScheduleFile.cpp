#include "model/ScheduleFile.h"

#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Opens the path for reading only when it names a regular file. A FIFO would
// block open() until a writer comes, a device would never end: a path in the
// settings can name either.
bool openRegularFile(QFile &file, QString *reason)
{
#ifdef Q_OS_UNIX
    // Opened without waiting, then looked at: nothing can swap the file in between.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        *reason = tr("it is not a regular file");
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *reason = file.errorString();
        return false;
    }
    return true;
#else
    if (!QFileInfo(file.fileName()).isFile()) {
        *reason = QFileInfo::exists(file.fileName()) ? tr("it is not a regular file") : tr("no such file");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    return true;
#endif
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
    if (!openRegularFile(file, &reason)) {
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

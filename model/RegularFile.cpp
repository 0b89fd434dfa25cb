// Regular files only: looked at before they are opened, opened without waiting.

#include "model/RegularFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RegularFile {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RegularFile", text);
}

#ifdef Q_OS_UNIX
Identity identityOf(const struct stat &status)
{
    Identity identity;
    identity.size = qint64(status.st_size);
    identity.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000LL + status.st_mtim.tv_nsec;
    identity.device = quint64(status.st_dev);
    identity.inode = quint64(status.st_ino);
    return identity;
}
#else
Identity identityOf(const QFileInfo &info)
{
    Identity identity;
    identity.size = info.size();
    identity.modifiedNs = info.lastModified().toMSecsSinceEpoch() * 1000000LL;
    return identity;
}
#endif

} // namespace

bool identify(const QString &path, Identity *identity, QString *reason)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        *reason = qt_error_string(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        *reason = tr("it is not a regular file");
        return false;
    }
    if (identity)
        *identity = identityOf(status);
    return true;
#else
    const QFileInfo info(path);
    if (!info.isFile()) {
        *reason = info.exists() ? tr("it is not a regular file") : tr("no such file");
        return false;
    }
    if (identity)
        *identity = identityOf(info);
    return true;
#endif
}

bool open(QFile &file, QString *reason, Identity *identity)
{
    // A device is not even opened: opening some has effects of its own.
    if (!identify(file.fileName(), nullptr, reason))
        return false;
#ifdef Q_OS_UNIX
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
    if (identity)
        *identity = identityOf(status);
    return true;
#else
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    if (identity)
        *identity = identityOf(QFileInfo(file.fileName()));
    return true;
#endif
}

} // namespace RegularFile

// The single-instance guard on Unix: an exclusive lock on a file of the
// user's own.

#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("InstanceGuard", text);
}

// A folder that belongs to this user alone: it exists (or is made), is no
// link, is owned by us and nobody else may write into it.
bool isOwnFolder(const QByteArray &path, QString *error)
{
    struct stat status;
    if (::lstat(path.constData(), &status) != 0) {
        if (errno != ENOENT || ::mkdir(path.constData(), 0700) != 0 || ::lstat(path.constData(), &status) != 0) {
            *error = tr("cannot make %1: %2").arg(QFile::decodeName(path), qt_error_string(errno));
            return false;
        }
    }
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid() || (status.st_mode & (S_IWGRP | S_IWOTH))) {
        *error = tr("%1 is not a folder of this user alone").arg(QFile::decodeName(path));
        return false;
    }
    return true;
}

QString runtimeFolder(QString *error)
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isOwnFolder(runtime, error))
        return QFile::decodeName(runtime);
    const QString own = QDir::tempPath() + QStringLiteral("/qvdidudodid-%1").arg(::geteuid());
    return isOwnFolder(QFile::encodeName(own), error) ? own : QString();
}

} // namespace

InstanceGuard::InstanceGuard(const QString &key) : m_key(key)
{ }

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock; the file stays for the next start
}

bool InstanceGuard::acquire()
{
    if (m_fd >= 0)
        return true;
    m_heldElsewhere = false;
    m_error.clear();
    const QString folder = runtimeFolder(&m_error);
    if (folder.isEmpty())
        return false;
    QString name = m_key;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QByteArray path = QFile::encodeName(folder + QLatin1Char('/') + name + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_error = tr("cannot open %1: %2").arg(QFile::decodeName(path), qt_error_string(errno));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(fd);
        m_heldElsewhere = reason == EWOULDBLOCK;
        m_error = m_heldElsewhere ? tr("another instance runs")
                                  : tr("cannot lock %1: %2").arg(QFile::decodeName(path), qt_error_string(reason));
        return false;
    }
    m_fd = fd;
    return true;
}

bool InstanceGuard::isHeld() const
{
    return m_fd >= 0;
}

QString InstanceGuard::errorString() const
{
    return m_error;
}

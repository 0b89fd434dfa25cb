// The single-instance guard on Unix: an exclusive lock on a file in a
// folder of the user's own, opened without ever following a link.

#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Why the thing at `name` may not hold the lock, or empty when it may.
QString refusal(const QString &name, const struct stat &status, bool wantFolder)
{
    if (S_ISLNK(status.st_mode))
        return QCoreApplication::translate("InstanceGuard", "%1 is a symbolic link; it is not followed").arg(name);
    if (status.st_uid != ::geteuid())
        return QCoreApplication::translate("InstanceGuard", "%1 belongs to another user").arg(name);
    if (wantFolder && !S_ISDIR(status.st_mode))
        return QCoreApplication::translate("InstanceGuard", "%1 is not a folder").arg(name);
    if (!wantFolder && !S_ISREG(status.st_mode))
        return QCoreApplication::translate("InstanceGuard", "%1 is not a regular file").arg(name);
    return QString();
}

// The lock folder, opened as what it is (never through a link) and made
// when missing; kept at mode 0700. -1 with *error when it may not be used.
int openFolder(const QString &folder, QString *error)
{
    const QByteArray path = QFile::encodeName(folder);
    const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(path.constData(), flags);
    if (fd < 0 && errno == ENOENT) {
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
            *error = QCoreApplication::translate("InstanceGuard", "cannot make %1: %2")
                         .arg(folder, qt_error_string(errno));
            return -1;
        }
        fd = ::open(path.constData(), flags);
    }
    struct stat status;
    if (fd < 0) {
        const int reason = errno;
        if (::lstat(path.constData(), &status) == 0)
            *error = refusal(folder, status, true);
        if (error->isEmpty())
            *error = QCoreApplication::translate("InstanceGuard", "cannot open %1: %2")
                         .arg(folder, qt_error_string(reason));
        return -1;
    }
    if (::fstat(fd, &status) != 0) {
        *error = QCoreApplication::translate("InstanceGuard", "cannot open %1: %2").arg(folder, qt_error_string(errno));
    } else {
        *error = refusal(folder, status, true);
        // Ours, so nobody else can have changed it since we looked: put its mode right.
        if (error->isEmpty() && (status.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0)
            *error = QCoreApplication::translate("InstanceGuard", "cannot keep %1 at mode 0700: %2")
                         .arg(folder, qt_error_string(errno));
    }
    if (error->isEmpty())
        return fd;
    ::close(fd);
    return -1;
}

// The lock file in the open folder: a regular file of ours, made when missing.
int openLockFile(int folderFd, const QString &folder, const QString &name, QString *error)
{
    const QString shown = folder + QLatin1Char('/') + name;
    const QByteArray native = QFile::encodeName(name);
    const int fd = ::openat(folderFd, native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    struct stat status;
    if (fd < 0) {
        const int reason = errno;
        if (::fstatat(folderFd, native.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            *error = refusal(shown, status, false);
        if (error->isEmpty())
            *error = QCoreApplication::translate("InstanceGuard", "cannot open %1: %2")
                         .arg(shown, qt_error_string(reason));
        return -1;
    }
    if (::fstat(fd, &status) != 0)
        *error = QCoreApplication::translate("InstanceGuard", "cannot open %1: %2").arg(shown, qt_error_string(errno));
    else
        *error = refusal(shown, status, false);
    if (error->isEmpty())
        return fd;
    ::close(fd);
    return -1;
}

} // namespace

InstanceGuard::InstanceGuard(const QString &key, const QString &folder)
    : m_key(key), m_folder(folder.isEmpty() ? userFolder() : folder)
{ }

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock; the file stays for the next start
}

QString InstanceGuard::userFolder()
{
    // Deliberately not $TMPDIR or $XDG_RUNTIME_DIR: those differ between a
    // desktop session, cron, su and a service, and the lock must not.
    return QStringLiteral("/tmp/qvdidudodid-%1").arg(::geteuid());
}

bool InstanceGuard::acquire()
{
    if (m_fd >= 0)
        return true;
    m_heldElsewhere = false;
    m_error.clear();
    const int folderFd = openFolder(m_folder, &m_error);
    if (folderFd < 0)
        return false;
    QString name = m_key;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    name += QStringLiteral(".lock");
    const int fd = openLockFile(folderFd, m_folder, name, &m_error);
    ::close(folderFd);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(fd);
        m_heldElsewhere = reason == EWOULDBLOCK;
        m_error = m_heldElsewhere ? QCoreApplication::translate("InstanceGuard", "another instance runs")
                                  : QCoreApplication::translate("InstanceGuard", "cannot lock %1: %2")
                                        .arg(m_folder + QLatin1Char('/') + name, qt_error_string(reason));
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

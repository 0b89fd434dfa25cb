#pragma once

// Keeps a second copy of the program from starting for the same user.
//
// On Unix the first process that takes an exclusive lock on the file
// "<key>.lock" holds it until it ends: the kernel lets go of the lock however
// the process ends, so a killed instance never blocks the next start. The
// file lies in the user's lock folder, whose place depends on the user alone
// (its number), never on the environment: started from the desktop, cron,
// su, ssh or a service manager, the same user meets the same lock, and other
// users are never blocked. The folder is checked on every start: it must be
// a real folder (no symbolic link) of this user's, and is kept at mode 0700;
// the lock file must be a regular file of this user's. Anything else there
// is refused and named in errorString(), and never followed.
//
// On Windows the named shared memory of the key does the same.

#include <QString>

#ifdef Q_OS_WIN
#include <QSharedMemory>
#endif

class InstanceGuard
{
public:
    // The guard of `key`, its lock kept in `folder`; an empty folder means
    // the user's own (userFolder()). Only the tests name another one.
    explicit InstanceGuard(const QString &key = QStringLiteral("QVDIDUDODID"), const QString &folder = QString());
    ~InstanceGuard();

    // Unix: "/tmp/qvdidudodid-<effective user number>"; empty on Windows.
    static QString userFolder();

    // True when this process is the only instance; the guard is then held
    // until this object is destroyed.
    bool acquire();
    bool isHeld() const;
    // True when the last acquire() failed because another instance holds the guard.
    bool heldElsewhere() const { return m_heldElsewhere; }
    // Why the last acquire() failed; names the folder or file at fault.
    QString errorString() const;

private:
    Q_DISABLE_COPY(InstanceGuard)

    QString m_key;
    bool m_heldElsewhere = false;
#ifdef Q_OS_WIN
    QSharedMemory m_memory;
#else
    QString m_folder;
    int m_fd = -1;
    QString m_error;
#endif
};

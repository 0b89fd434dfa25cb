#pragma once

// Keeps a second copy of the program from starting for the same user.
// On Unix the first process that takes an exclusive lock on a file of the
// key in the user's runtime folder ($XDG_RUNTIME_DIR, else a folder of the
// user's own under the temp folder) holds it until it ends: the kernel lets
// go of the lock however the process ends, so a killed instance never blocks
// the next start, and other users are never blocked at all. On Windows the
// named shared memory of the key does the same.

#include <QString>

#ifdef Q_OS_WIN
#include <QSharedMemory>
#endif

class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &key = QStringLiteral("QVDIDUDODID"));
    ~InstanceGuard();

    // True when this process is the only instance; the guard is then held
    // until this object is destroyed.
    bool acquire();
    bool isHeld() const;
    // True when the last acquire() failed because another instance holds the guard.
    bool heldElsewhere() const { return m_heldElsewhere; }
    // Why the last acquire() failed.
    QString errorString() const;

private:
    Q_DISABLE_COPY(InstanceGuard)

    QString m_key;
    bool m_heldElsewhere = false;
#ifdef Q_OS_WIN
    QSharedMemory m_memory;
#else
    int m_fd = -1;
    QString m_error;
#endif
};

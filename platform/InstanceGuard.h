#pragma once

// Keeps a second copy of the program from starting: the first process that
// creates the shared-memory segment of the key holds it until it ends.

#include <QSharedMemory>
#include <QString>

class InstanceGuard
{
public:
    explicit InstanceGuard(const QString &key = QStringLiteral("QVDIDUDODID"));
    ~InstanceGuard();

    // True when this process is the only instance; the segment is then held
    // until this object is destroyed. A segment left behind by an instance
    // that crashed does not count as a running instance.
    bool acquire();
    bool isHeld() const;
    // Why the last acquire() failed.
    QString errorString() const;

private:
    Q_DISABLE_COPY(InstanceGuard)

    QSharedMemory m_memory;
};

// The single-instance guard on Windows: named shared memory of the key.

#include "platform/InstanceGuard.h"

InstanceGuard::InstanceGuard(const QString &key, const QString &folder) : m_key(key)
{
    Q_UNUSED(folder) // the key names a kernel object of the session, not a file
    m_memory.setKey(key);
}

QString InstanceGuard::userFolder()
{
    return QString();
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::acquire()
{
    if (m_memory.isAttached())
        return true;
    // Windows closes a dead process's mapping with its handles, so a crash
    // never leaves the key taken.
    const bool created = m_memory.create(1, QSharedMemory::ReadWrite);
    m_heldElsewhere = !created && m_memory.error() == QSharedMemory::AlreadyExists;
    return created;
}

bool InstanceGuard::isHeld() const
{
    return m_memory.isAttached();
}

QString InstanceGuard::errorString() const
{
    return m_memory.errorString();
}

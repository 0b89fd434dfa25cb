#include "platform/InstanceGuard.h"

InstanceGuard::InstanceGuard(const QString &key)
{
    m_memory.setKey(key);
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::acquire()
{
    if (m_memory.isAttached())
        return true;
    // A System V segment outlives a process that was killed. Attaching and
    // detaching again makes us its last user, which removes it; a live
    // owner stays attached, so the segment survives and create() fails.
    if (m_memory.attach(QSharedMemory::ReadOnly))
        m_memory.detach();
    return m_memory.create(1, QSharedMemory::ReadWrite);
}

bool InstanceGuard::isHeld() const
{
    return m_memory.isAttached();
}

QString InstanceGuard::errorString() const
{
    return m_memory.errorString();
}

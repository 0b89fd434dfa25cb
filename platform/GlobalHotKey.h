#pragma once

// A system-wide hot key, described on every platform as Windows describes
// it: a virtual-key code plus the modifier flags below. The system reports
// a press through the application's native event filter chain.

#include <QByteArray>
#include <QtGlobal>

namespace GlobalHotKey {

enum ModifierFlag : quint32 {
    AltFlag = 0x1,
    ControlFlag = 0x2,
    ShiftFlag = 0x4,
    MetaFlag = 0x8,
};

// The identifier a registration is known by to the system.
constexpr int identifier(quint32 virtualKey, quint32 flags)
{
    return int(flags ^ virtualKey);
}

// False when the system refuses: the combination is held already, by this
// process or another, the key does not exist here, or the platform offers
// no system-wide hot keys (offscreen, Wayland).
bool registerHotKey(quint32 virtualKey, quint32 flags);
void unregisterHotKey(quint32 virtualKey, quint32 flags);

// True when the native event is the system's report of a registered hot
// key; its code and flags are then stored. Any other event is left alone.
bool hotKeyReport(const QByteArray &eventType, void *message, quint32 *virtualKey, quint32 *flags);

} // namespace GlobalHotKey

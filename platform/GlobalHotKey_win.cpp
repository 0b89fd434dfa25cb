#include "platform/GlobalHotKey.h"

#include <windows.h>

namespace GlobalHotKey {

// Without a window the report is posted to the registering thread's queue,
// where the dispatcher hands it to the native event filters.
bool registerHotKey(quint32 virtualKey, quint32 flags)
{
    return RegisterHotKey(nullptr, identifier(virtualKey, flags), flags, virtualKey) != 0;
}

void unregisterHotKey(quint32 virtualKey, quint32 flags)
{
    UnregisterHotKey(nullptr, identifier(virtualKey, flags));
}

bool hotKeyReport(const QByteArray &eventType, void *message, quint32 *virtualKey, quint32 *flags)
{
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    const MSG *msg = static_cast<const MSG *>(message);
    if (msg->message != WM_HOTKEY)
        return false;
    *virtualKey = HIWORD(msg->lParam);
    *flags = LOWORD(msg->lParam);
    return true;
}

} // namespace GlobalHotKey

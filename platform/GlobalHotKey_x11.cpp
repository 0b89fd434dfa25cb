#include "platform/GlobalHotKey.h"

#include <QVector>
#include <QX11Info>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <memory>

// A passive key grab on the root window. The server then sends every press
// of the combination to us, whichever client has the focus.

namespace GlobalHotKey {
namespace {

struct FreeDeleter {
    void operator()(void *p) const { std::free(p); }
};
template<typename T>
using XcbPointer = std::unique_ptr<T, FreeDeleter>;

struct Grab {
    quint32 virtualKey = 0;
    quint32 flags = 0;
    xcb_window_t root = XCB_NONE;
    QVector<xcb_keycode_t> keycodes; // a key symbol may sit on several keys
    uint16_t modifiers = 0;
    uint16_t locks = 0; // Caps Lock and Num Lock must not stop the hot key
};

// GUI thread only, like the native event filters that read it.
QVector<Grab> &grabs()
{
    static QVector<Grab> list;
    return list;
}

int indexOf(quint32 virtualKey, quint32 flags)
{
    const QVector<Grab> &list = grabs();
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).virtualKey == virtualKey && list.at(i).flags == flags)
            return i;
    }
    return -1;
}

// The keys that have a virtual-key code. The arithmetic operators are the
// keypad's, as they are for Windows.
xcb_keysym_t keysymFor(quint32 virtualKey)
{
    if (virtualKey == 0x20 || (virtualKey >= 0x30 && virtualKey <= 0x39))
        return virtualKey;
    if (virtualKey >= 0x41 && virtualKey <= 0x5A)
        return virtualKey + 0x20; // the keyboard map lists letters lower-case
    if (virtualKey >= 0x70 && virtualKey <= 0x87)
        return XK_F1 + (virtualKey - 0x70);
    switch (virtualKey) {
    case 0x08: return XK_BackSpace;
    case 0x09: return XK_Tab;
    case 0x0C: return XK_Clear;
    case 0x0D: return XK_Return;
    case 0x13: return XK_Pause;
    case 0x1B: return XK_Escape;
    case 0x21: return XK_Prior;
    case 0x22: return XK_Next;
    case 0x23: return XK_End;
    case 0x24: return XK_Home;
    case 0x25: return XK_Left;
    case 0x26: return XK_Up;
    case 0x27: return XK_Right;
    case 0x28: return XK_Down;
    case 0x2A: return XK_Print;
    case 0x2D: return XK_Insert;
    case 0x2E: return XK_Delete;
    case 0x6A: return XK_KP_Multiply;
    case 0x6B: return XK_KP_Add;
    case 0x6C: return XK_KP_Separator;
    case 0x6D: return XK_KP_Subtract;
    case 0x6F: return XK_KP_Divide;
    default: return XCB_NO_SYMBOL;
    }
}

uint16_t modifierMask(quint32 flags)
{
    uint16_t mask = 0;
    if (flags & ShiftFlag)
        mask |= XCB_MOD_MASK_SHIFT;
    if (flags & ControlFlag)
        mask |= XCB_MOD_MASK_CONTROL;
    if (flags & AltFlag)
        mask |= XCB_MOD_MASK_1;
    if (flags & MetaFlag)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

// Num Lock is whichever modifier the keyboard map puts it on.
uint16_t numLockMask(xcb_connection_t *connection, xcb_key_symbols_t *symbols)
{
    const XcbPointer<xcb_keycode_t> numLock(xcb_key_symbols_get_keycode(symbols, XK_Num_Lock));
    if (!numLock)
        return 0;
    const XcbPointer<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!mapping)
        return 0;
    const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(mapping.get());
    const int perModifier = mapping->keycodes_per_modifier;
    uint16_t mask = 0;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t code = codes[modifier * perModifier + i];
            for (const xcb_keycode_t *k = numLock.get(); code != XCB_NO_SYMBOL && *k != XCB_NO_SYMBOL; ++k) {
                if (*k == code)
                    mask |= uint16_t(1u << modifier);
            }
        }
    }
    return mask;
}

// Every combination of the lock modifiers, none included.
QVector<uint16_t> lockVariants(uint16_t locks)
{
    QVector<uint16_t> variants;
    uint16_t subset = locks;
    for (;;) {
        variants.append(subset);
        if (subset == 0)
            break;
        subset = uint16_t((subset - 1) & locks);
    }
    return variants;
}

void ungrab(xcb_connection_t *connection, const Grab &grab)
{
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const uint16_t variant : lockVariants(grab.locks))
            xcb_ungrab_key(connection, keycode, grab.root, grab.modifiers | variant);
    }
    xcb_flush(connection);
}

} // namespace

bool registerHotKey(quint32 virtualKey, quint32 flags)
{
    if (!QX11Info::isPlatformX11())
        return false;
    xcb_connection_t *connection = QX11Info::connection();
    const xcb_keysym_t keysym = keysymFor(virtualKey);
    if (!connection || keysym == XCB_NO_SYMBOL || indexOf(virtualKey, flags) >= 0)
        return false;

    Grab grab;
    grab.virtualKey = virtualKey;
    grab.flags = flags;
    grab.root = xcb_window_t(QX11Info::appRootWindow());
    grab.modifiers = modifierMask(flags);
    {
        const std::unique_ptr<xcb_key_symbols_t, void (*)(xcb_key_symbols_t *)> symbols(
            xcb_key_symbols_alloc(connection), xcb_key_symbols_free);
        if (!symbols)
            return false;
        const XcbPointer<xcb_keycode_t> keycodes(xcb_key_symbols_get_keycode(symbols.get(), keysym));
        for (const xcb_keycode_t *k = keycodes.get(); k && *k != XCB_NO_SYMBOL; ++k)
            grab.keycodes.append(*k);
        grab.locks = uint16_t(XCB_MOD_MASK_LOCK | numLockMask(connection, symbols.get()));
    }
    if (grab.keycodes.isEmpty() || grab.root == XCB_NONE)
        return false;

    // Not owner_events: the press is reported on the root window even when
    // one of our own windows has the focus, so it is recognised there too.
    QVector<xcb_void_cookie_t> cookies;
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const uint16_t variant : lockVariants(grab.locks)) {
            cookies.append(xcb_grab_key_checked(connection, 0, grab.root, grab.modifiers | variant, keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    bool granted = true;
    for (const xcb_void_cookie_t &cookie : cookies) {
        // Access is refused when another client grabbed the combination first.
        if (XcbPointer<xcb_generic_error_t> error{xcb_request_check(connection, cookie)})
            granted = false;
    }
    if (!granted) {
        ungrab(connection, grab); // releases only the variants that were ours
        return false;
    }
    grabs().append(grab);
    return true;
}

void unregisterHotKey(quint32 virtualKey, quint32 flags)
{
    const int index = indexOf(virtualKey, flags);
    if (index < 0)
        return;
    const Grab grab = grabs().takeAt(index);
    // After the application is gone its connection is too, and with it the grab.
    if (xcb_connection_t *connection = QX11Info::isPlatformX11() ? QX11Info::connection() : nullptr)
        ungrab(connection, grab);
}

bool hotKeyReport(const QByteArray &eventType, void *message, quint32 *virtualKey, quint32 *flags)
{
    if (eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    for (const Grab &grab : grabs()) {
        // Pointer buttons held down and the locks do not matter.
        const uint16_t modifiers = press->state & 0xff & ~grab.locks;
        if (press->event == grab.root && modifiers == grab.modifiers && grab.keycodes.contains(press->detail)) {
            *virtualKey = grab.virtualKey;
            *flags = grab.flags;
            return true;
        }
    }
    return false;
}

} // namespace GlobalHotKey

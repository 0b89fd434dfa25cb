#pragma once

// The X server's side of the desktop, for tests that run on a real (virtual)
// X display: a pointer moved and clicked through XTest, exactly as a mouse
// would, and what the window manager says about the windows (its stacking
// order, the active window, a window's owner and type).

#include <QByteArray>
#include <QPoint>
#include <QVector>
#include <QX11Info>
#include <QtTest>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>

namespace RealPointer {

// Moves the pointer, or presses or releases its left button.
inline void send(uint8_t type, const QPoint &at = {})
{
    xcb_connection_t *connection = QX11Info::connection();
    const xcb_window_t root = xcb_window_t(QX11Info::appRootWindow());
    if (type == XCB_MOTION_NOTIFY)
        xcb_test_fake_input(connection, type, 0, XCB_CURRENT_TIME, root, int16_t(at.x()), int16_t(at.y()), 0);
    else
        xcb_test_fake_input(connection, type, XCB_BUTTON_INDEX_1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection);
    QTest::qWait(60);
}

inline void click(const QPoint &at)
{
    send(XCB_MOTION_NOTIFY, at);
    send(XCB_BUTTON_PRESS);
    send(XCB_BUTTON_RELEASE);
}

inline void drag(const QPoint &from, const QPoint &to)
{
    send(XCB_MOTION_NOTIFY, from);
    send(XCB_BUTTON_PRESS);
    for (int step = 1; step <= 5; ++step)
        send(XCB_MOTION_NOTIFY, from + (to - from) * step / 5);
    send(XCB_BUTTON_RELEASE);
}

} // namespace RealPointer

namespace WindowManagerView {

inline xcb_atom_t atom(const char *name)
{
    xcb_connection_t *connection = QX11Info::connection();
    xcb_intern_atom_reply_t *reply
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The 32-bit values of a window property (windows or atoms); empty when unset.
inline QVector<quint32> values(xcb_window_t window, const char *property, xcb_atom_t type)
{
    xcb_connection_t *connection = QX11Info::connection();
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, false, window, atom(property), type, 0, 4096), nullptr);
    QVector<quint32> result;
    if (reply && reply->format == 32) {
        const auto *data = static_cast<const quint32 *>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count; ++i)
            result << data[i];
    }
    std::free(reply);
    return result;
}

inline xcb_window_t root()
{
    return xcb_window_t(QX11Info::appRootWindow());
}

// True when a window manager has announced itself on the root window.
inline bool running()
{
    return !values(root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty();
}

// Client windows as the manager stacks them, the lowest first.
inline QVector<quint32> stacking()
{
    return values(root(), "_NET_CLIENT_LIST_STACKING", XCB_ATOM_WINDOW);
}

inline quint32 activeWindow()
{
    return values(root(), "_NET_ACTIVE_WINDOW", XCB_ATOM_WINDOW).value(0);
}

// The window this one is transient for (WM_TRANSIENT_FOR): 0 for none.
inline quint32 owner(quint32 window)
{
    return values(window, "WM_TRANSIENT_FOR", XCB_ATOM_WINDOW).value(0);
}

// The type the window asks for first (the ones after it are fall-backs).
inline bool preferredTypeIs(quint32 window, const char *typeName)
{
    return values(window, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM).value(0) == atom(typeName);
}

} // namespace WindowManagerView

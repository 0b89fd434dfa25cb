#pragma once

// Windows that show up while the program meets hostile content: a dialog of
// a web page, a message box of a library, anything beside the windows the
// program shows by design. Seen twice: as the application's top-level
// widgets (any platform), and, on an X display, as the top-level windows the
// X server maps (what the screen really shows, whoever made it).

#include <QApplication>
#include <QGuiApplication>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QX11Info>

#include <xcb/xcb.h>

#include <cstdlib>
#include <functional>

namespace HostileWindows {

// Names and closes every top-level widget that shows up beside the ones
// visible when it was made and the ones `ours` accepts, so a modal dialog
// fails the test instead of holding it for good.
class StrayWindows : public QObject
{
public:
    explicit StrayWindows(std::function<bool(QWidget *)> ours = {}) : m_ours(std::move(ours))
    {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (widget->isVisible())
                m_known.insert(widget);
        connect(&m_timer, &QTimer::timeout, this, &StrayWindows::look);
        m_timer.start(50);
    }
    // "<class> <title>" of each stray window, as it was seen.
    QStringList seen;

private:
    void look()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible() || m_known.contains(widget) || (m_ours && m_ours(widget)))
                continue;
            seen << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->windowTitle();
            widget->close();
        }
    }

    std::function<bool(QWidget *)> m_ours;
    QSet<QWidget *> m_known;
    QTimer m_timer;
};

// The top-level windows the X server shows (mapped children of the root
// window); -1 off an X display.
inline int viewableTopLevelWindows()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return -1;
    xcb_connection_t *connection = QX11Info::connection();
    const xcb_window_t root = xcb_window_t(QX11Info::appRootWindow());
    xcb_query_tree_reply_t *tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (!tree)
        return -1;
    int viewable = 0;
    const xcb_window_t *children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
        xcb_get_window_attributes_reply_t *attributes
            = xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, children[i]), nullptr);
        viewable += attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
        std::free(attributes);
    }
    std::free(tree);
    return viewable;
}

} // namespace HostileWindows

#pragma once

// Moving a frameless window by dragging it with the left mouse button: the
// press point is kept and the window follows while exactly the left button
// is held. The main window and the frameless dialogs share it; the caller
// keeps the two values, as each of them has them as members of its own.

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace WindowDrag {

// A left press starts a drag from the press point (window coordinates).
void press(const QMouseEvent *event, bool &dragging, QPoint &offset);
// Moves the window under the cursor; true when it moved.
bool move(QWidget *window, const QMouseEvent *event, bool dragging, const QPoint &offset);
// Any release ends the drag.
void release(bool &dragging);

} // namespace WindowDrag

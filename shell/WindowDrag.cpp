// The drag of the frameless windows, written once.

#include "shell/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace WindowDrag {

void press(const QMouseEvent *event, bool &dragging, QPoint &offset)
{
    if (event->button() != Qt::LeftButton)
        return;
    offset = event->pos();
    dragging = true;
}

bool move(QWidget *window, const QMouseEvent *event, bool dragging, const QPoint &offset)
{
    if (event->buttons() != Qt::LeftButton || !dragging)
        return false;
    window->move(event->globalPos() - offset);
    return true;
}

void release(bool &dragging)
{
    dragging = false;
}

} // namespace WindowDrag

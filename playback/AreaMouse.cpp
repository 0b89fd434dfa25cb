// Dragging and resizing an area inside its display window in the editor.

#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"

#include "model/ScheduleRecords.h"

#include <QMouseEvent>

namespace {

bool editingBlocked(const MainPlayBKLabel *owner)
{
    return owner && (owner->playing || owner->locked);
}

// Drags the edge or corner of the region to the cursor (screen coordinates).
// An edge dragged past the display window's top or left stops there.
void resizeArea(CommonPlayWindow *area, const QPoint &cursor)
{
    const MainPlayBKLabel *owner = area->owner;
    const QPoint origin = owner->pos();
    const int cx = cursor.x() - origin.x();
    const int cy = cursor.y() - origin.y();
    const int dx = cursor.x() - area->pressGlobalPoint.x();
    const int dy = cursor.y() - area->pressGlobalPoint.y();
    const int w0 = area->geometryAtPress.width();
    const int h0 = area->geometryAtPress.height();
    const int x = area->x();
    const int y = area->y();

    switch (area->resizeRegion) {
    case 1:
    case 2:
        if (cy < 0) {
            area->move(x, 0);
        } else {
            area->resize(area->resizeRegion == 1 ? area->width() : w0 + dx, h0 - dy);
            area->move(x, cy);
        }
        break;
    case 3:
        area->resize(w0 + dx, area->height());
        break;
    case 4:
        area->resize(w0 + dx, h0 + dy);
        break;
    case 5:
        area->resize(area->width(), h0 + dy);
        break;
    case 6:
        if (cx < 0) {
            area->move(0, y);
        } else {
            area->resize(w0 - dx, h0 + dy);
            area->move(cx, y);
        }
        break;
    case 7:
        if (cx < 0) {
            area->move(0, y);
        } else {
            area->resize(w0 - area->borderWidth / 2 - dx, area->height());
            area->move(cx, y);
        }
        break;
    case 8:
        if (cx >= 0 && cy >= 0) {
            area->resize(w0 - dx, h0 - dy);
            area->move(cx, cy);
        } else if (cx < 0) {
            area->move(0, y);
        } else {
            area->move(x, 0);
        }
        break;
    default:
        return;
    }

    // Never past the display window's right or bottom edge.
    const int maxWidth = owner->width() - area->x();
    const int maxHeight = owner->height() - area->y();
    if (area->width() > maxWidth || area->height() > maxHeight)
        area->resize(qMin(area->width(), maxWidth), qMin(area->height(), maxHeight));
    area->relayoutChildren(); // the current picture is rescaled there, from the picture in memory
    // The video cover label follows here once areas have one.
}

} // namespace

void CommonPlayWindow::mousePressEvent(QMouseEvent *event)
{
    if (!owner || editingBlocked(owner) || event->button() != Qt::LeftButton)
        return;
    pressed = true;
    pressPoint = event->pos();
    pressGlobalPoint = event->globalPos();
    selected = true;
    geometryAtPress = geometry();
    // Only the areas of this one window record stay visible while it is edited.
    for (CommonPlayWindow *area : qAsConst(owner->playWindows)) {
        const bool same = area == this
            || (winObject && area->winObject && sameArea(*area->winObject, *winObject));
        area->setVisible(same);
    }
    update();
}

void CommonPlayWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (!owner || editingBlocked(owner) || !pressed)
        return;
    const bool leftHeld = event->buttons() & Qt::LeftButton;

    if (resizeRegion != 0) {
        resizeArea(this, event->globalPos());
        return;
    }

    if (moving) {
        if (!leftHeld)
            return;
        const QPoint target = event->globalPos() - owner->pos() - pressPoint;
        move(qMax(0, qMin(target.x(), owner->width() - width())),
             qMax(0, qMin(target.y(), owner->height() - height())));
        // The video cover label follows here once areas have one.
        return;
    }

    const int region = MainPlayBKLabel::regionAt(event->pos(), size(), edgeMargin);
    if (region != 0) {
        setCursor(MainPlayBKLabel::regionCursor(region));
        if (leftHeld) {
            resizeRegion = region;
            resizeArea(this, event->globalPos());
        }
        return;
    }
    setCursor(Qt::SizeAllCursor);
    if (leftHeld) {
        moving = true;
        move(event->globalPos() - owner->pos() - pressPoint);
        // The video cover label follows here once areas have one.
    }
}

void CommonPlayWindow::mouseReleaseEvent(QMouseEvent *)
{
    pressed = false;
    moving = false;
    resizeRegion = 0;
    setCursor(Qt::SizeAllCursor);
    if (!winObject)
        return;
    winObject->x = x();
    winObject->y = y();
    winObject->width = width();
    winObject->height = height();
    if (owner)
        owner->reportAreaGeometry(winObject);
}

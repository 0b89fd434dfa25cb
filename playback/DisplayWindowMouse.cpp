// Moving and resizing a display window with the mouse in the editor.

#include "playback/CommonPlayWindow.h"
#include "playback/CoverWindows.h"
#include "playback/MainPlayBKLabel.h"

#include "model/ScheduleRecords.h"

#include <QMouseEvent>

namespace {

constexpr int kMinimumSide = 50;

} // namespace

Qt::CursorShape MainPlayBKLabel::regionCursor(int region)
{
    switch (region) {
    case 1:
    case 5:
        return Qt::SizeVerCursor;
    case 3:
    case 7:
        return Qt::SizeHorCursor;
    case 2:
    case 6:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::SizeFDiagCursor; // 4 and 8
    }
}

int MainPlayBKLabel::regionAt(const QPoint &point, const QSize &size, int margin)
{
    const QRect whole(QPoint(0, 0), size);
    if (!whole.contains(point) || whole.adjusted(margin, margin, -margin, -margin).contains(point))
        return 0;
    const int x = point.x();
    const int y = point.y();
    const int w = size.width();
    const int h = size.height();
    if (y <= margin)
        return x <= margin ? 8 : (x < w - margin ? 1 : 2);
    if (y < h - margin)
        return x <= margin ? 7 : 3;
    return x <= margin ? 6 : (x < w - margin ? 5 : 4);
}

void MainPlayBKLabel::mousePressEvent(QMouseEvent *event)
{
    if (playing || locked || event->button() != Qt::LeftButton)
        return;
    pressed = true;
    pressPoint = event->pos();
    pressGlobalPoint = event->globalPos();
    geometryAtPress = geometry();
    horizontalScale = 1.0f;
    verticalScale = 1.0f;
    for (CommonPlayWindow *area : qAsConst(playWindows)) {
        area->selected = false;
        area->geometryAtPress = area->geometry();
        area->update();
    }
    widthAtPress = width();
    heightAtPress = height();
}

void MainPlayBKLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (playing || locked || !pressed)
        return;
    const bool leftHeld = event->buttons() & Qt::LeftButton;

    if (resizeRegion == 0 && !moving) {
        const int region = regionAt(event->pos(), size(), edgeMargin);
        if (region != 0) {
            setCursor(MainPlayBKLabel::regionCursor(region));
            if (!leftHeld)
                return;
            resizeRegion = region;
        } else {
            setCursor(Qt::PointingHandCursor);
            if (!leftHeld)
                return;
            moving = true;
        }
    }

    if (moving) {
        move(event->globalPos() - pressPoint);
        CoverWindows::place(*this);
        return;
    }

    // Resize by the dragged edge or corner; a side that would fall below the
    // minimum is set to it alone and nothing else changes in that step.
    const QPoint cursor = event->globalPos();
    const int dx = cursor.x() - pressGlobalPoint.x();
    const int dy = cursor.y() - pressGlobalPoint.y();
    const int w0 = widthAtPress;
    const int h0 = heightAtPress;
    switch (resizeRegion) {
    case 1:
        if (h0 - dy < kMinimumSide)
            resize(width(), kMinimumSide);
        else
            setGeometry(x(), cursor.y(), width(), h0 - dy);
        break;
    case 2:
        if (w0 + dx < kMinimumSide)
            resize(kMinimumSide, height());
        else if (h0 - dy < kMinimumSide)
            resize(width(), kMinimumSide);
        else
            setGeometry(x(), cursor.y(), w0 + dx, h0 - dy);
        break;
    case 3:
        resize(qMax(w0 + dx, kMinimumSide), height());
        break;
    case 4:
        if (w0 + dx < kMinimumSide)
            resize(kMinimumSide, height());
        else if (h0 + dy < kMinimumSide)
            resize(width(), kMinimumSide);
        else
            resize(w0 + dx, h0 + dy);
        break;
    case 5:
        resize(width(), qMax(h0 + dy, kMinimumSide));
        break;
    case 6:
        if (w0 - dx < kMinimumSide)
            resize(kMinimumSide, height());
        else if (h0 + dy < kMinimumSide)
            resize(width(), kMinimumSide);
        else
            setGeometry(cursor.x(), y(), w0 - dx, h0 + dy);
        break;
    case 7:
        if (w0 - dx < kMinimumSide)
            resize(kMinimumSide, height());
        else
            setGeometry(cursor.x(), y(), w0 - dx, height());
        break;
    case 8:
        if (w0 - dx < kMinimumSide)
            resize(kMinimumSide, height());
        else if (h0 - dy < kMinimumSide)
            resize(width(), kMinimumSide);
        else
            setGeometry(cursor.x(), cursor.y(), w0 - dx, h0 - dy);
        break;
    default:
        return;
    }

    if (widthAtPress <= 0 || heightAtPress <= 0)
        return;
    horizontalScale = float(width()) / float(widthAtPress);
    verticalScale = float(height()) / float(heightAtPress);
    for (CommonPlayWindow *area : qAsConst(playWindows)) {
        const QRect &g = area->geometryAtPress;
        area->setGeometry(int(g.x() * horizontalScale), int(g.y() * verticalScale),
                          int(g.width() * horizontalScale), int(g.height() * verticalScale));
        area->relayoutChildren();
        // The area's rescaled picture follows here once areas have one.
    }
    CoverWindows::place(*this);
}

void MainPlayBKLabel::mouseReleaseEvent(QMouseEvent *)
{
    pressed = false;
    moving = false;
    resizeRegion = 0;
    setCursor(Qt::PointingHandCursor);
    emit sigDisplayWindowGeometryChanged(name, QRect(x(), y(), width(), height()));
    for (CommonPlayWindow *area : qAsConst(playWindows)) {
        CommonWinObject *record = area->winObject;
        if (!record)
            continue;
        record->x = area->x();
        record->y = area->y();
        record->width = area->width();
        record->height = area->height();
        emit sigCommonWinGeometryChanged(record);
    }
}

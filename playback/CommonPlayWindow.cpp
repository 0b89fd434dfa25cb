#include "playback/CommonPlayWindow.h"

#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/AppContext.h"

#include <QPainter>

CommonPlayWindow::CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner)
    : QLabel(owner), winObject(window), owner(owner)
{
    borderColour = window->borderColour;
    borderWidth = window->borderWidth;
    borderEnabled = window->borderEnabled;
}

void CommonPlayWindow::relayoutChildren()
{
    // The content widgets of each media kind are placed here as they are made.
}

void CommonPlayWindow::showEvent(QShowEvent *event)
{
    if (winObject)
        resize(winObject->width, winObject->height);
    relayoutChildren();
    update();
    QLabel::showEvent(event);
}

void CommonPlayWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen = painter.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    const int w = width(), h = height();
    if (borderEnabled) {
        pen.setColor(borderColour);
        pen.setWidth(borderWidth);
        painter.setPen(pen);
        painter.drawRect(0, 0, w, h);
        return;
    }
    if (owner && owner->playing)
        return;
    pen.setWidth(1);
    pen.setColor(selected ? QColor(255, 0, 0) : QColor(20, 127, 255));
    painter.setPen(pen);
    painter.drawRect(0, 0, w - 1, h - 1);
    if (winObject) {
        QFont font = AppContext::appFont;
        font.setPixelSize(12);
        painter.setFont(font);
        painter.drawText(QRect(0, h / 2 - 10, w, 20), Qt::AlignCenter, winObject->name);
    }
}

#include "shell/menuButton.h"

#include <QMouseEvent>
#include <QPainter>

menuButton::menuButton(const QPixmap &icon, const QString &caption, QWidget *parent)
    : QToolButton(parent), caption(caption), icon(icon)
{
    setFixedSize(82, 62);
    setText(caption);
    setCursor(Qt::PointingHandCursor);
}

void menuButton::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    pressButtons = event->buttons();
}

void menuButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (pressButtons == Qt::LeftButton && !mouseOutside)
        emit sigBtnPressed();
}

void menuButton::enterEvent(QEvent *event)
{
    mouseOutside = false;
    update();
    QToolButton::enterEvent(event);
}

void menuButton::leaveEvent(QEvent *event)
{
    mouseOutside = true;
    update();
    QToolButton::leaveEvent(event);
}

void menuButton::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.35); // a command with nothing to act on is drawn faint
    else if (!mouseOutside)
        painter.fillRect(rect(), QColor(255, 255, 255, 50));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(25.0, 6.0, 32, 32), icon, QRectF(icon.rect()));
    QFont font = painter.font();
    font.setWeight(QFont::Normal);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 40, width(), 18), Qt::AlignCenter | Qt::TextWordWrap, caption);
    event->accept();
}

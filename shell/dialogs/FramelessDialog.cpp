// The frame of the frameless dialogs: look, title strip and drag.

#include "shell/dialogs/FramelessDialog.h"

#include "shell/WindowDrag.h"

#include <QLabel>
#include <QMouseEvent>

FramelessDialog::FramelessDialog(QWidget *parent, const QSize &size) : QDialog(parent)
{
    // A dialog window is owned by the main window where the window manager
    // sees it, so it stays above that always-on-top window and off the task bar.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(size);
    setStyleSheet(QStringLiteral("QDialog {background:white;border:1px solid #293855}"));
    m_title = new QLabel(this);
    m_title->setGeometry(0, 0, size.width(), 30);
    m_title->setStyleSheet(QStringLiteral("background:#293855;color:white"));
}

void FramelessDialog::mousePressEvent(QMouseEvent *event)
{
    WindowDrag::press(event, m_dragging, m_dragOffset);
}

void FramelessDialog::mouseMoveEvent(QMouseEvent *event)
{
    WindowDrag::move(this, event, m_dragging, m_dragOffset);
}

void FramelessDialog::mouseReleaseEvent(QMouseEvent *event)
{
    WindowDrag::release(m_dragging);
    event->accept();
}

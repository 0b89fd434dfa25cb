#include "shell/newDisplayWindowButton.h"

#include "base/Prompts.h"
#include "shell/Widget.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

newDisplayWindowButton::newDisplayWindowButton(const QString &name, Widget *owner, QWidget *parent)
    : QToolButton(parent), menu(new QMenu), name(name), owner(owner)
{
    settingAction = new QAction(this);
    addWindowAction = new QAction(this);
    deleteAction = new QAction(this);
    menu->addAction(settingAction);
    menu->addAction(addWindowAction);
    menu->addAction(deleteAction);
    setFixedSize(140, 40);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setText(name);
    trUpdate();
}

newDisplayWindowButton::~newDisplayWindowButton()
{
    delete menu;
}

void newDisplayWindowButton::trUpdate()
{
    settingAction->setText(tr("Led Display Parameter Setting"));
    addWindowAction->setText(tr("Add Play Window"));
    deleteAction->setText(tr("Delete"));
}

void newDisplayWindowButton::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // the tab never toggles by itself
}

void newDisplayWindowButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !isChecked()) {
        setChecked(true);
        emit sigBtnChecked(name);
    } else if (event->button() == Qt::RightButton && isChecked()) {
        deleteAction->setEnabled(owner->displayWindowButtons.size() > 1);
        Prompts::current().execMenu(menu, event->globalPos());
    }
}

void newDisplayWindowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isChecked()) {
        painter.fillRect(rect(), QColor(255, 255, 255));
        painter.drawRect(rect());
    } else {
        painter.fillRect(rect(), QColor(230, 230, 230));
    }
    QFont font = painter.font();
    font.setWeight(QFont::Normal);
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(QRect(0, 5, width(), 30), Qt::AlignCenter | Qt::TextWordWrap, name);
}

// The shared calendar pop-up of the date buttons.

#include "panels/controls/CalendarPopup.h"

#include "base/Clock.h"

#include <QAbstractButton>
#include <QDateEdit>

CalendarPopup::CalendarPopup(QWidget *mainWindow) : QCalendarWidget(mainWindow)
{
    setFixedSize(240, 205);
    setFocusPolicy(Qt::NoFocus);
    setLocale(QLocale(QLocale::Chinese, QLocale::China));
    setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setStyleSheet(QStringLiteral("background:#dddddd;color:black"));
    setNavigationBarVisible(true);
    setSelectedDate(Clock::current().currentDate());
    hide();
    connect(this, &QCalendarWidget::clicked, this, &CalendarPopup::slotCalenderWinClicked);
}

void CalendarPopup::setTargetEdit(Target target, QDateEdit *edit)
{
    if (target >= 0 && target < TargetCount)
        m_edits[target] = edit;
}

void CalendarPopup::openFor(Target target, const QAbstractButton *button)
{
    m_target = target;
    // Under the button, wherever its panel lays it out.
    if (button && parentWidget())
        move(button->mapTo(parentWidget(), QPoint(0, button->height())));
    show();
    raise();
}

void CalendarPopup::slotCalenderWinClicked(const QDate &date)
{
    if (m_target >= 0 && m_target < TargetCount && m_edits[m_target])
        m_edits[m_target]->setDate(date);
    hide();
}

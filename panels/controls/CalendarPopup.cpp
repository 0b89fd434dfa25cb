// The shared calendar pop-up of the date buttons.

#include "panels/controls/CalendarPopup.h"

#include "base/Clock.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QDateEdit>

CalendarPopup::CalendarPopup(QWidget *mainWindow) : QWidget(mainWindow), m_today(Clock::current().currentDate())
{
    setFixedSize(240, 205);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(this, &CalendarPopup::clicked, this, &CalendarPopup::slotCalenderWinClicked);
}

QCalendarWidget *CalendarPopup::calendar()
{
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setGeometry(rect());
        m_calendar->setFocusPolicy(Qt::NoFocus);
        m_calendar->setLocale(QLocale(QLocale::Chinese, QLocale::China));
        m_calendar->setHorizontalHeaderFormat(QCalendarWidget::NoHorizontalHeader);
        m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        m_calendar->setStyleSheet(QStringLiteral("background:#dddddd;color:black"));
        m_calendar->setNavigationBarVisible(true);
        m_calendar->setSelectedDate(m_today);
        connect(m_calendar, &QCalendarWidget::clicked, this, &CalendarPopup::clicked);
    }
    return m_calendar;
}

QDate CalendarPopup::selectedDate() const
{
    return m_calendar ? m_calendar->selectedDate() : m_today;
}

void CalendarPopup::setTargetEdit(Target target, QDateEdit *edit)
{
    if (target >= 0 && target < TargetCount)
        m_edits[target] = edit;
}

void CalendarPopup::openFor(Target target, const QAbstractButton *button)
{
    m_target = target;
    calendar()->show();
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

#pragma once

// The calendar that every date button of the schedule and segment panels
// opens. It floats over the main window (its parent), remembers which date
// edit it was opened for (the target) and writes a clicked day there, which
// runs that edit's own change slots; then it hides. The calendar inside is
// made when it first opens: it is the costliest control of the main window,
// and a start that never opens it does not pay for it.

#include <QDate>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QCalendarWidget;
class QDateEdit;

class CalendarPopup : public QWidget
{
    Q_OBJECT

public:
    // The four date edits it serves.
    enum Target { ScheduleFrom = 0, ScheduleTo = 1, SegmentFrom = 2, SegmentTo = 3, TargetCount = 4 };

    explicit CalendarPopup(QWidget *mainWindow);

    // The edit a target writes into (not owned; forgotten when it is deleted).
    void setTargetEdit(Target target, QDateEdit *edit);
    // Chooses the target and shows the pop-up just under the button.
    void openFor(Target target, const QAbstractButton *button);
    int target() const { return m_target; }
    // The day the calendar shows selected: today until one is clicked.
    QDate selectedDate() const;

signals:
    // A day was clicked in the calendar.
    void clicked(const QDate &date);

public slots:
    // Writes the day into the target's edit (none for an unknown target) and hides.
    void slotCalenderWinClicked(const QDate &date);

private:
    QCalendarWidget *calendar();

    int m_target = ScheduleFrom;
    QPointer<QDateEdit> m_edits[TargetCount];
    QCalendarWidget *m_calendar = nullptr;
    QDate m_today;
};

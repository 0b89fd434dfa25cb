#pragma once

// The calendar that every date button of the schedule and segment panels
// opens. It floats over the main window (its parent), remembers which date
// edit it was opened for (the target) and writes a clicked day there, which
// runs that edit's own change slots; then it hides.

#include <QCalendarWidget>
#include <QPointer>

class QAbstractButton;
class QDateEdit;

class CalendarPopup : public QCalendarWidget
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

public slots:
    // Writes the day into the target's edit (none for an unknown target) and hides.
    void slotCalenderWinClicked(const QDate &date);

private:
    int m_target = ScheduleFrom;
    QPointer<QDateEdit> m_edits[TargetCount];
};

#pragma once

// The modal dialog "Time Point Information" in which a time point of a
// timing-inserted segment is entered: its time of day, optional dates and
// its weekdays. Made once by the main window and reused; it keeps what it
// showed last except what the timing panel resets or loads. The caller
// decides by the result of exec(): Escape and the window's close button
// mean Cancel, as the cancel button does.

#include <QDialog>

class DateRangeRow;
class DayBoxes;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QTimeEdit;
class TimePoint;

class TimingSegmentTimePropertyWin : public QDialog
{
    Q_OBJECT

public:
    explicit TimingSegmentTimePropertyWin(QWidget *parent);

    // 0 after "ok", 1 after "cancel" (and at construction).
    int cancelled = 1;

    void trUpdate();

    // Before an add: every day checked, no dates of its own.
    void resetForAdd();
    // Shows the point (a null date leaves its edit as it was).
    void loadPoint(const TimePoint &point);
    // Writes what the dialog shows into the point: the time with seconds 0,
    // the dates when "Specified date" is checked (otherwise the point keeps
    // its dates), the checked days Monday first, and the label.
    void writePoint(TimePoint &point) const;

    QTimeEdit *timeEdit() const { return m_timeEdit; }
    QCheckBox *specifiedDateBox() const { return m_specifiedDateBox; }
    DateRangeRow *dateRange() const { return m_dates; }
    DayBoxes *dayBoxes() const { return m_days; }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

public slots:
    void slotOK();
    void slotCancel();
    void slotCheckedAllWeek();
    // Enables or disables both date edits and both date buttons.
    void slotSpcifiedDateChecked(bool on);

private:
    QGroupBox *m_timeGroup = nullptr;
    QTimeEdit *m_timeEdit = nullptr;
    QCheckBox *m_specifiedDateBox = nullptr;
    DateRangeRow *m_dates = nullptr;
    QGroupBox *m_dayGroup = nullptr;
    DayBoxes *m_days = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

#pragma once

// The segment panel, shared by general and cycle-inserted segments: name,
// for a cycle segment how often and how long it is inserted, effective
// dates, weekdays and time of day. Every slot writes one field of the
// current segment (the general one when there is one, else the cycle one)
// and reports it by sigSegmentChanged or sigCycleSegmentChanged; with no
// segment of its kind current a slot does nothing. Filling the panel from a
// record writes nothing back.

#include "panels/PropertyPanel.h"

#include <functional>

class CalendarPopup;
class CycleObject;
class DateRangeRow;
class DayBoxes;
class GeneralObject;
class QCheckBox;
class QDate;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTime;
class QTimeEdit;

// The fields both kinds of segment share, as references into one record.
struct SegmentFields
{
    QString &name;
    bool &specifiedDate;
    QDate &startDate;
    QDate &endDate;
    QStringList &weekdays;
    bool &allTime;
    QTime &startTime;
    QTime &endTime;
};

class SegmentPanel : public PropertyPanel
{
    Q_OBJECT

public:
    // Its two date buttons open the shared calendar pop-up.
    SegmentPanel(PanelHost &host, QWidget *workArea, CalendarPopup *calendar);

    void trUpdate() override;

    // Show the record (hiding or showing the cycle-only group); null leaves the controls.
    void fillGeneral(GeneralObject *segment);
    void fillCycle(CycleObject *segment);

    // ---- the controls, for the main window's tests ----
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QGroupBox *playGroup() const { return m_playGroup; }
    QSpinBox *intervalSpin() const { return m_intervalSpin; }
    QRadioButton *playLengthRadio() const { return m_playLengthRadio; }
    QRadioButton *playCountRadio() const { return m_playCountRadio; }
    QSpinBox *minutesSpin() const { return m_minutesSpin; }
    QSpinBox *secondsSpin() const { return m_secondsSpin; }
    QSpinBox *timesSpin() const { return m_timesSpin; }
    QCheckBox *specifiedDateBox() const { return m_specifiedDateBox; }
    DateRangeRow *dateRange() const { return m_dates; }
    QCheckBox *allWeekBox() const { return m_allWeekBox; }
    DayBoxes *dayBoxes() const { return m_days; }
    QCheckBox *allDayBox() const { return m_allDayBox; }
    QTimeEdit *fromTimeEdit() const { return m_fromTime; }
    QTimeEdit *toTimeEdit() const { return m_toTime; }

public slots:
    void slotSegmentNameChange(const QString &text);
    void slotsegmentPlayEveryChanged(int minutes);
    void slotSegmentPlayMin(bool checked);
    void slotSegmentPlayTimes(bool checked);
    void slotsegmentPlayMinChanged(int minutes);
    void slotsegmentPlaySecChanged(int seconds);
    void slotsegmentPlayTimesChanged(int times);
    void slotSpcifiedDateChecked(bool on);
    void slotSegmengFromTimeChanged(const QDate &date);
    void slotSegmengToTimeChanged(const QDate &date);
    void slotSegmentFromDateSelect();
    void slotSegmentToDateSelect();
    void slotAllDayChecked(bool checked);
    void slotMondayChecked(bool checked);
    void slotTuesdayChecked(bool checked);
    void slotWednesdayChecked(bool checked);
    void slotThursdayChecked(bool checked);
    void slotFridayChecked(bool checked);
    void slotSaturdayChecked(bool checked);
    void slotSundayChecked(bool checked);
    void slotAllTimeChecked(bool on);
    void slotSegmengTimeFromTimeChanged(const QTime &time);
    void slotSegmengTimeToTimeChanged(const QTime &time);

signals:
    void sigSegmentChanged(GeneralObject *segment);
    void sigCycleSegmentChanged(CycleObject *segment);

private:
    // Returns whether to report the change.
    using SegmentWrite = std::function<bool(SegmentFields &fields)>;
    using CycleWrite = std::function<void(CycleObject &segment)>;

    void buildTitleRow(QLayout *column);
    void buildPlayGroup(QLayout *column);
    void buildTimeGroup(QLayout *column);
    QWidget *buildDateRow(QWidget *parent);
    QWidget *buildDayGrid(QWidget *parent);
    QWidget *buildTimeRow(QWidget *parent);
    void connectControls();

    // The common rule: false (and nothing done) when no segment is current.
    bool editSegment(const SegmentWrite &write);
    bool editCycle(const CycleWrite &write);
    void fillShared(const SegmentFields &fields);
    void fillPlay(const CycleObject &segment);
    void storeDate(const QDate &date, bool isStart);
    void dayChecked(int day, bool checked);
    QList<QObject *> controls() const;

    CalendarPopup *m_calendar = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QGroupBox *m_playGroup = nullptr;
    QRadioButton *m_playLengthRadio = nullptr;
    QSpinBox *m_minutesSpin = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QSpinBox *m_secondsSpin = nullptr;
    QLabel *m_secondsLabel = nullptr;
    QLabel *m_everyLabel = nullptr;
    QSpinBox *m_intervalSpin = nullptr;
    QLabel *m_intervalLabel = nullptr;
    QRadioButton *m_playCountRadio = nullptr;
    QSpinBox *m_timesSpin = nullptr;
    QLabel *m_timesLabel = nullptr;
    QGroupBox *m_timeGroup = nullptr;
    QGroupBox *m_dateGroup = nullptr;
    QCheckBox *m_specifiedDateBox = nullptr;
    DateRangeRow *m_dates = nullptr;
    QGroupBox *m_dayGroup = nullptr;
    QCheckBox *m_allWeekBox = nullptr;
    DayBoxes *m_days = nullptr;
    QGroupBox *m_timeOfDayGroup = nullptr;
    QCheckBox *m_allDayBox = nullptr;
    QLabel *m_fromTimeLabel = nullptr;
    QTimeEdit *m_fromTime = nullptr;
    QLabel *m_toTimeLabel = nullptr;
    QTimeEdit *m_toTime = nullptr;
};

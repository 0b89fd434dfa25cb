// The segment panel: its controls, how a record fills them, and the slots
// that write one field each.

#include "panels/SegmentPanel.h"

#include "base/Clock.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/PanelHost.h"
#include "panels/controls/CalendarPopup.h"
#include "panels/controls/DateRangeRow.h"
#include "panels/controls/DayBoxes.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/NameRule.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

constexpr int kRowHeight = 26;

template <typename Segment>
SegmentFields fieldsOf(Segment &segment)
{
    return {segment.name,     segment.specifiedDate, segment.startDate, segment.endDate,
            segment.weekdays, segment.allTime,       segment.startTime, segment.endTime};
}

QSpinBox *makeSpin(QWidget *parent, int minimum, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setFixedHeight(kRowHeight);
    return spin;
}

template <typename Widget>
Widget *rowHigh(Widget *widget)
{
    widget->setFixedHeight(kRowHeight);
    return widget;
}

QTimeEdit *makeTimeEdit(QWidget *parent)
{
    auto *edit = new QTimeEdit(Clock::current().currentTime(), parent);
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return edit;
}

// A null date counts as earlier than every valid date.
bool laterThan(const QDate &a, const QDate &b)
{
    if (!a.isValid())
        return false;
    return !b.isValid() || a > b;
}

// Checks one radio button of an exclusive pair, or none.
void checkOnly(QRadioButton *first, QRadioButton *second, int which)
{
    if (which == 0 || which == 1) {
        (which == 0 ? first : second)->setChecked(true);
        return;
    }
    for (QRadioButton *radio : {first, second}) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

} // namespace

// Placed once: maximising the main window leaves this panel at its first size.
SegmentPanel::SegmentPanel(PanelHost &host, QWidget *workArea, CalendarPopup *calendar)
    : PropertyPanel(host, workArea), m_calendar(calendar)
{
    placeInPropertyArea();
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    buildTitleRow(column);
    column->addSpacing(10);
    buildPlayGroup(column);
    buildTimeGroup(column);
    column->addStretch();

    calendar->setTargetEdit(CalendarPopup::SegmentFrom, m_dates->fromEdit());
    calendar->setTargetEdit(CalendarPopup::SegmentTo, m_dates->toEdit());
    connectControls();
}

void SegmentPanel::buildTitleRow(QLayout *column)
{
    auto *title = new QWidget(this);
    title->setFixedSize(280, kRowHeight);
    m_nameLabel = new QLabel(title);
    m_nameLabel->setGeometry(0, 0, 60, kRowHeight);
    m_nameEdit = new QLineEdit(title);
    m_nameEdit->setGeometry(60, 0, 220, kRowHeight);
    m_nameEdit->setReadOnly(true);
    column->addWidget(title);
}

void SegmentPanel::buildPlayGroup(QLayout *column)
{
    m_playGroup = new QGroupBox(this);
    m_playLengthRadio = rowHigh(new QRadioButton(m_playGroup));
    m_minutesSpin = makeSpin(m_playGroup, 0, 5000);
    m_minutesLabel = rowHigh(new QLabel(m_playGroup));
    m_secondsSpin = makeSpin(m_playGroup, 1, 5000); // a length of 0 seconds cannot be chosen
    m_secondsLabel = rowHigh(new QLabel(m_playGroup));
    m_everyLabel = rowHigh(new QLabel(m_playGroup));
    m_intervalSpin = makeSpin(m_playGroup, 1, 5000);
    m_intervalLabel = rowHigh(new QLabel(m_playGroup));
    m_playCountRadio = rowHigh(new QRadioButton(m_playGroup));
    m_timesSpin = makeSpin(m_playGroup, 1, 5000);
    m_timesLabel = rowHigh(new QLabel(m_playGroup));

    auto *grid = new QGridLayout(m_playGroup);
    grid->addWidget(m_playLengthRadio, 0, 3);
    grid->addWidget(m_minutesSpin, 0, 4);
    grid->addWidget(m_minutesLabel, 0, 5);
    grid->addWidget(m_secondsSpin, 0, 6);
    grid->addWidget(m_secondsLabel, 0, 7);
    grid->addWidget(m_everyLabel, 1, 0);
    grid->addWidget(m_intervalSpin, 1, 1);
    grid->addWidget(m_intervalLabel, 1, 2);
    grid->addWidget(m_playCountRadio, 2, 3);
    grid->addWidget(m_timesSpin, 2, 4);
    grid->addWidget(m_timesLabel, 2, 5);
    column->addWidget(m_playGroup);
}

void SegmentPanel::buildTimeGroup(QLayout *column)
{
    m_timeGroup = new QGroupBox(this);
    auto *groups = new QVBoxLayout(m_timeGroup);
    groups->setContentsMargins(8, 8, 8, 8);
    groups->addWidget(buildDateRow(m_timeGroup));
    groups->addWidget(buildDayGrid(m_timeGroup));
    groups->addWidget(buildTimeRow(m_timeGroup));
    column->addWidget(m_timeGroup);
}

QWidget *SegmentPanel::buildDateRow(QWidget *parent)
{
    m_dateGroup = new QGroupBox(parent);
    m_specifiedDateBox = new QCheckBox(m_dateGroup);
    m_dates = new DateRangeRow(m_calendar->selectedDate(), DateRangeRow::ButtonLook::ImageWhenEnabled, m_dateGroup);
    m_dates->setEditsEnabled(false); // as "Specified date", unchecked
    auto *row = new QHBoxLayout(m_dateGroup);
    row->setSpacing(0);
    row->addWidget(m_specifiedDateBox);
    row->addSpacing(20);
    row->addWidget(m_dates);
    row->addStretch(5);
    return m_dateGroup;
}

QWidget *SegmentPanel::buildDayGrid(QWidget *parent)
{
    m_dayGroup = new QGroupBox(parent);
    m_allWeekBox = new QCheckBox(m_dayGroup);
    m_allWeekBox->setChecked(true);
    m_days = new DayBoxes(m_dayGroup);
    auto *grid = new QGridLayout(m_dayGroup);
    grid->addWidget(m_allWeekBox, 0, 0);
    // Monday to Thursday beside "All", Friday to Sunday under them.
    for (int day = 0; day < m_days->boxes().size(); ++day)
        grid->addWidget(m_days->box(day), day / 4, 1 + day % 4);
    return m_dayGroup;
}

QWidget *SegmentPanel::buildTimeRow(QWidget *parent)
{
    m_timeOfDayGroup = new QGroupBox(parent);
    m_allDayBox = new QCheckBox(m_timeOfDayGroup);
    m_fromTimeLabel = new QLabel(m_timeOfDayGroup);
    m_fromTime = makeTimeEdit(m_timeOfDayGroup);
    m_toTimeLabel = new QLabel(m_timeOfDayGroup);
    m_toTime = makeTimeEdit(m_timeOfDayGroup);
    auto *row = new QHBoxLayout(m_timeOfDayGroup);
    row->setContentsMargins(8, 8, 8, 8);
    row->addWidget(m_allDayBox);
    row->addSpacing(50);
    row->addWidget(m_fromTimeLabel);
    row->addSpacing(10);
    row->addWidget(m_fromTime);
    row->addSpacing(50);
    row->addWidget(m_toTimeLabel);
    row->addSpacing(10);
    row->addWidget(m_toTime);
    row->addStretch();
    return m_timeOfDayGroup;
}

void SegmentPanel::connectControls()
{
    connect(m_nameEdit, &QLineEdit::textChanged, this, &SegmentPanel::slotSegmentNameChange);
    connect(m_intervalSpin, qOverload<int>(&QSpinBox::valueChanged), this, &SegmentPanel::slotsegmentPlayEveryChanged);
    connect(m_playLengthRadio, &QRadioButton::toggled, this, &SegmentPanel::slotSegmentPlayMin);
    connect(m_playCountRadio, &QRadioButton::toggled, this, &SegmentPanel::slotSegmentPlayTimes);
    connect(m_minutesSpin, qOverload<int>(&QSpinBox::valueChanged), this, &SegmentPanel::slotsegmentPlayMinChanged);
    connect(m_secondsSpin, qOverload<int>(&QSpinBox::valueChanged), this, &SegmentPanel::slotsegmentPlaySecChanged);
    connect(m_timesSpin, qOverload<int>(&QSpinBox::valueChanged), this, &SegmentPanel::slotsegmentPlayTimesChanged);
    connect(m_specifiedDateBox, &QCheckBox::toggled, this, &SegmentPanel::slotSpcifiedDateChecked);
    connect(m_dates->fromEdit(), &QDateEdit::dateChanged, this, &SegmentPanel::slotSegmengFromTimeChanged);
    connect(m_dates->toEdit(), &QDateEdit::dateChanged, this, &SegmentPanel::slotSegmengToTimeChanged);
    connect(m_dates->fromButton(), &QPushButton::clicked, this, &SegmentPanel::slotSegmentFromDateSelect);
    connect(m_dates->toButton(), &QPushButton::clicked, this, &SegmentPanel::slotSegmentToDateSelect);
    connect(m_allWeekBox, &QCheckBox::toggled, this, &SegmentPanel::slotAllDayChecked);
    using DaySlot = void (SegmentPanel::*)(bool);
    static const DaySlot daySlots[]
        = {&SegmentPanel::slotMondayChecked,   &SegmentPanel::slotTuesdayChecked, &SegmentPanel::slotWednesdayChecked,
           &SegmentPanel::slotThursdayChecked, &SegmentPanel::slotFridayChecked,  &SegmentPanel::slotSaturdayChecked,
           &SegmentPanel::slotSundayChecked};
    for (int day = 0; day < m_days->boxes().size(); ++day)
        connect(m_days->box(day), &QCheckBox::toggled, this, daySlots[day]);
    connect(m_allDayBox, &QCheckBox::toggled, this, &SegmentPanel::slotAllTimeChecked);
    connect(m_fromTime, &QTimeEdit::timeChanged, this, &SegmentPanel::slotSegmengTimeFromTimeChanged);
    connect(m_toTime, &QTimeEdit::timeChanged, this, &SegmentPanel::slotSegmengTimeToTimeChanged);
}

void SegmentPanel::trUpdate()
{
    m_nameLabel->setText(tr("Name:"));
    m_playGroup->setTitle(tr("Play Property"));
    m_playLengthRadio->setText(tr("Play"));
    m_minutesLabel->setText(tr("minutes"));
    m_secondsLabel->setText(tr("Sec"));
    m_everyLabel->setText(tr("Every"));
    m_intervalLabel->setText(tr("minutes"));
    m_playCountRadio->setText(tr("Play"));
    m_timesLabel->setText(tr("times"));
    m_timeGroup->setTitle(tr("Time Property"));
    m_dateGroup->setTitle(tr("Effective Date"));
    m_specifiedDateBox->setText(tr("Specified date"));
    m_dates->retranslate();
    m_dayGroup->setTitle(tr("Effective Day of the Work"));
    m_allWeekBox->setText(tr("All"));
    m_days->retranslate();
    m_timeOfDayGroup->setTitle(tr("Effective Time of the Day"));
    m_allDayBox->setText(tr("All Day"));
    m_fromTimeLabel->setText(tr("From"));
    m_toTimeLabel->setText(tr("To"));
}

// ---- filling --------------------------------------------------------------

QList<QObject *> SegmentPanel::controls() const
{
    QList<QObject *> all{m_nameEdit,          m_intervalSpin,    m_playLengthRadio, m_playCountRadio,
                         m_minutesSpin,       m_secondsSpin,     m_timesSpin,       m_specifiedDateBox,
                         m_dates->fromEdit(), m_dates->toEdit(), m_allWeekBox,      m_allDayBox,
                         m_fromTime,          m_toTime};
    for (QCheckBox *box : m_days->boxes())
        all << box;
    return all;
}

void SegmentPanel::fillGeneral(GeneralObject *segment)
{
    m_playGroup->hide();
    if (!segment)
        return;
    const FillGuard guard(controls());
    fillShared(fieldsOf(*segment));
}

void SegmentPanel::fillCycle(CycleObject *segment)
{
    m_playGroup->show();
    if (!segment)
        return;
    const FillGuard guard(controls());
    fillPlay(*segment);
    fillShared(fieldsOf(*segment));
}

void SegmentPanel::fillPlay(const CycleObject &segment)
{
    m_intervalSpin->setValue(segment.intervalMinutes);
    checkOnly(m_playLengthRadio, m_playCountRadio, segment.playMode);
    // The boxes of the chosen way of playing are the ones to edit.
    if (segment.playMode == 0 || segment.playMode == 1) {
        m_minutesSpin->setEnabled(segment.playMode == 0);
        m_secondsSpin->setEnabled(segment.playMode == 0);
        m_timesSpin->setEnabled(segment.playMode == 1);
    }
    m_minutesSpin->setValue(segment.playMinutes);
    m_secondsSpin->setValue(segment.playSeconds); // 0 shows as 1 and stays 0 in the record
    m_timesSpin->setValue(segment.playTimes);
}

void SegmentPanel::fillShared(const SegmentFields &fields)
{
    m_nameEdit->setText(fields.name);
    m_specifiedDateBox->setChecked(fields.specifiedDate);
    m_dates->setEditsEnabled(fields.specifiedDate);
    m_dates->fromEdit()->setDate(fields.startDate); // a null date leaves the edit as it was
    m_dates->toEdit()->setDate(fields.endDate);
    const bool allWeek = fields.weekdays.size() == Weekday::allDays().size();
    m_allWeekBox->setChecked(allWeek);
    if (allWeek)
        m_days->checkAll();
    else
        m_days->showDays(fields.weekdays);
    m_allDayBox->setChecked(fields.allTime);
    m_fromTime->setEnabled(!fields.allTime);
    m_toTime->setEnabled(!fields.allTime);
    m_fromTime->setTime(fields.startTime);
    m_toTime->setTime(fields.endTime);
}

// ---- the slots -------------------------------------------------------------

bool SegmentPanel::editSegment(const SegmentWrite &write)
{
    if (GeneralObject *general = host().curGeneralSegment()) {
        SegmentFields fields = fieldsOf(*general);
        if (write(fields))
            emit sigSegmentChanged(general);
        return true;
    }
    if (CycleObject *cycle = host().curCycleSegment()) {
        SegmentFields fields = fieldsOf(*cycle);
        if (write(fields))
            emit sigCycleSegmentChanged(cycle);
        return true;
    }
    return false;
}

bool SegmentPanel::editCycle(const CycleWrite &write)
{
    CycleObject *cycle = host().curCycleSegment();
    if (!cycle)
        return false;
    write(*cycle);
    emit sigCycleSegmentChanged(cycle);
    return true;
}

void SegmentPanel::slotSegmentNameChange(const QString &text)
{
    editSegment([&](SegmentFields &fields) {
        NameRule::applyEdit(m_nameEdit, text, fields.name);
        return true;
    });
}

void SegmentPanel::slotsegmentPlayEveryChanged(int minutes)
{
    editCycle([minutes](CycleObject &segment) { segment.intervalMinutes = minutes; });
}

void SegmentPanel::slotSegmentPlayMin(bool checked)
{
    if (!checked || !host().curCycleSegment())
        return;
    m_minutesSpin->setEnabled(true);
    m_secondsSpin->setEnabled(true);
    m_timesSpin->setEnabled(false);
    editCycle([](CycleObject &segment) { segment.playMode = 0; });
}

void SegmentPanel::slotSegmentPlayTimes(bool checked)
{
    if (!checked || !host().curCycleSegment())
        return;
    m_timesSpin->setEnabled(true);
    m_minutesSpin->setEnabled(false);
    m_secondsSpin->setEnabled(false);
    editCycle([](CycleObject &segment) { segment.playMode = 1; });
}

void SegmentPanel::slotsegmentPlayMinChanged(int minutes)
{
    editCycle([minutes](CycleObject &segment) { segment.playMinutes = minutes; });
}

void SegmentPanel::slotsegmentPlaySecChanged(int seconds)
{
    editCycle([seconds](CycleObject &segment) { segment.playSeconds = seconds; });
}

void SegmentPanel::slotsegmentPlayTimesChanged(int times)
{
    editCycle([times](CycleObject &segment) { segment.playTimes = times; });
}

void SegmentPanel::slotSpcifiedDateChecked(bool on)
{
    editSegment([&](SegmentFields &fields) {
        m_dates->setEditsEnabled(on); // the calendar buttons stay enabled
        fields.specifiedDate = on;
        if (!on)
            return false;
        // Dates never set take what the edits show.
        if (!fields.startDate.isValid()) {
            fields.startDate = m_dates->fromEdit()->date();
            fields.endDate = m_dates->toEdit()->date();
        }
        return true;
    });
}

void SegmentPanel::slotSegmengFromTimeChanged(const QDate &date)
{
    storeDate(date, true);
}

void SegmentPanel::slotSegmengToTimeChanged(const QDate &date)
{
    storeDate(date, false);
}

void SegmentPanel::storeDate(const QDate &date, bool isStart)
{
    editSegment([&](SegmentFields &fields) {
        (isStart ? fields.startDate : fields.endDate) = date;
        if (laterThan(fields.startDate, fields.endDate)) {
            // The dates crossed: the range becomes this one day, in the record and in the other edit.
            fields.startDate = date;
            fields.endDate = date;
            QDateEdit *other = isStart ? m_dates->toEdit() : m_dates->fromEdit();
            const FillGuard guard{other};
            other->setDate(date);
        }
        return true;
    });
}

void SegmentPanel::slotSegmentFromDateSelect()
{
    m_calendar->openFor(CalendarPopup::SegmentFrom, m_dates->fromButton());
}

void SegmentPanel::slotSegmentToDateSelect()
{
    m_calendar->openFor(CalendarPopup::SegmentTo, m_dates->toButton());
}

void SegmentPanel::slotAllDayChecked(bool checked)
{
    if (!checked || (!host().curGeneralSegment() && !host().curCycleSegment()))
        return;
    // Each day box's own slot adds its day.
    m_days->checkAll();
}

void SegmentPanel::dayChecked(int day, bool checked)
{
    const QString name = Weekday::allDays().value(day);
    const bool acted = editSegment([&](SegmentFields &fields) {
        if (!checked)
            fields.weekdays.removeAll(name);
        else if (!fields.weekdays.contains(name))
            fields.weekdays << name;
        return true;
    });
    if (acted && !checked)
        m_allWeekBox->setChecked(false);
}

void SegmentPanel::slotMondayChecked(bool checked)
{
    dayChecked(0, checked);
}

void SegmentPanel::slotTuesdayChecked(bool checked)
{
    dayChecked(1, checked);
}

void SegmentPanel::slotWednesdayChecked(bool checked)
{
    dayChecked(2, checked);
}

void SegmentPanel::slotThursdayChecked(bool checked)
{
    dayChecked(3, checked);
}

void SegmentPanel::slotFridayChecked(bool checked)
{
    dayChecked(4, checked);
}

void SegmentPanel::slotSaturdayChecked(bool checked)
{
    dayChecked(5, checked);
}

void SegmentPanel::slotSundayChecked(bool checked)
{
    dayChecked(6, checked);
}

void SegmentPanel::slotAllTimeChecked(bool on)
{
    editSegment([&](SegmentFields &fields) {
        m_fromTime->setEnabled(!on);
        m_toTime->setEnabled(!on);
        fields.allTime = on;
        // Times never set take what the edits show.
        if (!on && fields.startTime.isNull()) {
            fields.startTime = m_fromTime->time();
            fields.endTime = m_toTime->time();
        }
        return true;
    });
}

void SegmentPanel::slotSegmengTimeFromTimeChanged(const QTime &time)
{
    editSegment([&](SegmentFields &fields) {
        fields.startTime = time;
        return true;
    });
}

void SegmentPanel::slotSegmengTimeToTimeChanged(const QTime &time)
{
    editSegment([&](SegmentFields &fields) {
        fields.endTime = time;
        return true;
    });
}

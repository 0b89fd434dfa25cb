// The time-point dialog of the timing-segment panel.

#include "panels/TimingSegmentTimePropertyWin.h"

#include "base/Clock.h"
#include "model/ScheduleRecords.h"
#include "panels/TimePointLabel.h"
#include "panels/controls/DateRangeRow.h"
#include "panels/controls/DayBoxes.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

TimingSegmentTimePropertyWin::TimingSegmentTimePropertyWin(QWidget *parent) : QDialog(parent)
{
    setFixedSize(540, 330);

    m_timeGroup = new QGroupBox(this);
    m_timeEdit = new QTimeEdit(Clock::current().currentTime(), m_timeGroup);
    m_timeEdit->setDisplayFormat(QStringLiteral("HH:mm"));
    m_timeEdit->setFixedSize(150, 26);
    m_specifiedDateBox = new QCheckBox(m_timeGroup);
    m_dates = new DateRangeRow(Clock::current().currentDate(), DateRangeRow::ButtonLook::ImageAlways, m_timeGroup);
    auto *timeColumn = new QVBoxLayout(m_timeGroup);
    timeColumn->addWidget(m_timeEdit);
    timeColumn->addWidget(m_specifiedDateBox);
    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(0);
    dateRow->addWidget(m_dates);
    dateRow->addStretch(5);
    timeColumn->addLayout(dateRow);

    m_dayGroup = new QGroupBox(this);
    m_days = new DayBoxes(m_dayGroup);
    auto *dayGrid = new QGridLayout(m_dayGroup);
    for (int day = 0; day < m_days->boxes().size(); ++day)
        dayGrid->addWidget(m_days->box(day), day / 3, day % 3);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(m_timeGroup);
    column->addWidget(m_dayGroup);
    column->addStretch();

    m_okButton = new QPushButton(this);
    m_okButton->setGeometry(80, 280, 80, 30);
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setGeometry(380, 280, 80, 30);

    connect(m_okButton, &QPushButton::clicked, this, &TimingSegmentTimePropertyWin::slotOK);
    connect(m_cancelButton, &QPushButton::clicked, this, &TimingSegmentTimePropertyWin::slotCancel);
    connect(m_specifiedDateBox, &QCheckBox::toggled, this, &TimingSegmentTimePropertyWin::slotSpcifiedDateChecked);
    hide();
    trUpdate();
}

void TimingSegmentTimePropertyWin::trUpdate()
{
    setWindowTitle(tr("Time Point Information"));
    m_timeGroup->setTitle(tr("Time"));
    m_specifiedDateBox->setText(tr("Specified date"));
    m_dates->retranslate();
    m_dayGroup->setTitle(tr("Day"));
    m_days->retranslate();
    m_okButton->setText(tr("ok"));
    m_cancelButton->setText(tr("cancel"));
}

void TimingSegmentTimePropertyWin::slotOK()
{
    cancelled = 0;
    accept();
}

void TimingSegmentTimePropertyWin::slotCancel()
{
    cancelled = 1;
    reject();
}

void TimingSegmentTimePropertyWin::slotCheckedAllWeek()
{
    m_days->checkAll();
}

void TimingSegmentTimePropertyWin::slotSpcifiedDateChecked(bool on)
{
    m_dates->setEditsEnabled(on);
    m_dates->setButtonsEnabled(on);
}

void TimingSegmentTimePropertyWin::resetForAdd()
{
    slotCheckedAllWeek();
    m_specifiedDateBox->setChecked(false);
    slotSpcifiedDateChecked(false);
}

void TimingSegmentTimePropertyWin::loadPoint(const TimePoint &point)
{
    m_specifiedDateBox->setChecked(point.specifiedDate);
    slotSpcifiedDateChecked(point.specifiedDate);
    m_dates->fromEdit()->setDate(point.startDate);
    m_dates->toEdit()->setDate(point.endDate);
    m_timeEdit->setTime(point.time);
    m_days->showDays(point.weekdays);
}

void TimingSegmentTimePropertyWin::writePoint(TimePoint &point) const
{
    const QTime shown = m_timeEdit->time();
    point.time = QTime(shown.hour(), shown.minute());
    point.specifiedDate = m_specifiedDateBox->isChecked();
    if (point.specifiedDate) {
        point.startDate = m_dates->fromEdit()->date();
        point.endDate = m_dates->toEdit()->date();
    }
    point.weekdays = m_days->checkedDays();
    point.label = TimePointLabel::of(point);
}

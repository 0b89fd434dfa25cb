// The schedule panel: the date range, the play plan and the priority note.

#include "panels/SchedulePanel.h"

#include "panels/PanelHost.h"
#include "panels/PlayPlan.h"
#include "panels/controls/CalendarPopup.h"
#include "panels/controls/DateRangeRow.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
void addLines(QTreeWidgetItem *dayItem, const QStringList &lines)
{
    if (!dayItem)
        return;
    for (const QString &line : lines)
        dayItem->addChild(new QTreeWidgetItem(QStringList(line)));
}
} // namespace

SchedulePanel::SchedulePanel(PanelHost &host, QWidget *workArea, CalendarPopup *calendar)
    : PropertyPanel(host, workArea), m_calendar(calendar)
{
    placeInPropertyArea();

    m_rangeGroup = new QGroupBox(this);
    m_dates = new DateRangeRow(calendar->selectedDate(), DateRangeRow::ButtonLook::ImageWhenEnabled, m_rangeGroup);
    m_refreshButton = new QPushButton(m_rangeGroup);
    m_refreshButton->setFixedSize(80, 28);
    auto *row = new QHBoxLayout(m_rangeGroup);
    row->setSpacing(0);
    row->addWidget(m_dates);
    row->addStretch(5);
    row->addWidget(m_refreshButton);
    row->addSpacing(10);

    m_planTree = new QTreeWidget(this);
    m_planTree->setHeaderHidden(true);

    m_priorityNote = new QLabel(this);
    m_priorityNote->setFixedHeight(44);
    m_priorityNote->setWordWrap(true);
    m_priorityNote->setStyleSheet(QStringLiteral("font:16px"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(m_rangeGroup);
    column->addWidget(m_planTree);
    column->addWidget(m_priorityNote);

    calendar->setTargetEdit(CalendarPopup::ScheduleFrom, m_dates->fromEdit());
    calendar->setTargetEdit(CalendarPopup::ScheduleTo, m_dates->toEdit());
    connect(m_dates->fromButton(), &QPushButton::clicked, this, &SchedulePanel::slotFromDateSelect);
    connect(m_dates->toButton(), &QPushButton::clicked, this, &SchedulePanel::slotToDateSelect);
    connect(m_refreshButton, &QPushButton::clicked, this, &SchedulePanel::slotRefresh);
}

void SchedulePanel::trUpdate()
{
    m_rangeGroup->setTitle(tr("Data Range of Schedule"));
    m_dates->retranslate();
    m_refreshButton->setText(tr("Refresh"));
    const QString black = QStringLiteral("<font color=\"#000000\">");
    const QString end = QStringLiteral("</font>");
    m_priorityNote->setText(QStringLiteral("<b>") + black + tr("About Priority&nbsp;:&nbsp;&nbsp;") + end
                            + QStringLiteral("</b>") + black
                            + tr("The latter segment has higher priority in the same type.&nbsp;&nbsp;") + end + black
                            + tr("The timing inserted has higher priority than the cycle inserted one.") + end);
}

void SchedulePanel::relayout()
{
    placeInPropertyArea();
}

void SchedulePanel::slotFromDateSelect()
{
    m_calendar->openFor(CalendarPopup::ScheduleFrom, m_dates->fromButton());
}

void SchedulePanel::slotToDateSelect()
{
    m_calendar->openFor(CalendarPopup::ScheduleTo, m_dates->toButton());
}

void SchedulePanel::slotRefresh()
{
    emit sigShowSegmentInfo();
    m_planTree->clear();
    const QDate from = m_dates->fromEdit()->date();
    const int days = PlayPlan::dayCount(from, m_dates->toEdit()->date());
    if (days < 1)
        return;
    // A range longer than the plan lists ends where the list ends.
    if (from.daysTo(m_dates->toEdit()->date()) + 1 > days)
        m_dates->toEdit()->setDate(from.addDays(days - 1));

    // Built apart from the tree and handed over at once: the tree lays out once.
    QList<QTreeWidgetItem *> dayItems;
    dayItems.reserve(days);
    for (int i = 0; i < days; ++i) {
        const QDate day = from.addDays(i);
        auto *dayItem = new QTreeWidgetItem(QStringList(day.toString(QStringLiteral("yyyy-MM-dd"))));
        showGeneralInfo(day, dayItem);
        showCycleInfo(day, dayItem);
        showTimingInfo(day, dayItem);
        dayItems << dayItem;
    }
    m_planTree->addTopLevelItems(dayItems);
    m_planTree->expandAll();
}

void SchedulePanel::showGeneralInfo(const QDate &day, QTreeWidgetItem *dayItem)
{
    addLines(dayItem, PlayPlan::generalLines(day, host().curGeneralSegment()));
}

void SchedulePanel::showCycleInfo(const QDate &day, QTreeWidgetItem *dayItem)
{
    addLines(dayItem, PlayPlan::cycleLines(day, host().curCycleSegment()));
}

void SchedulePanel::showTimingInfo(const QDate &, QTreeWidgetItem *dayItem)
{
    addLines(dayItem, PlayPlan::timingLines(host().curTimingSegment()));
}

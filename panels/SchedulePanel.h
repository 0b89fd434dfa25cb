#pragma once

// The schedule panel, shown for the tree's root: a date range, "Refresh",
// the play plan of the current display window day by day, and a note on
// which segment has priority. Refresh first asks the trees (sigShowSegmentInfo)
// to make the last segment of each list current, then lists the plan.

#include "panels/PropertyPanel.h"

class CalendarPopup;
class DateRangeRow;
class QDate;
class QGroupBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class SchedulePanel : public PropertyPanel
{
    Q_OBJECT

public:
    // Its two date buttons open the shared calendar pop-up.
    SchedulePanel(PanelHost &host, QWidget *workArea, CalendarPopup *calendar);

    void trUpdate() override;
    // Placed again when the main window is maximised or restored.
    void relayout();

    DateRangeRow *dateRange() const { return m_dates; }
    QTreeWidget *planTree() const { return m_planTree; }
    QPushButton *refreshButton() const { return m_refreshButton; }

    // Each adds the lines of its segment for the day under the day's item.
    void showGeneralInfo(const QDate &day, QTreeWidgetItem *dayItem);
    void showCycleInfo(const QDate &day, QTreeWidgetItem *dayItem);
    void showTimingInfo(const QDate &day, QTreeWidgetItem *dayItem);

public slots:
    void slotFromDateSelect();
    void slotToDateSelect();
    // Lists the plan from the from-date to the to-date, at most a year and a
    // day; a longer range moves the to-date to the last day listed.
    void slotRefresh();

signals:
    void sigShowSegmentInfo();

private:
    QGroupBox *m_rangeGroup = nullptr;
    DateRangeRow *m_dates = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QTreeWidget *m_planTree = nullptr;
    QLabel *m_priorityNote = nullptr;
    CalendarPopup *m_calendar = nullptr;
};

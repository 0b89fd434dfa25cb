#pragma once

// The timing-segment panel: name, the list of time points (added and edited
// in the time-point dialog, deleted after a question) and how long each
// insertion plays, a length or a number of passes. Every change writes the
// current timing segment and reports it by sigTimingSegmentChanged; with no
// timing segment current nothing happens. Table row i shows time point i.

#include "panels/PropertyPanel.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class TimePoint;
class TimingObject;
class TimingSegmentTimePropertyWin;

class TimingSegmentPanel : public PropertyPanel
{
    Q_OBJECT

public:
    TimingSegmentPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;

    // The dialog points are entered in (not owned; the main window makes it
    // after the panels). Without it add and edit do nothing.
    void setTimePointDialog(TimingSegmentTimePropertyWin *dialog);
    // Shows the segment; a point without a label (read from a file) gets
    // one. Null leaves the controls.
    void fill(TimingObject *segment);

    QLineEdit *nameEdit() const { return m_nameEdit; }
    QTableWidget *timePointTable() const { return m_table; }
    QPushButton *addButton() const { return m_addButton; }
    QPushButton *editButton() const { return m_editButton; }
    QPushButton *deleteButton() const { return m_deleteButton; }
    QRadioButton *playLengthRadio() const { return m_playLengthRadio; }
    QRadioButton *playCountRadio() const { return m_playCountRadio; }
    QSpinBox *minutesSpin() const { return m_minutesSpin; }
    QSpinBox *secondsSpin() const { return m_secondsSpin; }
    QSpinBox *timesSpin() const { return m_timesSpin; }

public slots:
    void slottimingSegmentPlay1(bool checked);
    void slottimingSegmentPlay2(bool checked);
    void slotTimingSegmentMinChanged(int minutes);
    void slotTimingSegmentSecChanged(int seconds);
    // While passes are chosen, the number of passes is stored as it changes.
    void slotTimingSegmentTimesChanged(int times);
    void slotTimingSegmentAdd();
    void slotTimingSegmentEdit();
    void slotTimingSegmentDel();

signals:
    void sigTimingSegmentChanged(TimingObject *segment);

private:
    void buildTitleRow();
    void buildListHeader();
    void buildPlayGroup();
    void connectControls();
    void setLengthChosen(bool length);
    // The time point of the table's current row, or null (the operator is told why).
    TimePoint *currentPoint(const char *noSelectionText, int *row);
    void appendRow(const QString &label);

    TimingSegmentTimePropertyWin *m_dialog = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLabel *m_listLabel = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QTableWidget *m_table = nullptr;
    QGroupBox *m_playGroup = nullptr;
    QLabel *m_whenLabel = nullptr;
    QRadioButton *m_playLengthRadio = nullptr;
    QSpinBox *m_minutesSpin = nullptr;
    QLabel *m_minutesLabel = nullptr;
    QSpinBox *m_secondsSpin = nullptr;
    QLabel *m_secondsLabel = nullptr;
    QRadioButton *m_playCountRadio = nullptr;
    QSpinBox *m_timesSpin = nullptr;
    QLabel *m_timesLabel = nullptr;
};

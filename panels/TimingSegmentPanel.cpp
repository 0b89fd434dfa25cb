// The timing-segment panel: its controls, how a segment fills them, the
// play-property slots and the time points' add, edit and delete.

#include "panels/TimingSegmentPanel.h"

#include "base/Prompts.h"
#include "model/ScheduleRecords.h"
#include "panels/PanelHost.h"
#include "panels/TimePointLabel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/controls/FillGuard.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {
constexpr int kRowHeight = 26;

QPushButton *makeIconButton(QWidget *parent, int x, const char *image, int iconSide)
{
    auto *button = new QPushButton(parent);
    button->setGeometry(x, 0, 30, 30);
    button->setIcon(QIcon(QStringLiteral(":/images/%1.png").arg(QLatin1String(image))));
    button->setIconSize(QSize(iconSide, iconSide));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QSpinBox *makeSpin(QWidget *parent, int minimum, int maximum)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(minimum, maximum);
    spin->setFixedHeight(kRowHeight);
    return spin;
}

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedHeight(kRowHeight);
    return label;
}
} // namespace

// Placed once: maximising the main window leaves this panel at its first size.
TimingSegmentPanel::TimingSegmentPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
    buildTitleRow();
    buildListHeader();
    m_table = new QTableWidget(0, 1, this);
    m_table->setGeometry(10, 70, 680, 270);
    m_table->setColumnWidth(0, 680);
    m_table->horizontalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    buildPlayGroup();
    connectControls();
}

void TimingSegmentPanel::buildTitleRow()
{
    auto *title = new QWidget(this);
    title->setGeometry(10, 10, 320, kRowHeight);
    m_nameLabel = new QLabel(title);
    m_nameLabel->setGeometry(0, 0, 60, kRowHeight);
    m_nameEdit = new QLineEdit(title);
    m_nameEdit->setGeometry(60, 0, 260, kRowHeight);
    m_nameEdit->setReadOnly(true); // shows the name; edits nothing
}

void TimingSegmentPanel::buildListHeader()
{
    auto *header = new QWidget(this);
    header->setGeometry(10, 40, 680, 30);
    m_listLabel = new QLabel(header);
    m_listLabel->setGeometry(0, 0, 150, kRowHeight);
    m_addButton = makeIconButton(header, 580, "add_time", 26);
    m_editButton = makeIconButton(header, 615, "edit_time", 18);
    m_deleteButton = makeIconButton(header, 650, "del_time", 22);
}

void TimingSegmentPanel::buildPlayGroup()
{
    m_playGroup = new QGroupBox(this);
    m_playGroup->setGeometry(10, 350, 680, 120);
    m_whenLabel = new QLabel(m_playGroup);
    m_whenLabel->setFixedSize(150, 40);
    m_playLengthRadio = new QRadioButton(m_playGroup);
    m_playLengthRadio->setFixedHeight(kRowHeight);
    m_minutesSpin = makeSpin(m_playGroup, 1, 1000);
    m_minutesLabel = makeLabel(m_playGroup);
    m_secondsSpin = makeSpin(m_playGroup, 0, 1000);
    m_secondsLabel = makeLabel(m_playGroup);
    m_playCountRadio = new QRadioButton(m_playGroup);
    m_playCountRadio->setFixedHeight(kRowHeight);
    m_timesSpin = makeSpin(m_playGroup, 0, 1000);
    m_timesLabel = makeLabel(m_playGroup);

    auto *grid = new QGridLayout(m_playGroup);
    grid->addWidget(m_whenLabel, 1, 0, 2, 1);
    grid->addWidget(m_playLengthRadio, 0, 2);
    grid->addWidget(m_minutesSpin, 0, 3);
    grid->addWidget(m_minutesLabel, 0, 4);
    grid->addWidget(m_secondsSpin, 0, 5);
    grid->addWidget(m_secondsLabel, 0, 6);
    grid->addWidget(m_playCountRadio, 2, 2);
    grid->addWidget(m_timesSpin, 2, 3);
    grid->addWidget(m_timesLabel, 2, 4);

    m_playCountRadio->setChecked(true);
    setLengthChosen(false);
}

void TimingSegmentPanel::connectControls()
{
    connect(m_addButton, &QPushButton::clicked, this, &TimingSegmentPanel::slotTimingSegmentAdd);
    connect(m_editButton, &QPushButton::clicked, this, &TimingSegmentPanel::slotTimingSegmentEdit);
    connect(m_deleteButton, &QPushButton::clicked, this, &TimingSegmentPanel::slotTimingSegmentDel);
    connect(m_playLengthRadio, &QRadioButton::toggled, this, &TimingSegmentPanel::slottimingSegmentPlay1);
    connect(m_playCountRadio, &QRadioButton::toggled, this, &TimingSegmentPanel::slottimingSegmentPlay2);
    connect(m_minutesSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            &TimingSegmentPanel::slotTimingSegmentMinChanged);
    connect(m_secondsSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            &TimingSegmentPanel::slotTimingSegmentSecChanged);
    connect(m_timesSpin, qOverload<int>(&QSpinBox::valueChanged), this,
            &TimingSegmentPanel::slotTimingSegmentTimesChanged);
}

void TimingSegmentPanel::trUpdate()
{
    m_nameLabel->setText(tr("Name:"));
    m_listLabel->setText(tr("Time Point List"));
    m_playGroup->setTitle(tr("Play Property"));
    m_whenLabel->setText(tr("When reached the\n time point,"));
    m_playLengthRadio->setText(tr("Play"));
    m_minutesLabel->setText(tr("minutes"));
    m_secondsLabel->setText(tr("Sec"));
    m_playCountRadio->setText(tr("Play"));
    m_timesLabel->setText(tr("times"));
    // Only a display: no record changes, and the next segment shown puts its name back.
    m_nameEdit->setText(tr("Timing Inserted Segment"));
}

void TimingSegmentPanel::setTimePointDialog(TimingSegmentTimePropertyWin *dialog)
{
    m_dialog = dialog;
}

void TimingSegmentPanel::setLengthChosen(bool length)
{
    m_minutesSpin->setEnabled(length);
    m_secondsSpin->setEnabled(length);
    m_timesSpin->setEnabled(!length);
}

// ---- filling --------------------------------------------------------------

void TimingSegmentPanel::fill(TimingObject *segment)
{
    if (!segment)
        return;
    const FillGuard guard{m_nameEdit, m_playLengthRadio, m_playCountRadio, m_minutesSpin, m_secondsSpin, m_timesSpin};
    m_nameEdit->setText(segment->name);
    m_table->setRowCount(0);
    for (TimePoint *point : qAsConst(segment->timePoints)) {
        if (!point)
            continue;
        if (point->label.isEmpty())
            point->label = TimePointLabel::of(*point);
        appendRow(point->label);
    }
    if (segment->playMode == 0 || segment->playMode == 1) {
        (segment->playMode == 0 ? m_playLengthRadio : m_playCountRadio)->setChecked(true);
        setLengthChosen(segment->playMode == 0);
    }
    m_minutesSpin->setValue(segment->playMinutes);
    m_secondsSpin->setValue(segment->playSeconds);
    m_timesSpin->setValue(segment->playTimes);
}

void TimingSegmentPanel::appendRow(const QString &label)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    m_table->setItem(row, 0, new QTableWidgetItem(label));
}

// ---- play property ---------------------------------------------------------

void TimingSegmentPanel::slottimingSegmentPlay1(bool checked)
{
    TimingObject *segment = host().curTimingSegment();
    if (!segment)
        return;
    setLengthChosen(checked);
    if (!checked)
        return;
    segment->playMode = 0;
    segment->playMinutes = m_minutesSpin->value();
    segment->playSeconds = m_secondsSpin->value();
    emit sigTimingSegmentChanged(segment);
}

void TimingSegmentPanel::slottimingSegmentPlay2(bool checked)
{
    TimingObject *segment = host().curTimingSegment();
    if (!segment)
        return;
    setLengthChosen(!checked);
    if (!checked)
        return;
    segment->playMode = 1;
    segment->playTimes = m_timesSpin->value();
    emit sigTimingSegmentChanged(segment);
}

void TimingSegmentPanel::slotTimingSegmentMinChanged(int minutes)
{
    if (TimingObject *segment = host().curTimingSegment()) {
        segment->playMinutes = minutes;
        segment->playSeconds = m_secondsSpin->value();
        emit sigTimingSegmentChanged(segment);
    }
}

void TimingSegmentPanel::slotTimingSegmentSecChanged(int seconds)
{
    if (TimingObject *segment = host().curTimingSegment()) {
        segment->playMinutes = m_minutesSpin->value();
        segment->playSeconds = seconds;
        emit sigTimingSegmentChanged(segment);
    }
}

void TimingSegmentPanel::slotTimingSegmentTimesChanged(int times)
{
    TimingObject *segment = host().curTimingSegment();
    if (!segment || !m_playCountRadio->isChecked())
        return;
    segment->playTimes = times;
    emit sigTimingSegmentChanged(segment);
}

// ---- time points -------------------------------------------------------------

TimePoint *TimingSegmentPanel::currentPoint(const char *noSelectionText, int *row)
{
    TimingObject *segment = host().curTimingSegment();
    *row = m_table->currentRow();
    TimePoint *point = segment && *row >= 0 ? segment->timePoints.value(*row) : nullptr;
    if (segment && !point)
        Prompts::current().information(host().dialogParent(), tr("info"), tr(noSelectionText));
    return point;
}

void TimingSegmentPanel::slotTimingSegmentAdd()
{
    TimingObject *segment = host().curTimingSegment();
    if (!segment || !m_dialog)
        return;
    m_dialog->resetForAdd();
    if (Prompts::current().execDialog(m_dialog) != QDialog::Accepted)
        return;
    auto *point = new TimePoint;
    m_dialog->writePoint(*point);
    segment->timePoints << point;
    emit sigTimingSegmentChanged(segment);
    appendRow(point->label);
}

void TimingSegmentPanel::slotTimingSegmentEdit()
{
    int row = -1;
    TimePoint *point = currentPoint(QT_TR_NOOP("please select the time point to edit!"), &row);
    if (!point || !m_dialog)
        return;
    m_dialog->loadPoint(*point);
    if (Prompts::current().execDialog(m_dialog) != QDialog::Accepted)
        return;
    m_dialog->writePoint(*point);
    emit sigTimingSegmentChanged(host().curTimingSegment());
    if (QTableWidgetItem *item = m_table->item(row, 0))
        item->setText(point->label);
}

void TimingSegmentPanel::slotTimingSegmentDel()
{
    int row = -1;
    TimePoint *point = currentPoint(QT_TR_NOOP("please select the time point to delete!"), &row);
    if (!point)
        return;
    if (Prompts::current().question(host().dialogParent(), tr("info"),
                                    tr("Are you sure to delete the selected time point?"),
                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    TimingObject *segment = host().curTimingSegment();
    segment->timePoints.removeAt(row);
    delete point;
    emit sigTimingSegmentChanged(segment);
    m_table->removeRow(row);
}

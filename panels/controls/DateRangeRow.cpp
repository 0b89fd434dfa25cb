// The from/to date row shared by the schedule panel, the segment panel and
// the time-point dialog.

#include "panels/controls/DateRangeRow.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
QDateEdit *makeDateEdit(const QDate &start, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setDate(start);
    return edit;
}

QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setFixedHeight(26);
    return label;
}
} // namespace

DateRangeRow::DateRangeRow(const QDate &start, ButtonLook look, QWidget *parent) : QWidget(parent)
{
    m_fromLabel = makeLabel(this);
    m_fromEdit = makeDateEdit(start, this);
    m_fromButton = makeButton(look);
    m_toLabel = makeLabel(this);
    m_toEdit = makeDateEdit(start, this);
    m_toButton = makeButton(look);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_fromLabel);
    row->addSpacing(10);
    row->addWidget(m_fromEdit);
    row->addWidget(m_fromButton);
    row->addSpacing(50);
    row->addWidget(m_toLabel);
    row->addSpacing(10);
    row->addWidget(m_toEdit);
    row->addWidget(m_toButton);
    retranslate();
}

QPushButton *DateRangeRow::makeButton(ButtonLook look)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(23, 19);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(look == ButtonLook::ImageWhenEnabled
                              ? QStringLiteral("QPushButton:enabled { border-image: url(:/images/date.png);}")
                              : QStringLiteral("QPushButton { border-image: url(:/images/date.png);}"));
    return button;
}

void DateRangeRow::setEditsEnabled(bool enabled)
{
    m_fromEdit->setEnabled(enabled);
    m_toEdit->setEnabled(enabled);
}

void DateRangeRow::setButtonsEnabled(bool enabled)
{
    m_fromButton->setEnabled(enabled);
    m_toButton->setEnabled(enabled);
}

void DateRangeRow::retranslate()
{
    m_fromLabel->setText(tr("From"));
    m_toLabel->setText(tr("To"));
}

// The weekday boxes shared by the segment panel and the time-point dialog.

#include "panels/controls/DayBoxes.h"

#include "model/KindNames.h"

#include <QCheckBox>

namespace {
// Source texts of the boxes, in the order of Weekday::allDays().
const char *const kDayTexts[] = {QT_TRANSLATE_NOOP("DayBoxes", "Monday"),    QT_TRANSLATE_NOOP("DayBoxes", "Tuesday"),
                                 QT_TRANSLATE_NOOP("DayBoxes", "Wednesday"), QT_TRANSLATE_NOOP("DayBoxes", "Thursday"),
                                 QT_TRANSLATE_NOOP("DayBoxes", "Friday"),    QT_TRANSLATE_NOOP("DayBoxes", "Saturday"),
                                 QT_TRANSLATE_NOOP("DayBoxes", "Sunday")};
} // namespace

DayBoxes::DayBoxes(QWidget *parent) : QObject(parent)
{
    for (int day = 0; day < Weekday::allDays().size(); ++day)
        m_boxes << new QCheckBox(parent);
    retranslate();
}

void DayBoxes::showDays(const QStringList &weekdays)
{
    const QStringList &days = Weekday::allDays();
    for (int day = 0; day < m_boxes.size(); ++day)
        m_boxes.at(day)->setChecked(weekdays.contains(days.at(day)));
}

QStringList DayBoxes::checkedDays() const
{
    QStringList checked;
    const QStringList &days = Weekday::allDays();
    for (int day = 0; day < m_boxes.size(); ++day) {
        if (m_boxes.at(day)->isChecked())
            checked << days.at(day);
    }
    return checked;
}

void DayBoxes::checkAll()
{
    for (QCheckBox *box : qAsConst(m_boxes))
        box->setChecked(true);
}

void DayBoxes::retranslate()
{
    for (int day = 0; day < m_boxes.size(); ++day)
        m_boxes.at(day)->setText(tr(kDayTexts[day]));
}

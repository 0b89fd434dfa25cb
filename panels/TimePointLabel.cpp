// The label of a time point.

#include "panels/TimePointLabel.h"

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"

namespace {
// Source texts of the days in a label, in the order of Weekday::allDays().
const char *const kDayTexts[]
    = {QT_TRANSLATE_NOOP("TimePointLabel", "Monday,"),    QT_TRANSLATE_NOOP("TimePointLabel", "Tuesday,"),
       QT_TRANSLATE_NOOP("TimePointLabel", "Wednesday,"), QT_TRANSLATE_NOOP("TimePointLabel", "Thursday,"),
       QT_TRANSLATE_NOOP("TimePointLabel", "Friday,"),    QT_TRANSLATE_NOOP("TimePointLabel", "Saturday,"),
       QT_TRANSLATE_NOOP("TimePointLabel", "Sunday,")};
} // namespace

QString TimePointLabel::of(const TimePoint &point)
{
    const QString dateFormat = QStringLiteral("yyyy-MM-dd");
    QString label = QStringLiteral("[") + point.time.toString(QStringLiteral("HH:mm")) + QStringLiteral("]");
    if (point.specifiedDate)
        label += QStringLiteral(" [") + point.startDate.toString(dateFormat) + tr(" to ")
                 + point.endDate.toString(dateFormat) + QStringLiteral("]");

    const QStringList &allDays = Weekday::allDays();
    QString days;
    int dayCount = 0;
    for (int day = 0; day < allDays.size(); ++day) {
        if (!point.weekdays.contains(allDays.at(day)))
            continue;
        days += tr(kDayTexts[day]);
        ++dayCount;
    }
    if (dayCount > 0 && dayCount < allDays.size()) {
        days.chop(1); // the comma after the last day
        label += QStringLiteral(" [") + days + QStringLiteral("]");
    }
    return label;
}

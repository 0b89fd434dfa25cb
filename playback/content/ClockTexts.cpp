// The clocks' texts and hand angles, computed from a moment.

#include "playback/content/ClockTexts.h"

#include <cmath>

namespace ClockTexts {

Moment shifted(const QDateTime &now, int mode, const QTime &offset)
{
    // An invalid offset reads as -1 hours, minutes and seconds; it is no offset at all.
    const qint64 seconds = offset.isValid() ? QTime(0, 0).secsTo(offset) : 0;
    qint64 shift = 0;
    if (mode == 0)
        shift = seconds;
    else if (mode == 1)
        shift = -seconds;
    // Moving the whole date-time counts the next day from exactly midnight on.
    const QDateTime moved = now.addSecs(shift);
    return {moved.time(), moved.date()};
}

const char *weekdaySource(int dayOfWeek)
{
    static const char *const names[]
        = {QT_TRANSLATE_NOOP("digitalClockWidget", "Monday"),    QT_TRANSLATE_NOOP("digitalClockWidget", "Tuesday"),
           QT_TRANSLATE_NOOP("digitalClockWidget", "Wednesday"), QT_TRANSLATE_NOOP("digitalClockWidget", "Thursday"),
           QT_TRANSLATE_NOOP("digitalClockWidget", "Friday"),    QT_TRANSLATE_NOOP("digitalClockWidget", "Saturday"),
           QT_TRANSLATE_NOOP("digitalClockWidget", "Sunday")};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? names[dayOfWeek - 1] : "";
}

namespace {
QString timeLineOf(const DigitalTexts &t, const DigitalFormat &f)
{
    QString hour;
    if (f.hourOn) {
        hour = t.hour;
        const int h = t.hour.toInt();
        if (f.hour12 && h > 12)
            hour = QStringLiteral("%1").arg(h - 12, 2, 10, QLatin1Char('0'));
        hour += QLatin1Char(':');
    }
    const QString minute = f.minuteOn ? t.minute + QLatin1Char(':') : QString();
    const QString second = f.secondOn ? t.second : QString();
    QString line = hour + minute + second;
    if (line.endsWith(QLatin1Char(':')))
        line.chop(1);
    return line;
}

QString dateLineOf(const DigitalTexts &t, const DigitalFormat &f)
{
    const QString year = f.yearOn ? t.year + QLatin1Char('/') : QString();
    const QString month = f.monthOn ? t.month + QLatin1Char('/') : QString();
    const QString day = f.dayOn ? t.day + QLatin1Char('/') : QString();
    QString line;
    switch (f.dateStyle) {
    case 0:
        line = year + month + day;
        break;
    case 1:
        line = day + month + year;
        break;
    case 2:
        line = month + day + year;
        break;
    default:
        return QString();
    }
    if (line.endsWith(QLatin1Char('/')))
        line.chop(1);
    return line;
}
} // namespace

DigitalTexts digital(const Moment &moment, const DigitalFormat &format, const QString &am, const QString &pm,
                     const QString &weekName)
{
    DigitalTexts t;
    const QStringList clock = moment.time.toString(QStringLiteral("HH.mm.ss")).split(QLatin1Char('.'));
    t.hour = clock.value(0);
    t.minute = clock.value(1);
    t.second = clock.value(2);
    if (format.amPmOn)
        t.amPm = t.hour.toInt() < 13 ? am : pm;
    t.timeLine = timeLineOf(t, format);
    if (!format.hourOn)
        t.hour.clear();
    if (!format.minuteOn)
        t.minute.clear();
    if (!format.secondOn)
        t.second.clear();

    const QStringList date = moment.date.toString(QStringLiteral("yyyy.MM.dd")).split(QLatin1Char('.'));
    t.year = format.twoDigit ? date.value(0).right(2) : date.value(0);
    t.month = date.value(1);
    t.day = date.value(2);
    t.week = format.weekOn ? weekName : QString();
    t.dateLine = dateLineOf(t, format);
    return t;
}

QString singleLine(const QString &fixedText, const DigitalTexts &t)
{
    return fixedText + QLatin1Char(' ') + t.dateLine + QLatin1String("  ") + t.week + QLatin1String("  ") + t.timeLine
           + t.amPm + QLatin1Char(' ');
}

QStringList rows(const QString &itemText, const QString &fixedText, const DigitalTexts &t)
{
    QStringList list;
    if (!itemText.isEmpty())
        list << fixedText;
    if (!t.dateLine.isEmpty())
        list << t.dateLine;
    if (!t.week.isEmpty())
        list << t.week;
    const QString time = t.timeLine + t.amPm;
    if (!time.isEmpty())
        list << time;
    return list;
}

QVector<int> bandTops(int height, int lineSpacing, int count)
{
    QVector<int> tops;
    if (count <= 0)
        return tops;
    const int gap = (height - lineSpacing * count) / (count + 1);
    for (int i = 0; i < count; ++i)
        tops << (lineSpacing + gap) * i + gap;
    return tops;
}

HandAngles handAngles(const QTime &time)
{
    if (!time.isValid())
        return {};
    const auto turn = [](qreal degrees) { return std::fmod(degrees, 360.0); };
    return {turn(30.0 * (time.hour() + time.minute() / 60.0)), turn(6.0 * (time.minute() + time.second() / 60.0)),
            turn(6.0 * time.second())};
}

QString analogDate(const QDate &date, int monthDayStyle, const QString &previous)
{
    if (monthDayStyle == 0)
        return date.toString(QStringLiteral("MM/dd"));
    if (monthDayStyle == 1)
        return date.toString(QStringLiteral("dd/MM"));
    return previous;
}

} // namespace ClockTexts

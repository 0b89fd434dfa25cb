#pragma once

// What the clocks show, as plain functions of the moment: the time offset of
// an item, the texts of the digital clock (time line, date line, AM/PM,
// weekday, its rows and the bands they are drawn in) and the angles of the
// analog clock's hands. The widgets only read the time and draw the results,
// so every rule here is tested on a clock that stands still.

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <QTime>
#include <QVector>

namespace ClockTexts {

// The time and date a clock shows.
struct Moment
{
    QTime time;
    QDate date;
};

// `now` moved by an item's offset: mode 0 ahead, mode 1 behind, any other
// mode none. The date follows across midnight both ways. An invalid offset
// is no offset.
Moment shifted(const QDateTime &now, int mode, const QTime &offset);

// Source text of the weekday (1 Monday .. 7 Sunday), to be translated by the caller.
const char *weekdaySource(int dayOfWeek);

// The fields of a digital-clock item that decide its texts.
struct DigitalFormat
{
    int dateStyle = 0; // 0 year/month/day, 1 day/month/year, 2 month/day/year, else no date
    bool yearOn = true;
    bool monthOn = true;
    bool dayOn = true;
    bool hourOn = true;
    bool minuteOn = true;
    bool secondOn = true;
    bool amPmOn = true;
    bool weekOn = true;
    bool twoDigit = false;
    bool hour12 = false;
};

// The texts of one tick.
struct DigitalTexts
{
    QString amPm, year, month, day, hour, minute, second, week, dateLine, timeLine;
};

// `am`, `pm` and `weekName` come translated from the caller; weekName is the
// name of the moment's weekday.
DigitalTexts digital(const Moment &moment, const DigitalFormat &format, const QString &am, const QString &pm,
                     const QString &weekName);

// The one line drawn without multiRow; `fixedText` is the widget's (a blank
// before the item's text).
QString singleLine(const QString &fixedText, const DigitalTexts &texts);
// The rows drawn with multiRow, each only when present: the fixed text (when
// the item's text is not empty), the date line, the weekday, and the time
// line followed by AM/PM.
QStringList rows(const QString &itemText, const QString &fixedText, const DigitalTexts &texts);
// Top of each of `count` rows `lineSpacing` high spread over `height` with
// equal gaps (integer division).
QVector<int> bandTops(int height, int lineSpacing, int count);

// The angles, in degrees clockwise from 12 o'clock, of the analog hands.
struct HandAngles
{
    qreal hour = 0;
    qreal minute = 0;
    qreal second = 0;
};
HandAngles handAngles(const QTime &time);

// The analog clock's date: "MM/dd" for style 0, "dd/MM" for 1; any other
// style keeps `previous`.
QString analogDate(const QDate &date, int monthDayStyle, const QString &previous);

} // namespace ClockTexts

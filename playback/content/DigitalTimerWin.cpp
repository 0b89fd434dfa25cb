// The count timer's tick.

#include "playback/content/DigitalTimerWin.h"

#include <QTimer>

DigitalTimerWin::DigitalTimerWin(QWidget *parent) : QLCDNumber(parent)
{
    setDigitCount(10);
    setSmallDecimalPoint(true);
    setSegmentStyle(QLCDNumber::Flat);
    tickTimer = new QTimer(this);
    tickTimer->setTimerType(Qt::PreciseTimer);
    connect(tickTimer, &QTimer::timeout, this, &DigitalTimerWin::slotTimeout);
}

QString DigitalTimerWin::lcdText(const QTime &time)
{
    return (time.isValid() ? time : QTime(0, 0)).toString(QStringLiteral("HH:mm:ss:z"));
}

QTime DigitalTimerWin::nextValue(const QTime &value, const QTime &length, int countMode)
{
    const int now = value.isValid() ? value.msecsSinceStartOfDay() : 0;
    const int end = length.isValid() ? length.msecsSinceStartOfDay() : 0;
    if (countMode == 0)
        return QTime::fromMSecsSinceStartOfDay(qMax(0, now - 100));
    if (countMode == 1)
        return QTime::fromMSecsSinceStartOfDay(qMin(end, now + 100));
    return value;
}

void DigitalTimerWin::setBackgroundRule(const QString &rule)
{
    if (rule == m_backgroundRule)
        return;
    m_backgroundRule = rule;
    applyStyle();
}

void DigitalTimerWin::applyStyle()
{
    const QString colour = QStringLiteral("color:rgb(%1,%2,%3);")
                               .arg(numberColour.red())
                               .arg(numberColour.green())
                               .arg(numberColour.blue());
    QString sheet = m_backgroundRule;
    if (!sheet.isEmpty() && !sheet.endsWith(QLatin1Char(';')))
        sheet += QLatin1Char(';');
    setStyleSheet(sheet + colour);
    m_colourShown = numberColour;
}

void DigitalTimerWin::showValue()
{
    // A style sheet makes Qt polish the widget again; ten times a second that
    // would be most of the timer's cost, so it is set only when it changes.
    if (numberColour != m_colourShown || styleSheet().isEmpty())
        applyStyle();
    display(lcdText(value));
}

void DigitalTimerWin::slotTimeout()
{
    value = nextValue(value, length, countMode);
    showValue();
}

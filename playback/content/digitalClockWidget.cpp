// The digital clock's tick and paint.

#include "playback/content/digitalClockWidget.h"

#include "base/Clock.h"
#include "playback/TextStyle.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>

digitalClockWidget::digitalClockWidget(QWidget *parent) : QLabel(parent)
{
    tickTimer = new QTimer(this);
    tickTimer->setTimerType(Qt::PreciseTimer);
    connect(tickTimer, &QTimer::timeout, this, &digitalClockWidget::slotTimeout);
}

void digitalClockWidget::setItemText(const QString &text)
{
    m_itemText = text;
    fixedText = QLatin1Char(' ') + text;
}

void digitalClockWidget::slotTimeout()
{
    const ClockTexts::Moment moment = ClockTexts::shifted(Clock::current().now(), timeDiffMode, timeDiff);
    const QString weekName = tr(ClockTexts::weekdaySource(moment.date.dayOfWeek()));
    const ClockTexts::DigitalTexts t = ClockTexts::digital(moment, *this, tr("AM"), tr("PM"), weekName);
    amPmText = t.amPm;
    yearText = t.year;
    monthText = t.month;
    dayText = t.day;
    hourText = t.hour;
    minuteText = t.minute;
    secondText = t.second;
    weekText = t.week;
    dateLine = t.dateLine;
    timeLine = t.timeLine;
    update();
}

QStringList digitalClockWidget::shownLines() const
{
    ClockTexts::DigitalTexts t;
    t.amPm = amPmText;
    t.week = weekText;
    t.dateLine = dateLine;
    t.timeLine = timeLine;
    if (multiRow)
        return ClockTexts::rows(m_itemText, fixedText, t);
    return {ClockTexts::singleLine(fixedText, t)};
}

void digitalClockWidget::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event); // the background and a background picture
    QPainter painter(this);
    font = TextStyle::font(fontFamily, fontSize, bold, italic, underline);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    const int w = width(), h = height();
    QPen pen = painter.pen();
    TextStyle::GradientGeometry geometry;
    geometry.textWidth = w;
    geometry.height = h;
    geometry.verticalX = w;
    geometry.verticalLength = h;
    TextStyle::applyColourful(pen, colourful, textColour, geometry);
    painter.setPen(pen);

    const QStringList lines = shownLines();
    if (!multiRow) {
        painter.drawText(rect(), Qt::AlignHCenter | Qt::AlignVCenter, lines.value(0));
        return;
    }
    const int spacing = painter.fontMetrics().lineSpacing();
    const QVector<int> tops = ClockTexts::bandTops(h, spacing, lines.size());
    for (int i = 0; i < lines.size() && i < tops.size(); ++i)
        painter.drawText(QRect(0, tops.at(i), w, spacing), Qt::AlignHCenter | Qt::AlignVCenter, lines.at(i));
}

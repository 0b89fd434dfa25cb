// The analog clock's tick and paint.

#include "playback/content/AnalogClockWidget.h"

#include "base/AppContext.h"
#include "base/Clock.h"
#include "playback/content/ClockTexts.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <QTimer>
#include <QtMath>

#include <cmath>

AnalogClockWidget::AnalogClockWidget(QWidget *parent) : QLabel(parent)
{
    tickTimer = new QTimer(this);
    tickTimer->setTimerType(Qt::PreciseTimer);
    connect(tickTimer, &QTimer::timeout, this, &AnalogClockWidget::slotTimeout);
}

void AnalogClockWidget::slotTimeout()
{
    const ClockTexts::Moment moment = ClockTexts::shifted(Clock::current().now(), timeDiffMode, timeDiff);
    shownTime = moment.time;
    // The weekday names are the digital clock's; one translation serves both.
    weekText = QCoreApplication::translate("digitalClockWidget", ClockTexts::weekdaySource(moment.date.dayOfWeek()));
    dateText = ClockTexts::analogDate(moment.date, monthDayStyle, dateText);
    update();
}

void AnalogClockWidget::drawTexts(QPainter &painter) const
{
    const int align = Qt::AlignHCenter | Qt::AlignTop;
    painter.setPen(textColour);
    painter.drawText(QRect(QPoint(-40, -40), QPoint(39, -21)), align, text);
    if (dateOn && weekOn) {
        painter.setPen(dateColour);
        painter.drawText(QRect(QPoint(-40, 20), QPoint(39, 39)), align, dateText);
        painter.setPen(weekColour);
        painter.drawText(QRect(QPoint(-40, 40), QPoint(39, 59)), align, weekText);
    } else if (dateOn || weekOn) {
        painter.setPen(dateOn ? dateColour : weekColour);
        painter.drawText(QRect(QPoint(-40, 30), QPoint(39, 49)), align, dateOn ? dateText : weekText);
    }
}

void AnalogClockWidget::drawHand(QPainter &painter, const QColor &colour, qreal angle, const QPolygon &shape) const
{
    painter.setBrush(colour);
    painter.save();
    painter.rotate(angle);
    painter.drawConvexPolygon(shape);
    painter.restore();
}

void AnalogClockWidget::drawMarks(QPainter &painter, int count, int skipEvery, const QColor &colour, int w, int h,
                                  int style) const
{
    painter.setBrush(colour);
    painter.save();
    const QRect mark(-w / 2, 90 - h / 2, w, h);
    const qreal step = 360.0 / count;
    for (int i = 0; i < count; ++i) {
        if (skipEvery == 0 || i % skipEvery != 0) {
            if (style == 0)
                painter.drawRect(mark);
            else
                painter.drawEllipse(mark);
        }
        painter.rotate(step);
    }
    painter.restore();
}

void AnalogClockWidget::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event); // the background and a background picture
    QPainter painter(this);
    QFont font = AppContext::appFont;
    font.setPointSize(10);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height());
    painter.translate(width() / 2, height() / 2);
    painter.scale(side / 200.0, side / 200.0);

    drawTexts(painter);
    const ClockTexts::HandAngles angles = ClockTexts::handAngles(shownTime);
    painter.setPen(Qt::NoPen);
    drawHand(painter, hourHandColour, angles.hour,
             QPolygon({QPoint(3, 4), QPoint(0, 6), QPoint(-3, 4), QPoint(0, -30)}));
    drawMarks(painter, 12, 0, timeScaleColour, timeScaleWidth, timeScaleHeight, timeScaleStyle);

    painter.setPen(timeScaleColour);
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        const QPointF centre(76 * std::cos(a), 76 * std::sin(a));
        const QRectF box(centre.x() - 28, centre.y() - 7, 56, 14);
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, QString::number((i + 2) % 12 + 1));
    }
    painter.setPen(Qt::NoPen);
    drawHand(painter, minuteHandColour, angles.minute,
             QPolygon({QPoint(2, 3), QPoint(0, 5), QPoint(-2, 3), QPoint(0, -50)}));
    drawMarks(painter, 60, 5, minuteScaleColour, minuteScaleWidth, minuteScaleHeight, minuteScaleStyle);
    drawHand(painter, secondHandColour, angles.second,
             QPolygon({QPoint(1, 2), QPoint(0, 3), QPoint(-1, 2), QPoint(0, -80)}));
}

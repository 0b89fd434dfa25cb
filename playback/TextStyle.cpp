// Fonts, colourful pens and rolling speeds of the player's texts.

#include "playback/TextStyle.h"

#include <QLinearGradient>
#include <QPen>

namespace TextStyle {

QFont font(const QString &family, int pointSize, bool bold, bool italic, bool underline)
{
    QFont f(family);
    if (pointSize > 0)
        f.setPointSize(pointSize);
    f.setWeight(bold ? 75 : 50);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QFont spacedFont(const QString &family, int pointSize, bool bold, bool italic, bool underline, int kerning)
{
    QFont f = font(family, pointSize, bold, italic, underline);
    f.setLetterSpacing(QFont::AbsoluteSpacing, kerning);
    return f;
}

namespace {
using Stop = QPair<qreal, QColor>;

QVector<Stop> stopsOf(int style)
{
    const QColor r(Qt::red), g(Qt::green), b(Qt::blue), c(Qt::cyan), m(Qt::magenta), y(Qt::yellow);
    switch (style) {
    case 1:
    case 2:
    case 3:
        return {{0, r}, {0.2, c}, {0.4, g}, {0.6, y}, {0.8, b}, {1, m}};
    case 4:
        return {{0, r}, {0.2, r}, {0.3, g}, {0.4, g}, {0.5, y}, {0.6, r}, {0.7, r}, {0.8, g}, {0.9, g}, {1, y}};
    case 5:
        return {{0, r},   {0.1, y}, {0.2, g}, {0.3, c}, {0.4, b}, {0.5, m},
                {0.6, r}, {0.7, y}, {0.8, g}, {0.9, c}, {1, b}};
    default:
        return {};
    }
}
} // namespace

bool applyColourful(QPen &pen, int style, const QColor &colour, const GradientGeometry &geometry)
{
    if (style == 0) {
        pen.setBrush(colour);
        return true;
    }
    if (style < 1 || style > 5)
        return false;
    QLinearGradient gradient;
    if (style == 2) {
        gradient.setStart(geometry.verticalX, 0);
        gradient.setFinalStop(geometry.verticalX, geometry.verticalLength);
    } else if (style == 3) {
        gradient.setStart(geometry.textLeft, 0);
        gradient.setFinalStop(geometry.textLeft + geometry.textWidth, geometry.height);
    } else {
        gradient.setStart(geometry.textLeft, geometry.height);
        gradient.setFinalStop(geometry.textLeft + geometry.textWidth, geometry.height);
    }
    gradient.setStops(stopsOf(style));
    gradient.setSpread(geometry.spread);
    pen.setBrush(gradient);
    return true;
}

int textScrollIntervalMs(int speed)
{
    if (speed >= 1 && speed <= 5)
        return 50 / speed;
    if (speed == 6)
        return 5;
    if (speed >= 7 && speed <= 10)
        return 2;
    return 0;
}

int coverRollIntervalMs(int speed)
{
    if (speed >= 1 && speed <= 5)
        return 50 / speed;
    if (speed == 6)
        return 7;
    if (speed == 7)
        return 5;
    if (speed >= 8 && speed <= 10)
        return 2;
    return 0;
}

int textStepPixels(int speed, int pointSize)
{
    if (pointSize < 48 || speed < 8 || speed > 10)
        return 1;
    return speed - 6; // 8, 9, 10 give 2, 3, 4
}

int coverStepPixels(int speed, int pointSize)
{
    if (pointSize < 48 || speed < 7 || speed > 10)
        return 1;
    return speed == 7 ? 2 : speed - 6;
}

qreal pixelsPerSecond(int stepPixels, int intervalMs)
{
    return intervalMs > 0 ? qreal(stepPixels) * 1000 / intervalMs : 0;
}

namespace {
// Leftwards a text moves by the step of its table; rightwards always one pixel a tick.
qreal rollingPixelsPerSecond(int step, int intervalMs, int direction)
{
    if (direction == 0)
        return pixelsPerSecond(step, intervalMs);
    if (direction == 1)
        return pixelsPerSecond(1, intervalMs);
    return 0;
}
} // namespace

qreal textPixelsPerSecond(int speed, int pointSize, int direction)
{
    return rollingPixelsPerSecond(textStepPixels(speed, pointSize), textScrollIntervalMs(speed), direction);
}

qreal coverPixelsPerSecond(int speed, int pointSize, int direction)
{
    return rollingPixelsPerSecond(coverStepPixels(speed, pointSize), coverRollIntervalMs(speed), direction);
}

} // namespace TextStyle

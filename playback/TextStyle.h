#pragma once

// What every text the player draws shares: the font built from an item's
// font fields, the six "colourful" pen styles, and the speed tables of
// rolling text. Used by the text widget, the video cover text and the
// digital clock, so each draws alike.

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QString>

class QPen;

namespace TextStyle {

// Family, point size, weight 75 when bold else 50, italic, underline.
QFont font(const QString &family, int pointSize, bool bold, bool italic, bool underline);
// The same with an absolute letter spacing of `kerning` pixels (paged text).
QFont spacedFont(const QString &family, int pointSize, bool bold, bool italic, bool underline, int kerning);

// Where the gradient of a colourful style runs, in the drawing widget's coordinates.
struct GradientGeometry
{
    qreal textWidth = 0;      // the width of the text (horizontal and diagonal styles end there)
    qreal height = 0;         // the widget's height
    qreal verticalX = 0;      // style 2 runs down at this x ...
    qreal verticalLength = 0; // ... from 0 to this length
    qreal textLeft = 0;       // where the text begins (horizontal and diagonal styles start there)
    QGradient::Spread spread = QGradient::PadSpread; // what lies beyond the gradient's ends
};

// Sets the pen's brush by the style: 0 a solid brush of the colour, 1-5 a
// multi-colour gradient; returns false and leaves the pen as it is for any
// other style.
bool applyColourful(QPen &pen, int style, const QColor &colour, const GradientGeometry &geometry);

// Rolling speeds 1..10. An interval of 0 means no timer runs (any other speed).
int textScrollIntervalMs(int speed);
int coverRollIntervalMs(int speed);
// Pixels one tick moves a text leftwards (rightwards is always 1 pixel).
int textStepPixels(int speed, int pointSize);
int coverStepPixels(int speed, int pointSize);
// The speed a table pair stands for: step pixels every interval, in pixels per second; 0 when it stands.
qreal pixelsPerSecond(int stepPixels, int intervalMs);
// How fast a rolling text moves: the table pair of its speed, font size and
// direction (0 leftwards, 1 rightwards; any other direction stands), in
// pixels per second; 0 when it stands.
qreal textPixelsPerSecond(int speed, int pointSize, int direction);
qreal coverPixelsPerSecond(int speed, int pointSize, int direction);

} // namespace TextStyle

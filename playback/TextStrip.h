#pragma once

// The strip of a rolling text: the text rendered once into a transparent
// pixmap, which is then only moved (a label) or copied (end-to-end copies).
// Shared by the text widget and the video cover text, so a rolling text
// costs a move per screen frame, never a text layout.

#include <QFont>
#include <QPen>
#include <QPixmap>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

class QFontMetrics;

namespace TextStrip {

// The height a strip was always given; a taller font gets a taller strip.
constexpr int kMinimumHeight = 100;

// As tall as the font needs, at least kMinimumHeight, so no glyph is clipped.
int heightFor(const QFontMetrics &metrics);
// The baseline that centres the font's line in a strip of that height.
int centredBaseline(const QFontMetrics &metrics, int stripHeight);

// A transparent pixmap of `size` with `text` drawn in `font` and `pen`, its
// baseline starting at `baseline`.
QPixmap render(const QString &text, const QFont &font, const QPen &pen, const QSize &size, const QPoint &baseline);

// A piece of text and where its baseline starts.
struct Run
{
    QPointF baseline;
    QString text;
};
// The same with several pieces, each at its own place.
QPixmap render(const QVector<Run> &runs, const QFont &font, const QPen &pen, const QSize &size);

// How many strips the process has rendered (for the benchmark).
int rendersMade();

} // namespace TextStrip

#pragma once

// Cuts a text into the pages of a paged text and the rows of a single-row
// text, by the width and height of the widget that shows it and the metrics
// of the font it is drawn in. Pure functions: the text widget calls them only
// when its text, font or size changed, never per paint.
//
// Lines wrap anywhere (a paged text is drawn with Qt::TextWrapAnywhere) and
// break at every line feed. Every line and row holds at least one character,
// even a glyph wider than the widget, and every page at least one line, even
// in a widget lower than a line, so a layout always finishes. An empty text
// has no pages and no rows.
//
// A page or row can be laid out on its own, from where the one before it
// ended (nextPage, nextRow): a text of millions of characters (a whole text
// file) is laid out as far as it is shown, never all at once.

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace TextLayout {

// The visual lines of the text, each the range [start, end) of the text; a
// line feed ends its line and belongs to none.
struct Line
{
    int start = 0;
    int end = 0;
};
QVector<Line> lines(const QString &text, const QFontMetrics &metrics, int width);

// One page or row: the range [start, end) of the text it shows, and where the
// next one starts (the text's size after the last).
struct Piece
{
    int start = 0;
    int end = 0;
    int next = 0;
};
// The page that starts at `start` (< the text's size): `height` / lineSpacing
// lines (at least one), from its first line's start to its last line's end,
// line feeds inside it included, so drawing it wraps it again into the same lines.
Piece nextPage(const QString &text, int start, const QFontMetrics &metrics, int width, int height);
// The row that starts at `start`: grown character by character until the next
// one would not fit. Line feeds are characters like any other here.
Piece nextRow(const QString &text, int start, const QFontMetrics &metrics, int width);

// Every page and every row of the text.
QStringList pages(const QString &text, const QFontMetrics &metrics, int width, int height);
QStringList rows(const QString &text, const QFontMetrics &metrics, int width);

// How many page and row layouts the process has begun (for the benchmark).
int layoutsMade();

} // namespace TextLayout

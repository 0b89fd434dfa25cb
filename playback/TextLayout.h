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

// Pages of `height` / lineSpacing lines each (at least one). A page is the
// text from its first line's start to its last line's end, line feeds inside
// it included, so drawing it wraps it again into the same lines.
QStringList pages(const QString &text, const QFontMetrics &metrics, int width, int height);

// Rows one widget wide; a row is grown character by character until the
// next one would not fit. Line feeds are characters like any other here.
QStringList rows(const QString &text, const QFontMetrics &metrics, int width);

// How many page and row layouts the process has made (for the benchmark).
int layoutsMade();

} // namespace TextLayout

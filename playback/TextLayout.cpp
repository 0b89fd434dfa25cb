// Page and row layout of the player's texts.

#include "playback/TextLayout.h"

#include <QVector>

#include <atomic>

namespace TextLayout {

namespace {

std::atomic<int> layoutCount{0};

// The index after the character at i: a surrogate pair is one character.
int nextCharacter(const QString &text, int i)
{
    if (i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate())
        return i + 2;
    return i + 1;
}

int widthOf(const QFontMetrics &metrics, const QString &text, int start, int end)
{
    return metrics.horizontalAdvance(text.mid(start, end - start));
}

// The line that starts at `start`, by width alone or by width and line feeds;
// `next` is where the line after it starts.
Line lineFrom(const QString &text, int start, const QFontMetrics &metrics, int width, bool lineFeedsBreak, int *next)
{
    int i = start;
    while (i < text.size()) {
        if (lineFeedsBreak && text.at(i) == QLatin1Char('\n')) {
            *next = i + 1; // a closing line feed opens no empty line after it
            return {start, i};
        }
        const int after = nextCharacter(text, i);
        // A character that does not fit starts the next line, unless it would be alone on this one.
        if (i > start && widthOf(metrics, text, start, after) > width) {
            *next = i;
            return {start, i};
        }
        i = after;
    }
    *next = text.size();
    return {start, int(text.size())};
}

void countLayoutFrom(int start)
{
    if (start == 0)
        ++layoutCount;
}

} // namespace

QVector<Line> lines(const QString &text, const QFontMetrics &metrics, int width)
{
    QVector<Line> result;
    for (int start = 0; start < text.size();)
        result.append(lineFrom(text, start, metrics, width, true, &start));
    return result;
}

Piece nextPage(const QString &text, int start, const QFontMetrics &metrics, int width, int height)
{
    countLayoutFrom(start);
    const int lineSpacing = metrics.lineSpacing();
    const int perPage = lineSpacing > 0 ? qMax(1, height / lineSpacing) : 1;
    Piece page{start, start, start};
    for (int line = 0; line < perPage && page.next < text.size(); ++line)
        page.end = lineFrom(text, page.next, metrics, width, true, &page.next).end;
    return page;
}

Piece nextRow(const QString &text, int start, const QFontMetrics &metrics, int width)
{
    countLayoutFrom(start);
    Piece row{start, start, start};
    row.end = lineFrom(text, start, metrics, width, false, &row.next).end;
    return row;
}

QStringList pages(const QString &text, const QFontMetrics &metrics, int width, int height)
{
    QStringList result;
    for (int start = 0; start < text.size();) {
        const Piece page = nextPage(text, start, metrics, width, height);
        result << text.mid(page.start, page.end - page.start);
        start = page.next;
    }
    return result;
}

QStringList rows(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList result;
    for (int start = 0; start < text.size();) {
        const Piece row = nextRow(text, start, metrics, width);
        result << text.mid(row.start, row.end - row.start);
        start = row.next;
    }
    return result;
}

int layoutsMade()
{
    return layoutCount;
}

} // namespace TextLayout

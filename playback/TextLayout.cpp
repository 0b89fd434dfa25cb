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

// Lines by width alone, or by width and line feeds.
QVector<Line> wrap(const QString &text, const QFontMetrics &metrics, int width, bool lineFeedsBreak)
{
    QVector<Line> result;
    int lineStart = 0;
    int i = 0;
    while (i < text.size()) {
        if (lineFeedsBreak && text.at(i) == QLatin1Char('\n')) {
            result.append({lineStart, i});
            lineStart = ++i;
            continue;
        }
        const int next = nextCharacter(text, i);
        // A character that does not fit starts the next line, unless it would be alone on this one.
        if (i > lineStart && widthOf(metrics, text, lineStart, next) > width) {
            result.append({lineStart, i});
            lineStart = i;
            continue;
        }
        i = next;
    }
    // A closing line feed ends the last line; it opens no empty one.
    if (lineStart < text.size())
        result.append({lineStart, int(text.size())});
    return result;
}

} // namespace

QVector<Line> lines(const QString &text, const QFontMetrics &metrics, int width)
{
    return wrap(text, metrics, width, true);
}

QStringList pages(const QString &text, const QFontMetrics &metrics, int width, int height)
{
    ++layoutCount;
    QStringList result;
    if (text.isEmpty())
        return result;
    const QVector<Line> all = lines(text, metrics, width);
    const int lineSpacing = metrics.lineSpacing();
    const int perPage = lineSpacing > 0 ? qMax(1, height / lineSpacing) : 1;
    for (int first = 0; first < all.size(); first += perPage) {
        const int last = qMin(first + perPage, int(all.size())) - 1;
        const int start = all.at(first).start;
        result << text.mid(start, all.at(last).end - start);
    }
    return result;
}

QStringList rows(const QString &text, const QFontMetrics &metrics, int width)
{
    ++layoutCount;
    QStringList result;
    for (const Line &line : wrap(text, metrics, width, false))
        result << text.mid(line.start, line.end - line.start);
    return result;
}

int layoutsMade()
{
    return layoutCount;
}

} // namespace TextLayout

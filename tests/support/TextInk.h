#pragma once

// Where red ink lies in a grabbed image: how the text tests see a text in
// view, moved, or drawn in copies.

#include <QImage>
#include <QList>
#include <QPair>

namespace TextInk {

// Columns of the row that hold red ink, as runs of [first, last].
inline QList<QPair<int, int>> inkRuns(const QImage &image, int row)
{
    QList<QPair<int, int>> runs;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const QRgb pixel = x < image.width() ? image.pixel(x, row) : 0;
        const bool ink = qAlpha(pixel) > 128 && qRed(pixel) > 128 && qGreen(pixel) < 100;
        if (ink && start < 0)
            start = x;
        if (!ink && start >= 0) {
            runs.append({start, x - 1});
            start = -1;
        }
    }
    return runs;
}

// The first and last column with red ink anywhere in the image; (-1, -1) without ink.
inline QPair<int, int> inkSpan(const QImage &image)
{
    QPair<int, int> span(-1, -1);
    for (int y = 0; y < image.height(); ++y) {
        for (const QPair<int, int> &run : inkRuns(image, y)) {
            span.first = span.first < 0 ? run.first : qMin(span.first, run.first);
            span.second = qMax(span.second, run.second);
        }
    }
    return span;
}

} // namespace TextInk

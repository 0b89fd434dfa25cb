// Rendering the strip of a rolling text.

#include "playback/TextStrip.h"

#include <QFontMetrics>
#include <QPainter>

#include <atomic>

namespace TextStrip {

namespace {
std::atomic<int> renderCount{0};
}

int heightFor(const QFontMetrics &metrics)
{
    return qMax(kMinimumHeight, metrics.height());
}

int centredBaseline(const QFontMetrics &metrics, int stripHeight)
{
    return (stripHeight - metrics.height()) / 2 + metrics.ascent();
}

QPixmap render(const QString &text, const QFont &font, const QPen &pen, const QSize &size, const QPoint &baseline)
{
    return render(QVector<Run>{{baseline, text}}, font, pen, size);
}

QPixmap render(const QVector<Run> &runs, const QFont &font, const QPen &pen, const QSize &size)
{
    ++renderCount;
    QPixmap strip(size.expandedTo(QSize(1, 1)));
    strip.fill(QColor(0, 0, 0, 0));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(pen);
    for (const Run &run : runs)
        painter.drawText(run.baseline, run.text);
    return strip;
}

int rendersMade()
{
    return renderCount;
}

} // namespace TextStrip

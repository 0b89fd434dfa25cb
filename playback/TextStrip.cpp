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
    ++renderCount;
    QPixmap strip(size.expandedTo(QSize(1, 1)));
    strip.fill(QColor(0, 0, 0, 0));
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(pen);
    painter.drawText(baseline, text);
    return strip;
}

int rendersMade()
{
    return renderCount;
}

} // namespace TextStrip

// The cover text over a video: standing and wrapped, or rolling as a strip.

#include "playback/videoCoverLabel.h"

#include "model/MediaProperties.h"
#include "playback/TextStrip.h"
#include "playback/TextStyle.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>

namespace {
// A shape that shows nothing: an empty region would lift the shape and show the whole window.
const QRegion kNothing(-1, -1, 1, 1);

QRegion opaquePartOf(const QImage &image)
{
    if (image.isNull())
        return {};
    return QRegion(QBitmap::fromImage(image.createAlphaMask()));
}
} // namespace

videoCoverLabel::videoCoverLabel(QWidget *parent) : QLabel(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    stripLabel = new QLabel(this);
    stripLabel->setStyleSheet(QStringLiteral("background:transparent"));
    stripLabel->hide();
    rollTimer = new QTimer(this);
    connect(rollTimer, &QTimer::timeout, this, &videoCoverLabel::slotTimeout);
}

void videoCoverLabel::setCover(const VideoProperty &video)
{
    bold = video.coverBold;
    italic = video.coverItalic;
    underline = video.coverUnderline;
    fontFamily = video.coverFontFamily;
    textColour = video.coverColour;
    fontSize = video.coverFontSize;
    colourful = video.coverColourful;
    text = video.coverText;
    rolling = video.coverRolling;
    rollingDirection = video.coverDirection;
    rollingSpeed = video.coverSpeed;
    y = video.coverY;
    update();
    updateShape();
}

void videoCoverLabel::applyFont()
{
    font = TextStyle::font(fontFamily, fontSize, bold, italic, underline);
}

QPen videoCoverLabel::makePen() const
{
    QPen pen;
    const qreal width = textWidth != 0 ? textWidth : this->width();
    TextStyle::applyColourful(pen, colourful, textColour, {width, qreal(height()), width, qreal(height())});
    return pen;
}

void videoCoverLabel::renderCoverStrip()
{
    applyFont();
    const QFontMetrics metrics(font);
    textWidth = metrics.horizontalAdvance(text);
    const int stripHeight = TextStrip::heightFor(metrics);
    const QSize size(fontSize + textWidth, stripHeight);
    // The text sits where it always did from the top of the strip, unless the font is too tall for that.
    const int baseline = qMax(fontSize + fontSize / 5, metrics.ascent());
    stripPixmap = TextStrip::render(text, font, makePen(), size, QPoint(rollingSpeed > 8 ? fontSize : 0, baseline));
    stripLabel->setFixedSize(size);
    stripLabel->setPixmap(stripPixmap);
    x = rollingDirection == 0 ? width() : -textWidth;
    m_stripShape = opaquePartOf(stripPixmap.toImage());
    stripLabel->move(x, y);
    stripLabel->show();
    updateShape();
    m_pace.stop(rollTimer);
    m_pace.setSpeed(TextStyle::coverPixelsPerSecond(rollingSpeed, fontSize, rollingDirection));
    m_pace.start(rollTimer);
}

void videoCoverLabel::stopRolling()
{
    m_pace.stop(rollTimer);
    stripLabel->hide();
    updateShape();
}

void videoCoverLabel::pauseRolling()
{
    m_pace.stop(rollTimer);
}

void videoCoverLabel::resumeRolling()
{
    if (rolling && !stripLabel->isHidden())
        m_pace.start(rollTimer);
}

void videoCoverLabel::setstartPox()
{
    if (rollingDirection == 0)
        x = width();
    else if (rollingDirection == 1)
        x = -textWidth;
}

void videoCoverLabel::slotTimeout()
{
    rollFor(m_pace.takeElapsedMs());
}

void videoCoverLabel::rollFor(qint64 ms)
{
    const int pixels = m_pace.advance(ms);
    if (pixels == 0)
        return;
    if (rollingDirection == 0) {
        x -= pixels;
        if (x < -(textWidth + fontSize))
            x = width();
    } else if (rollingDirection == 1) {
        x += pixels;
        if (x > width() + fontSize)
            x = -textWidth;
    }
    stripLabel->move(x, y);
    if (m_shaped)
        updateShape();
}

void videoCoverLabel::paintEvent(QPaintEvent *)
{
    if (rolling)
        return;
    QPainter painter(this);
    drawStandingText(painter);
}

void videoCoverLabel::drawStandingText(QPainter &painter)
{
    applyFont();
    painter.setFont(font);
    painter.setPen(makePen());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, text);
}

void videoCoverLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateShape();
}

void videoCoverLabel::setShapedByText(bool shaped)
{
    m_shaped = shaped;
    if (shaped)
        updateShape();
    else
        clearMask();
}

QRegion videoCoverLabel::standingShape()
{
    if (text.isEmpty() || width() <= 0 || height() <= 0)
        return {};
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawStandingText(painter);
    painter.end();
    return opaquePartOf(image);
}

void videoCoverLabel::updateShape()
{
    if (!m_shaped)
        return;
    QRegion shape;
    if (!rolling)
        shape = standingShape();
    else if (!stripLabel->isHidden())
        shape = m_stripShape.translated(x, y) & rect();
    setMask(shape.isEmpty() ? kNothing : shape);
}

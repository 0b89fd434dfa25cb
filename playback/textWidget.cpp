// The text of an area: pages, rows and rolling.

#include "playback/textWidget.h"

#include "playback/TextLayout.h"
#include "playback/TextStrip.h"
#include "playback/TextStyle.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTimer>

#include <cmath>

textWidget::textWidget(QWidget *parent) : QLabel(parent)
{
    stripLabel = new QLabel(this);
    stripLabel->setStyleSheet(QStringLiteral("background:transparent"));
    stripLabel->hide();
    scrollTimer = new QTimer(this);
    connect(scrollTimer, &QTimer::timeout, this, &textWidget::slotTimeout);
}

void textWidget::setAlignment(int horizontalAlign, int verticalAlign)
{
    static const int horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static const int vertical[] = {Qt::AlignTop, Qt::AlignBottom, Qt::AlignVCenter};
    horizontalFlag = horizontal[horizontalAlign >= 0 && horizontalAlign <= 2 ? horizontalAlign : 0];
    verticalFlag = vertical[verticalAlign >= 0 && verticalAlign <= 2 ? verticalAlign : 0];
}

void textWidget::applyFont()
{
    if (mode == Pages)
        font = TextStyle::spacedFont(fontFamily, fontSize, bold, italic, underline, kerning);
    else
        font = TextStyle::font(fontFamily, fontSize, bold, italic, underline);
}

QPen textWidget::makePen(const TextStyle::GradientGeometry &geometry) const
{
    QPen pen;
    TextStyle::applyColourful(pen, colourful, textColour, geometry);
    return pen;
}

// ---- pages and rows ---------------------------------------------------

bool textWidget::layoutIsCurrent() const
{
    return m_laidOutMode == mode && m_laidOutSize == size() && m_laidOutFont == font.key() && m_laidOutText == text;
}

void textWidget::restartLayout()
{
    pages.clear();
    rows.clear();
    m_layoutNext = 0;
    m_laidOutMode = mode;
    m_laidOutSize = size();
    m_laidOutFont = font.key();
    m_laidOutText = text;
    ++m_layoutGeneration;
}

bool textWidget::hasPage(int index)
{
    if ((mode != Pages && mode != SingleRow) || index < 0)
        return false;
    applyFont();
    if (!layoutIsCurrent())
        restartLayout();
    QStringList &list = mode == Pages ? pages : rows;
    const QFontMetrics metrics(font, this);
    while (list.size() <= index && m_layoutNext < text.size()) {
        const TextLayout::Piece piece = mode == Pages
                                            ? TextLayout::nextPage(text, m_layoutNext, metrics, width(), height())
                                            : TextLayout::nextRow(text, m_layoutNext, metrics, width());
        list << text.mid(piece.start, piece.end - piece.start);
        m_layoutNext = piece.next;
    }
    return index < list.size();
}

const QStringList &textWidget::currentPages()
{
    if (mode == Pages)
        hasPage(page + 1);
    return pages;
}

const QStringList &textWidget::currentRows()
{
    if (mode == SingleRow)
        hasPage(page + 1);
    return rows;
}

void textWidget::showCurrentPage()
{
    if (hasPage(page))
        update();
}

// ---- rolling ----------------------------------------------------------

int textWidget::stripY() const
{
    return (height() - m_stripHeight) / 2;
}

int textWidget::lead() const
{
    return !endToEnd && rollingSpeed > 8 ? fontSize : 0;
}

int textWidget::wholeStripLimit() const
{
    return qMax(kWholeStripPixels, width() + 2 * stretchMargin());
}

int textWidget::stretchMargin() const
{
    return qMax(width(), kMinimumStretchMargin);
}

void textWidget::measureText(const QFontMetrics &metrics)
{
    m_stripHeight = TextStrip::heightFor(metrics);
    m_stretchFrom = m_stretchTo = 0;
    // A text that cannot move stands with its beginning in view.
    m_pieces.reset(text, font, this, scrolls() && rollingDirection == 1);
    m_pieces.measureTo(wholeStripLimit() + 1);
    m_stretched = !m_pieces.measuredAll() || m_pieces.measuredWidth() > wholeStripLimit();
    if (m_stretched) {
        textWidth = int(m_pieces.measuredWidth());
        return;
    }
    m_pieces.clear();
    textWidth = metrics.horizontalAdvance(text);
}

void textWidget::prepareScrolling()
{
    applyFont();
    const QFontMetrics metrics(font, this);
    if (endToEnd) {
        // Copies are drawn from one strip; the moving label is not used.
        stripPixmap = QPixmap();
        stripLabel->hide();
        measureText(metrics);
        m_copyBaseline = TextStrip::centredBaseline(metrics, m_stripHeight);
        m_copyStrip = QPixmap();
        if (!m_stretched && textWidth > 0)
            m_copyStrip = TextStrip::render(
                text, font, makePen({qreal(textWidth), qreal(height()), qreal(textWidth), qreal(height())}),
                QSize(textWidth + fontSize, m_stripHeight), QPoint(0, m_copyBaseline));
        setStartPosition();
        update();
        return;
    }
    m_copyStrip = QPixmap();
    renderStrip();
    stripLabel->show();
    stripLabel->raise();
}

void textWidget::renderStrip()
{
    applyFont();
    const QFontMetrics metrics(font, this);
    measureText(metrics);
    if (m_stretched) {
        x = startX();
        placeStrip(); // draws the stretch in view
        return;
    }
    const QSize size(fontSize + textWidth, m_stripHeight);
    const QPoint baseline(lead(), TextStrip::centredBaseline(metrics, m_stripHeight));
    stripPixmap = TextStrip::render(
        text, font, makePen({qreal(textWidth), qreal(height()), qreal(width()), qreal(m_stripHeight)}), size, baseline);
    stripLabel->setFixedSize(size);
    stripLabel->setPixmap(stripPixmap);
    x = startX();
    stripLabel->move(x, stripY());
}

int textWidget::startX() const
{
    // A text that cannot move would stand outside the area for its whole time.
    if (!scrolls())
        return 0;
    return rollingDirection == 0 ? width() : -textWidth;
}

void textWidget::setStartPosition()
{
    x = startX();
    if (rollingDirection == 2)
        y = -textWidth;
    else if (rollingDirection == 3)
        y = height();
    if (mode == Scrolling)
        placeStrip();
}

// ---- long texts, drawn a stretch at a time ------------------------------

int textWidget::endX() const
{
    // Where the starting end of the text is on screen.
    return m_pieces.fromEnd() ? x + lead() + textWidth : x + lead();
}

int textWidget::stretchLeft() const
{
    return m_pieces.fromEnd() ? endX() - m_stretchTo : endX() + m_stretchFrom;
}

void textWidget::coverView()
{
    const int end = endX(); // stays where it is while more of the text is measured
    const int shownFrom = m_pieces.fromEnd() ? end - width() : -end;
    const int shownTo = shownFrom + width();
    if (m_stretchTo > m_stretchFrom && shownFrom >= m_stretchFrom && shownTo <= m_stretchTo)
        return;
    m_stretchFrom = shownFrom - stretchMargin();
    m_stretchTo = shownTo + stretchMargin();
    const QFontMetrics metrics(font, this);
    const QPixmap stretch = m_pieces.render(m_stretchFrom, m_stretchTo, m_stripHeight,
                                            TextStrip::centredBaseline(metrics, m_stripHeight), stretchPen());
    // What was measured on the way widens the text: its starting end stays on screen where it was.
    textWidth = int(m_pieces.measuredWidth());
    if (m_pieces.fromEnd())
        x = end - lead() - textWidth;
    if (endToEnd) {
        m_copyStrip = stretch;
        return;
    }
    stripPixmap = stretch;
    stripLabel->setFixedSize(stretch.size());
    stripLabel->setPixmap(stripPixmap);
}

QPen textWidget::stretchPen() const
{
    // A gradient over a text of millions of pixels would show one flat colour:
    // it runs over each area's width of the text instead, mirrored at each
    // end, and moves with the text.
    const qreal period = qMax(width(), 64);
    const qreal origin = m_pieces.fromEnd() ? m_stretchTo : -m_stretchFrom; // distance 0 in the stretch
    TextStyle::GradientGeometry geometry{m_pieces.fromEnd() ? -period : period, qreal(height()), qreal(width()),
                                         qreal(m_stripHeight), std::fmod(origin, 2 * period)};
    geometry.spread = QGradient::ReflectSpread;
    return makePen(geometry);
}

void textWidget::placeStrip()
{
    if (m_stretched)
        coverView();
    if (!endToEnd)
        stripLabel->move(m_stretched ? stretchLeft() : x, stripY());
}

bool textWidget::wrapDue() const
{
    // A long text has run its course only once all of it has been measured.
    if (m_stretched && !m_pieces.measuredAll())
        return false;
    return rollingDirection == 0 ? x < -(textWidth + fontSize) : x > width() + fontSize;
}

bool textWidget::scrolls() const
{
    return TextStyle::textPixelsPerSecond(rollingSpeed, fontSize, rollingDirection) > 0;
}

void textWidget::startScrolling()
{
    m_pace.stop(scrollTimer);
    m_pace.setSpeed(TextStyle::textPixelsPerSecond(rollingSpeed, fontSize, rollingDirection));
    m_pace.start(scrollTimer);
}

void textWidget::stopScrolling()
{
    m_heldWhileHidden = false;
    m_pace.stop(scrollTimer);
    m_pace.setSpeed(0);
}

void textWidget::pauseScrolling()
{
    m_heldWhileHidden = false;
    m_pace.stop(scrollTimer);
}

void textWidget::resumeScrolling()
{
    if (mode == Scrolling)
        m_pace.start(scrollTimer);
}

void textWidget::slotTimeout()
{
    scrollFor(m_pace.takeElapsedMs());
}

void textWidget::scrollFor(qint64 ms)
{
    const int pixels = m_pace.advance(ms);
    if (pixels == 0)
        return;
    if (rollingDirection != 0 && rollingDirection != 1)
        return;
    x += rollingDirection == 0 ? -pixels : pixels;
    const bool wrapped = wrapDue();
    if (wrapped) {
        x = rollingDirection == 0 ? width() : -textWidth;
        m_stretchFrom = m_stretchTo = 0; // the stretch in view is the first one again
    }
    placeStrip();
    if (endToEnd)
        update();
    if (wrapped && onePass)
        emit sigPassFinished();
}

// ---- drawing ----------------------------------------------------------

void textWidget::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (mode == Scrolling) {
        m_stretchFrom = m_stretchTo = 0; // a stretch as wide as the area was before
        placeStrip();
    }
}

void textWidget::hideEvent(QHideEvent *event)
{
    QLabel::hideEvent(event);
    if (scrollTimer->isActive()) {
        m_pace.stop(scrollTimer);
        m_heldWhileHidden = true;
    }
}

void textWidget::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    if (m_heldWhileHidden) {
        m_heldWhileHidden = false;
        m_pace.start(scrollTimer);
    }
}

void textWidget::paintEvent(QPaintEvent *)
{
    if ((mode == Scrolling && !endToEnd) || painting)
        return;
    painting = true;
    QPainter painter(this);
    if (mode == Pages || mode == SingleRow) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        if (hasPage(page)) {
            const QStringList &list = mode == Pages ? pages : rows;
            const int flags = mode == Pages ? verticalFlag | horizontalFlag | Qt::TextWrapAnywhere
                                            : Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
            const QString &shown = list.at(page);
            const QRect drawn = drawnExtent(shown, flags);
            textWidth = drawn.width();
            painter.setPen(
                makePen({qreal(drawn.width()), qreal(height()), qreal(width()), qreal(height()), qreal(drawn.left())}));
            painter.drawText(rect(), flags, shown);
            drawnPage = page;
        }
    } else if (mode == Scrolling) {
        paintEndToEnd(painter);
    }
    painting = false;
}

QRect textWidget::drawnExtent(const QString &shown, int flags)
{
    if (m_extentPage != page || m_extentFlags != flags || m_extentGeneration != m_layoutGeneration) {
        m_extent = QFontMetrics(font, this).boundingRect(rect(), flags, shown);
        m_extentPage = page;
        m_extentFlags = flags;
        m_extentGeneration = m_layoutGeneration;
    }
    return m_extent;
}

void textWidget::paintEndToEnd(QPainter &painter)
{
    // An empty text has nothing to repeat. Copies of a text that rolls
    // rightwards trail to its left; any other text's copies follow to its right.
    if (textWidth <= 0 || m_copyStrip.isNull())
        return;
    const int top = (fontSize + height()) / 2 - m_copyBaseline;
    if (m_stretched) {
        // Longer than the area: one copy, drawn from the stretch in view.
        painter.drawPixmap(stretchLeft(), top, m_copyStrip);
        return;
    }
    const int copies = width() / textWidth + 1;
    const int pitch = gap + textWidth;
    for (int i = 0; i < copies; ++i)
        painter.drawPixmap(rollingDirection == 1 ? x - i * pitch : x + i * pitch, top, m_copyStrip);
}

// Long rolling texts: pieces measured as they come, stretches drawn from them.

#include "playback/TextStripPieces.h"

#include "playback/TextStrip.h"

#include <QPen>

#include <algorithm>

namespace {
// Pieces stop short of a blank rather than cut a word, when a blank lies in
// their last (or, from the end, first) half.
constexpr int kBlankSearch = TextStripPieces::kPieceLength / 2;

// True when a cut before the character at `i` would split what is drawn as
// one: a surrogate pair, a base and its combining marks, a joined sequence.
bool joinedAt(const QString &text, int i)
{
    if (i <= 0 || i >= text.size())
        return false;
    const QChar here = text.at(i);
    const QChar before = text.at(i - 1);
    return (here.isLowSurrogate() && before.isHighSurrogate()) || here.isMark() || here.unicode() == 0x200D
           || before.unicode() == 0x200D;
}
} // namespace

void TextStripPieces::reset(const QString &text, const QFont &font, const QPaintDevice *device, bool fromEnd)
{
    m_text = text;
    m_font = font;
    m_metrics = QFontMetricsF(font, device);
    m_fromEnd = fromEnd;
    m_pieces.clear();
    m_next = fromEnd ? text.size() : 0;
    m_measured = 0;
}

void TextStripPieces::clear()
{
    reset(QString(), QFont(), nullptr, false);
    m_pieces.squeeze();
}

void TextStripPieces::nextPieceRange(int *start, int *end) const
{
    const int size = m_text.size();
    if (!m_fromEnd) {
        *start = m_next;
        *end = qMin(m_next + kPieceLength, size);
        if (*end == size)
            return;
        for (int i = *end - 1; i >= *start + kPieceLength - kBlankSearch; --i) {
            if (m_text.at(i).isSpace()) {
                *end = i + 1;
                return;
            }
        }
        while (*end > *start + 1 && joinedAt(m_text, *end))
            --*end;
        return;
    }
    *end = m_next;
    *start = qMax(m_next - kPieceLength, 0);
    if (*start == 0)
        return;
    for (int i = *start; i < *end - kPieceLength + kBlankSearch; ++i) {
        if (m_text.at(i).isSpace()) {
            *start = i + 1;
            return;
        }
    }
    while (*start < *end - 1 && joinedAt(m_text, *start))
        ++*start;
}

void TextStripPieces::measureTo(qreal distance)
{
    while (!measuredAll() && m_measured < distance) {
        int start = 0;
        int end = 0;
        nextPieceRange(&start, &end);
        const qreal width = m_metrics.horizontalAdvance(m_text.mid(start, end - start));
        m_pieces.append({start, end - start, m_measured, width});
        m_measured += width;
        m_next = m_fromEnd ? start : end;
    }
}

QPixmap TextStripPieces::render(int from, int to, int height, int baseline, const QPen &pen)
{
    // Glyphs may reach past their advance (italics, wide accents): pieces that
    // end just short of the stretch or start just past it are drawn too.
    const qreal slack = m_metrics.height();
    measureTo(to + slack);
    const auto first = std::lower_bound(m_pieces.cbegin(), m_pieces.cend(), from - slack,
                                        [](const Piece &piece, qreal at) { return piece.offset + piece.width < at; });
    QVector<TextStrip::Run> runs;
    for (auto piece = first; piece != m_pieces.cend() && piece->offset <= to + slack; ++piece) {
        const qreal left = m_fromEnd ? to - piece->offset - piece->width : piece->offset - from;
        runs.append({QPointF(left, baseline), m_text.mid(piece->start, piece->length)});
    }
    return TextStrip::render(runs, m_font, pen, QSize(to - from, height));
}

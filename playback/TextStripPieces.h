#pragma once

// A rolling text too long to draw at once (a pasted news feed, a whole text
// file), cut into pieces of a few hundred characters, at a blank where there
// is one. Pieces are measured one after another from the end the text starts
// with, and only as far as asked; a stretch of the text is drawn from just
// the pieces that meet it. So a text of a million characters costs what the
// stretch on screen costs, in time and in memory, not what the whole would.
//
// Distances run along the text from its starting end: from its first
// character onwards for a text that shows its beginning first, and from its
// last character backwards for one that shows its end first (a text rolling
// rightwards).

#include <QFont>
#include <QFontMetricsF>
#include <QPixmap>
#include <QString>
#include <QVector>

class QPaintDevice;
class QPen;

class TextStripPieces
{
public:
    // The most characters a piece holds.
    static constexpr int kPieceLength = 256;

    // A new text in `font`, measured for `device`; nothing is measured yet.
    void reset(const QString &text, const QFont &font, const QPaintDevice *device, bool fromEnd);
    // Forgets the text and its pieces.
    void clear();

    bool fromEnd() const { return m_fromEnd; }
    // The pixels measured from the starting end so far; the whole width once measuredAll().
    qreal measuredWidth() const { return m_measured; }
    bool measuredAll() const { return m_next == (m_fromEnd ? 0 : m_text.size()); }
    int pieceCount() const { return m_pieces.size(); }
    // Measures on until `distance` pixels from the starting end are known, or the text ends.
    void measureTo(qreal distance);

    // A transparent pixmap, `to` - `from` pixels wide and `height` high, of the
    // text between the distances `from` and `to` (measured as far as needed),
    // on a baseline `baseline` pixels from the top, drawn in `pen`. The
    // distance `from` is at the pixmap's left edge for a text that shows its
    // beginning first, at its right edge for one that shows its end first.
    QPixmap render(int from, int to, int height, int baseline, const QPen &pen);

private:
    struct Piece
    {
        int start = 0;    // the first character
        int length = 0;   // characters
        qreal offset = 0; // distance of its near edge from the starting end
        qreal width = 0;
    };
    // The characters of the piece that follows the pieces measured: [start, end).
    void nextPieceRange(int *start, int *end) const;

    QString m_text;
    QFont m_font;
    QFontMetricsF m_metrics{QFont()};
    bool m_fromEnd = false;
    QVector<Piece> m_pieces;
    int m_next = 0; // the first character not measured, or (from the end) one past the last
    qreal m_measured = 0;
};

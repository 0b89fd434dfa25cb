#pragma once

// The text of an area: the four text kinds of a media item. Mode 0 shows a
// text page by page, mode 1 row by row, mode 2 rolls it along one line:
// either one strip rendered once and moved by a label, or end-to-end copies
// of that strip. The area's text player fills the fields from the item, turns
// the pages and starts, pauses and stops the rolling.
//
// Pages and rows are laid out as far as they are shown, and again only when
// the text, its font, kerning, the mode or the widget's size changed; a paint
// only draws. A paged text of millions of characters shows its first page at
// once. A rolling text
// moves at most once per screen frame (ScrollPace). A rolling text of a few
// screens is rendered whole, once; a longer one (a news feed, a whole text
// file) is drawn a stretch at a time, what the area shows and an area's width
// on each side, again whenever it rolls out of that stretch, so showing and
// rolling it cost the same whatever its length (TextStripPieces).

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

#include "playback/ScrollPace.h"
#include "playback/TextStripPieces.h"
#include "playback/TextStyle.h"

class QTimer;

class textWidget : public QLabel
{
    Q_OBJECT

public:
    enum Mode { Pages = 0, SingleRow = 1, Scrolling = 2 };

    explicit textWidget(QWidget *parent);

    QLabel *stripLabel = nullptr; // carries the strip of a single-copy rolling text
    bool painting = false;
    int mode = Pages;
    int rollingDirection = 0; // 0 left, 1 right, 2 down, 3 up: only 0 and 1 move
    int rollingSpeed = 5;     // 1..10; any other speed stands
    QPixmap stripPixmap;      // the strip of the rolling text, rendered once per item
    QStringList pages;        // the pages of mode 0, as last laid out
    QStringList rows;         // the rows of mode 1, as last laid out
    QString text;
    QColor textColour{255, 0, 0};
    QString fontFamily;
    int fontSize = 16; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int horizontalFlag = Qt::AlignLeft;
    int verticalFlag = Qt::AlignTop;
    int kerning = 0; // pixels between letters of a paged text
    int spacing = 0; // carried from the item; nothing draws it
    QFont font;
    QTimer *scrollTimer = nullptr; // one tick per screen frame while the text rolls
    int x = 0;                     // left edge of the first copy
    int y = 0;                     // set for the vertical directions, drawn by nothing
    int textWidth = 0;             // of a text drawn a stretch at a time: as far as measured yet
    bool onePass = false;          // a rolling text reports the end of each pass
    int drawnPage = -1;            // the page drawn last
    int page = 0;                  // the page (mode 0) or row (mode 1) shown
    int colourful = 0;
    int stayTime = 0;
    bool endToEnd = false;
    int gap = 0; // pixels between end-to-end copies
    int comingStyle = 0;
    int outStyle = 0;

    // Sets the horizontal and vertical flag from an item's alignment (0, 1, 2;
    // anything else reads as 0).
    void setAlignment(int horizontalAlign, int verticalAlign);

    // The pages of mode 0 and the rows of mode 1 laid out so far: at least
    // through the one after the current one (all of them for a short text).
    const QStringList &currentPages();
    const QStringList &currentRows();
    // Whether the text has a page (mode 0) or row (mode 1) of that index; lays
    // it out, and those before it, when they are not yet.
    bool hasPage(int index);
    // Repaints when the page index lies inside the list of the mode.
    void showCurrentPage();

    // Rolling (mode 2): the strip rendered for the current text and placed at
    // its start (a single copy), or the copy strip of end-to-end.
    void prepareScrolling();
    // The single-copy strip, placed at its start.
    void renderStrip();
    // By direction: 0 right of the right edge, 1 left of the left edge; a text
    // that cannot move (directions 2 and 3, a speed outside 1..10) stands at
    // the left edge, inside the area. 2 and 3 also set y, which nothing draws.
    void setStartPosition();
    // Rolls at the pace of the speed and direction; a text that cannot move starts nothing.
    void startScrolling();
    void stopScrolling();
    // Holds the text where it is, and goes on from there.
    void pauseScrolling();
    void resumeScrolling();
    bool scrolls() const;
    qreal pixelsPerSecond() const { return m_pace.speed(); }
    // Moves the text as far as `ms` milliseconds of its speed carry it.
    void scrollFor(qint64 ms);
    // Where the strip lies from the top: centred, at one height for the whole item.
    int stripY() const;
    // True while the rolling text is too long to render whole and is drawn a stretch at a time.
    bool drawnInStretches() const { return m_stretched; }

signals:
    // A one-pass rolling text has completed a pass.
    void sigPassFinished();

public slots:
    // One screen frame of rolling.
    void slotTimeout();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // A hidden text (its area hidden) does not roll; shown again, it goes on.
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void applyFont();
    QPen makePen(const TextStyle::GradientGeometry &geometry) const;
    // Where the rolling text starts: see setStartPosition.
    int startX() const;
    // Where the page or row shown lies when drawn with `flags` (its colourful
    // gradient runs across it); measured again only when it changed.
    QRect drawnExtent(const QString &shown, int flags);
    // The layout is out of date when any of what it was made from changed.
    bool layoutIsCurrent() const;
    // Forgets the pages and rows: they are laid out again from the start, as far as asked.
    void restartLayout();
    void paintEndToEnd(QPainter &painter);

    // Rolling. A text wider than this many pixels (or three areas, when that
    // is more) is drawn a stretch at a time.
    static constexpr int kWholeStripPixels = 8192;
    static constexpr int kMinimumStretchMargin = 512;
    int wholeStripLimit() const;
    int stretchMargin() const;
    // Where the text starts inside its strip: a fast text keeps a font size clear.
    int lead() const;
    // Measures the text (or as much of a long one as the first stretch needs)
    // and decides whether it is drawn whole or in stretches.
    void measureText(const QFontMetrics &metrics);
    // The strip (or the stretch in view) placed where `x` says.
    void placeStrip();
    // Draws the stretch the area shows now, unless the one drawn holds it.
    void coverView();
    QPen stretchPen() const;
    int endX() const;
    int stretchLeft() const;
    bool wrapDue() const;

    ScrollPace m_pace;
    // What the pages and rows were laid out from.
    QString m_laidOutText;
    QString m_laidOutFont;
    int m_laidOutMode = -1;
    QSize m_laidOutSize;
    int m_layoutGeneration = 0;
    int m_layoutNext = 0; // where the next page or row starts; the text's size once all are laid out
    // The extent of the page or row drawn last, and what it was measured for.
    QRect m_extent;
    int m_extentPage = -1;
    int m_extentFlags = 0;
    int m_extentGeneration = -1;
    // The strip that end-to-end copies are drawn from, and its baseline.
    QPixmap m_copyStrip;
    int m_copyBaseline = 0;
    // A long rolling text: its pieces, and the stretch drawn last, as distances from its starting end.
    TextStripPieces m_pieces;
    bool m_stretched = false;
    int m_stretchFrom = 0;
    int m_stretchTo = 0;
    int m_stripHeight = 0;
    bool m_heldWhileHidden = false;
};

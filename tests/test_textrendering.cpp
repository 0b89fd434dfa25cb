// The player's texts: pages and rows and their colourful pens, end-to-end
// copies, the pace of a rolling text and its strip, a text that cannot move,
// the end of a one-pass text, long texts (drawn a stretch at a time, laid
// out page by page, within a stall and memory budget; long rolling texts in
// play: test_hostilecontent), and the video cover text. Measured with a font the set-up installs, loaded by file.

#include "playback/TextLayout.h"
#include "playback/TextStrip.h"
#include "playback/TextStripPieces.h"
#include "playback/TextStyle.h"
#include "playback/textWidget.h"
#include "playback/videoCoverLabel.h"
#include "support/HostileProbes.h"
#include "support/NewsText.h"
#include "support/PictureItems.h"
#include "support/TextInk.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

using namespace PictureItems;
using namespace TextInk;

namespace {

// Hues, in sixths of the circle, of the strongly coloured pixels of an image.
QSet<int> hueSixths(const QImage &image)
{
    QSet<int> sixths;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.hsvSaturation() > 150 && colour.value() > 150)
                sixths.insert(((colour.hsvHue() + 30) / 60) % 6);
        }
    }
    return sixths;
}

// What a long text may cost: the GUI thread held at most 250 ms at a time
// (twice that under the sanitizers), and under 40 MB more memory at the peak.
struct LongTextWatch
{
    HostileProbes::PeakMemory memory;
    HostileProbes::GuiStallProbe stalls;

    bool start()
    {
        stalls.start();
        return memory.start();
    }
    // What went over; empty when nothing did.
    QString overBudget() const
    {
        QStringList over;
        if (stalls.longestStallMs() > 250 * HostileProbes::kSanitizerCpuScale)
            over << QStringLiteral("held %1 ms").arg(stalls.longestStallMs());
        if (memory.growthMb() >= 40)
            over << QStringLiteral("%1 MB more").arg(memory.growthMb());
        return over.join(QStringLiteral(", "));
    }
};

} // namespace

class TextRenderingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_mono = loadFont();
        QVERIFY2(!m_mono.isEmpty(), "the set-up installs fonts-dejavu-core");
    }

    void layout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns"); // the width in characters of the monospaced font
        QTest::addColumn<int>("lines");   // the height in lines
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("fits on one page") << "Hello" << 10 << 2 << QStringList{"Hello"} << QStringList{"Hello"};
        QTest::newRow("line feeds start lines")
            << "ab\ncd\nef" << 10 << 2 << QStringList{"ab\ncd", "ef"} << QStringList{"ab\ncd\nef"};
        QTest::newRow("wrapped by width")
            << "abcdefg" << 3 << 2 << QStringList{"abcdef", "g"} << QStringList{"abc", "def", "g"};
        QTest::newRow("an empty line stays")
            << "a\n\nb" << 5 << 1 << QStringList{"a", "", "b"} << QStringList{"a\n\nb"};
        QTest::newRow("lower than a line") << "ab\ncd" << 10 << 0 << QStringList{"ab", "cd"} << QStringList{"ab\ncd"};
        QTest::newRow("a glyph wider than the area")
            << "WWW" << 0 << 5 << QStringList{"WWW"} << QStringList{"W", "W", "W"};
        QTest::newRow("a closing line feed opens no page") << "ab\n"
                                                           << 10 << 1 << QStringList{"ab"} << QStringList{"ab\n"};
        QTest::newRow("empty text") << "" << 10 << 3 << QStringList() << QStringList();
    }

    void layout()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(int, lines);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, rows);
        QFont font(m_mono);
        font.setPixelSize(20);
        const QFontMetrics metrics(font);
        const int width = columns * metrics.horizontalAdvance(QLatin1Char('a')) + 1;
        const int height = lines * metrics.lineSpacing() + metrics.lineSpacing() / 2;
        QCOMPARE(TextLayout::pages(text, metrics, width, height), pages);
        QCOMPARE(TextLayout::rows(text, metrics, width), rows);
    }

    void aGlyphWiderThanTheAreaIsALineOfItsOwn()
    {
        QFont font(m_mono);
        font.setPixelSize(20);
        const QFontMetrics metrics(font);
        QCOMPARE(TextLayout::pages("WWW", metrics, 3, metrics.lineSpacing() * 2), (QStringList{"WW", "W"}));
        QCOMPARE(TextLayout::pages("WWW", metrics, 3, metrics.lineSpacing() * 2).join(QString()),
                 QStringLiteral("WWW"));
    }

    void colourfulPagesAndRowsRunThroughTheirColours_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("horizontalAlign");
        QTest::newRow("page, style 1") << int(textWidget::Pages) << 1 << 0;
        QTest::newRow("page, style 3") << int(textWidget::Pages) << 3 << 0;
        QTest::newRow("page, style 4") << int(textWidget::Pages) << 4 << 0;
        QTest::newRow("page, style 5") << int(textWidget::Pages) << 5 << 0;
        QTest::newRow("page aligned right, style 1") << int(textWidget::Pages) << 1 << 1;
        QTest::newRow("page centred, style 5") << int(textWidget::Pages) << 5 << 2;
        QTest::newRow("row, style 1") << int(textWidget::SingleRow) << 1 << 0;
        QTest::newRow("row, style 4") << int(textWidget::SingleRow) << 4 << 0;
    }

    // The gradient runs across the text drawn, not across a width measured for some rolling text.
    void colourfulPagesAndRowsRunThroughTheirColours()
    {
        QFETCH(int, mode);
        QFETCH(int, style);
        QFETCH(int, horizontalAlign);
        QWidget area;
        textWidget text(&area);
        text.resize(500, 60);
        text.mode = mode;
        text.fontFamily = m_mono;
        text.fontSize = 18;
        text.colourful = style;
        text.text = QString(16, QChar(0x2588)); // a solid bar 240 px long
        text.setAlignment(horizontalAlign, 2);
        for (int staleWidth : {0, 3000}) { // never measured, or left by a long rolling text
            text.textWidth = staleWidth;
            const QImage drawn = text.grab().toImage();
            QVERIFY2(hueSixths(drawn).size() >= 3, qPrintable(QString("%1 hues").arg(hueSixths(drawn).size())));
            text.update();
        }
    }

    void aTextThatCannotMoveStandsAtItsStart_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("endToEnd");
        QTest::newRow("down") << 2 << 5 << false;
        QTest::newRow("up") << 3 << 10 << false;
        QTest::newRow("down, end to end") << 2 << 5 << true;
        QTest::newRow("up, end to end") << 3 << 5 << true;
        QTest::newRow("left at speed 0") << 0 << 0 << false;
        QTest::newRow("right at speed 11, end to end") << 1 << 11 << true;
    }

    void aTextThatCannotMoveStandsAtItsStart()
    {
        QFETCH(int, direction);
        QFETCH(int, speed);
        QFETCH(bool, endToEnd);
        QWidget area;
        area.resize(400, 100);
        textWidget text(&area);
        prepareRolling(text, QString(8, QChar(0x2588)), 18, direction, speed, endToEnd); // 120 px
        text.startScrolling();
        area.show();
        QVERIFY(!text.scrollTimer->isActive());
        const QPair<int, int> shown = inkSpan(text.grab().toImage());
        QVERIFY2(shown.first >= 0 && shown.first < 20, qPrintable(QString::number(shown.first)));
        QVERIFY(shown.second - shown.first >= 110); // the whole text, inside the area
        text.scrollFor(5000);
        QCOMPARE(inkSpan(text.grab().toImage()), shown); // and it stays there
    }

    void endToEndDrawsCopiesFromOneStrip()
    {
        QWidget area;
        textWidget text(&area);
        text.resize(500, 100);
        text.mode = textWidget::Scrolling;
        text.endToEnd = true;
        text.fontFamily = m_mono;
        text.fontSize = 18;
        text.textColour = Qt::red;
        text.text = QString(8, QChar(0x2588)); // a solid bar 120 px long at 18 pt
        text.gap = 10;
        text.rollingSpeed = 5;
        const int rendersBefore = TextStrip::rendersMade();
        text.prepareScrolling();
        QCOMPARE(text.textWidth, 120);
        text.x = 0;
        const QImage drawn = text.grab().toImage();
        const QList<QPair<int, int>> runs = inkRuns(drawn, drawn.height() / 2);
        QCOMPARE(runs.size(), 4); // the fifth copy starts at 520, past the edge
        QCOMPARE(runs.at(1).first - runs.at(0).first, 130);
        text.x = -100;
        const QImage moved = text.grab().toImage();
        QCOMPARE(inkRuns(moved, moved.height() / 2).size(), 5); // 500 / 120 + 1 copies, all drawn
        QCOMPARE(TextStrip::rendersMade(), rendersBefore + 1);  // painting copied the one strip
        text.text.clear();
        text.prepareScrolling();
        text.grab(); // an empty text draws nothing, and divides by nothing
    }

    void pixelsPerSecond_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("points");
        QTest::addColumn<qreal>("left");
        QTest::addColumn<qreal>("right");
        QTest::newRow("0 stands") << 0 << 32 << 0.0 << 0.0;
        QTest::newRow("1") << 1 << 32 << 20.0 << 20.0;
        QTest::newRow("6") << 6 << 32 << 200.0 << 200.0;
        QTest::newRow("7") << 7 << 32 << 500.0 << 500.0;
        QTest::newRow("10 at 32 pt") << 10 << 32 << 500.0 << 500.0;
        QTest::newRow("11 stands") << 11 << 32 << 0.0 << 0.0;
        QTest::newRow("1 at 48 pt") << 1 << 48 << 20.0 << 20.0;
        QTest::newRow("7 at 48 pt") << 7 << 48 << 500.0 << 500.0;
        QTest::newRow("10 at 48 pt") << 10 << 48 << 2000.0 << 500.0;
        QTest::newRow("11 at 48 pt") << 11 << 48 << 0.0 << 0.0;
    }

    void pixelsPerSecond()
    {
        QFETCH(int, speed);
        QFETCH(int, points);
        QFETCH(qreal, left);
        QFETCH(qreal, right);
        QCOMPARE(TextStyle::textPixelsPerSecond(speed, points, 0), left);
        QCOMPARE(TextStyle::textPixelsPerSecond(speed, points, 1), right);
        QCOMPARE(TextStyle::textPixelsPerSecond(speed, points, 2), 0.0);

        // The widget moves by the whole pixels due, and keeps the rest for later.
        QWidget area;
        textWidget text(&area);
        text.resize(4000, 100);
        text.mode = textWidget::Scrolling;
        text.fontFamily = m_mono;
        text.fontSize = points;
        text.text = QStringLiteral("Sale");
        text.rollingSpeed = speed;
        text.prepareScrolling();
        text.x = 3000;
        text.startScrolling();
        QCOMPARE(text.scrollTimer->isActive(), left > 0);
        if (left > 0)
            QVERIFY(text.scrollTimer->interval() >= 10); // once per frame, never every 2 ms
        for (int i = 0; i < 40; ++i)
            text.scrollFor(25); // one second in steps that each move a fraction at slow speeds
        QCOMPARE(text.x, 3000 - int(left));
        QCOMPARE(text.stripLabel->x(), left > 0 ? text.x : 0); // a text that cannot move stands inside
    }

    void aHiddenTextDoesNotRoll()
    {
        QWidget area;
        area.resize(400, 100);
        textWidget text(&area);
        text.resize(400, 100);
        text.mode = textWidget::Scrolling;
        text.fontFamily = m_mono;
        text.text = QStringLiteral("News");
        text.prepareScrolling();
        text.startScrolling();
        area.show();
        QVERIFY(text.scrollTimer->isActive());
        area.hide(); // another window of the program is being edited
        QVERIFY(!text.scrollTimer->isActive());
        area.show();
        QVERIFY(text.scrollTimer->isActive());
        text.pauseScrolling();
        area.hide();
        area.show();
        QVERIFY(!text.scrollTimer->isActive()); // a paused text stays paused
    }

    void aOnePassTextEndsAtItsWrap()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        TextProperty block;
        block.fontFamily = m_mono;
        block.text = QStringLiteral("News");
        block.completePlay = true;
        block.rollingSpeed = 5; // 100 px a second
        addText(f, MediaKind::ScrollingText, block);
        f.addWindow("Other", 1);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        TextContentPlayer *player = textPlayer(area);
        textWidget *text = player->widget();
        QVERIFY(!player->stayTimer()->isActive()); // the pass times the item
        QCOMPARE(text->x, text->width());
        const int wrapAt = text->width() + text->textWidth + text->fontSize;
        text->scrollFor(qint64(wrapAt) * 10); // reaches -(textWidth + fontSize), not beyond
        QVERIFY(!area->finished);
        f.clock.advanceMs(5000);
        text->scrollFor(10);
        QCOMPARE(text->x, text->width());
        QTRY_VERIFY(area->finished);
    }

    void aOnePassTextThatCannotMoveEndsAfterItsDuration()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        TextProperty block;
        block.completePlay = true;
        block.rollingDirection = 2;
        block.playDuration = QTime(0, 0, 7);
        addText(f, MediaKind::ScrollingText, block);
        TextProperty noDuration = block; // 00:00:00 still stays the shortest time, never 0 ms
        noDuration.rollingDirection = 0;
        noDuration.rollingSpeed = 0;
        noDuration.playDuration = QTime(0, 0, 0);
        addText(f, MediaKind::ScrollingText, noDuration);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        TextContentPlayer *player = textPlayer(area);
        QVERIFY(!player->widget()->scrollTimer->isActive());
        QCOMPARE(player->stayTimer()->interval(), 7000);
        f.clock.advanceMs(7000);
        area->slotPlayTextTimeout();
        QTRY_COMPARE(area->index, 1);
        QCOMPARE(player->stayTimer()->interval(), 1000);
    }

    // A stretch drawn from the pieces shows what the whole text drawn in one go shows there.
    void aStretchLooksLikeTheWholeTextThere()
    {
        QFont font(m_mono);
        font.setPixelSize(20);
        const QString text = newsText(3000);
        const qreal whole = QFontMetricsF(font).horizontalAdvance(text);
        const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('x'));
        for (bool fromEnd : {false, true}) {
            TextStripPieces pieces;
            pieces.reset(text, font, nullptr, fromEnd);
            QVERIFY(!pieces.measuredAll());
            for (int from : {-300, 0, 2345, 17000, int(whole) - 500}) {
                const int to = from + 800;
                const QImage stretch = pieces.render(from, to, 40, 30, QPen(Qt::red)).toImage();
                QImage reference(800, 40, QImage::Format_ARGB32_Premultiplied);
                reference.fill(Qt::transparent);
                QPainter painter(&reference);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setRenderHint(QPainter::TextAntialiasing);
                painter.setFont(font);
                painter.setPen(Qt::red);
                painter.drawText(QPointF(fromEnd ? to - whole : -from, 30), text);
                painter.end();
                int differing = 0, ink = 0;
                for (int y = 0; y < 40; ++y) {
                    for (int x = 0; x < 800; ++x) {
                        const int a = qAlpha(stretch.pixel(x, y)), b = qAlpha(reference.pixel(x, y));
                        ink += b > 128;
                        differing += qAbs(a - b) > 128;
                    }
                }
                QVERIFY2(differing <= ink / 100, qPrintable(QString("from %1%2: %3 of %4 ink pixels differ")
                                                                .arg(from)
                                                                .arg(fromEnd ? " from the end" : "")
                                                                .arg(differing)
                                                                .arg(ink)));
                // Nothing much past the stretch was measured.
                QVERIFY(pieces.measuredWidth() <= to + (TextStripPieces::kPieceLength + 2) * advance);
            }
        }
    }

    void aLongTextRollsOnSmoothlyFromStretchToStretch_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<bool>("endToEnd");
        QTest::newRow("leftwards") << 0 << false;
        QTest::newRow("rightwards") << 1 << false;
        QTest::newRow("leftwards, end to end") << 0 << true;
    }

    // Every frame shows the frame before moved by the pixels rolled, also
    // where a new stretch is drawn: no jump, no gap.
    void aLongTextRollsOnSmoothlyFromStretchToStretch()
    {
        QFETCH(int, direction);
        QFETCH(bool, endToEnd);
        QWidget area;
        area.resize(400, 100);
        textWidget text(&area);
        prepareRolling(text, newsText(5000), 24, direction, 5, endToEnd); // 100 px a second
        QVERIFY(text.drawnInStretches());
        text.startScrolling();
        area.show();
        const int rendersBefore = TextStrip::rendersMade();
        QImage before = text.grab().toImage();
        for (int frame = 0; frame < 60; ++frame) {
            const int x = text.x + (direction == 1 ? text.textWidth : 0); // the starting end stays put
            text.scrollFor(370);                                          // 37 px
            const int moved = qAbs(text.x + (direction == 1 ? text.textWidth : 0) - x);
            QCOMPARE(moved, 37);
            const QImage after = text.grab().toImage();
            int differing = 0;
            for (int row = 0; row < 100; row += 3) {
                for (int column = 0; column < 400 - moved; ++column) {
                    const QRgb was = before.pixel(direction == 1 ? column : column + moved, row);
                    const QRgb is = after.pixel(direction == 1 ? column + moved : column, row);
                    differing += qAbs(qGreen(was) - qGreen(is)) > 128; // red ink has no green
                }
            }
            QVERIFY2(differing < 20, qPrintable(QString("frame %1: %2 pixels jumped").arg(frame).arg(differing)));
            before = after;
        }
        QVERIFY(inkSpan(before).first >= 0);
        QVERIFY(TextStrip::rendersMade() - rendersBefore >= 2); // it crossed stretches on the way
    }

    void aLongPagedTextShowsPageByPageAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pages of a text file") << QString(MediaKind::Txt);
        QTest::newRow("single rows") << QString(MediaKind::SingleRowText);
    }

    // A million characters (a text file of a few MB): the first page shows at
    // once, the next follows after its stay, and only those are laid out.
    // Budget: 40 MB over what the process held before the item showed (the
    // text itself, 2 MB a million characters, is already in the record).
    void aLongPagedTextShowsPageByPageAtOnce()
    {
        QFETCH(QString, kind);
        PlayFixture f;
        CommonWinObject *window = wideWindow(f);
        TextProperty block = newsBlock(1000000, 20);
        block.stayTime = 1;
        addText(f, kind, block);
        LongTextWatch watch;
        QVERIFY(watch.start());
        CommonPlayWindow *area = playAndShow(f, window);
        textWidget *text = textPlayer(area)->widget();
        QTest::qWait(300);
        const QImage first = text->grab().toImage();
        QVERIFY(inkSpan(first).first >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(text->page, 1, 3000);
        QTest::qWait(300);
        QVERIFY(text->grab().toImage() != first);
        QVERIFY2(watch.overBudget().isEmpty(), qPrintable(watch.overBudget()));
        const QStringList &laidOut = kind == MediaKind::Txt ? text->currentPages() : text->currentRows();
        QVERIFY(laidOut.size() >= 2 && laidOut.size() <= 3);
        QVERIFY(block.text.startsWith(laidOut.join(QString()))); // one after the other, from the start
    }

    void aTallStripIsNotClippedAndKeepsItsHeight()
    {
        QWidget area;
        textWidget text(&area);
        text.resize(800, 60); // lower than the strip
        text.mode = textWidget::Scrolling;
        text.fontFamily = m_mono;
        text.fontSize = 80;
        text.textColour = Qt::red;
        text.text = QStringLiteral("Égy");
        text.rollingSpeed = 5;
        text.prepareScrolling();
        const QFontMetrics metrics(TextStyle::font(m_mono, 80, false, false, false), &text);
        QVERIFY(text.stripLabel->height() >= metrics.height());
        const QImage strip = text.stripPixmap.toImage();
        // No ink on the first or last row: the accent and the descender fit.
        QCOMPARE(inkRuns(strip, 0).size(), 0);
        QCOMPARE(inkRuns(strip, strip.height() - 1).size(), 0);
        const int y = text.stripLabel->y();
        QCOMPARE(y, (60 - text.stripLabel->height()) / 2);
        text.startScrolling();
        text.scrollFor(500);
        QCOMPARE(text.stripLabel->y(), y);
        QVERIFY(text.stripLabel->x() < 800);
    }

    void coverTextStandsOrRolls()
    {
        QWidget area;
        videoCoverLabel cover(&area);
        cover.resize(300, 120);
        VideoProperty video;
        video.coverFontFamily = m_mono;
        video.coverFontSize = 16;
        video.coverColour = Qt::red;
        video.coverText = QStringLiteral("Tonight at eight");
        video.coverRolling = false;
        cover.setCover(video);
        QVERIFY(!inkRuns(cover.grab().toImage(), 12).isEmpty()); // standing: drawn from the top left

        video.coverRolling = true;
        video.coverSpeed = 6; // 7 ms a pixel: about 143 pixels a second
        video.coverY = 30;
        cover.setCover(video);
        cover.renderCoverStrip();
        QVERIFY(cover.rollTimer->isActive());
        QCOMPARE(cover.pixelsPerSecond(), 1000.0 / 7);
        QCOMPARE(cover.stripLabel->pos(), QPoint(300, 30));
        cover.rollFor(700);
        QCOMPARE(cover.stripLabel->pos(), QPoint(200, 30));
        cover.rollFor(100000); // past the far end: back at the right edge
        QCOMPARE(cover.x, 300);
        cover.pauseRolling();
        QVERIFY(!cover.rollTimer->isActive());
        cover.resumeRolling();
        QVERIFY(cover.rollTimer->isActive());
        cover.stopRolling();
        QVERIFY(!cover.rollTimer->isActive() && !cover.stripLabel->isVisible());
        QCOMPARE(TextStyle::coverPixelsPerSecond(7, 48, 0), 400.0);
        QCOMPARE(TextStyle::coverPixelsPerSecond(10, 32, 1), 500.0);
    }

private:
    // An empty window of 600 x 100 for items.
    static CommonWinObject *wideWindow(PlayFixture &f)
    {
        CommonWinObject *window = emptyWindow(f);
        window->width = 600;
        window->height = 100;
        return window;
    }

    // Starts play and shows the display window; the area of `window`.
    static CommonPlayWindow *playAndShow(PlayFixture &f, const CommonWinObject *window)
    {
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        area->window()->show();
        return area;
    }

    // A text block of `characters` characters of news, in red.
    TextProperty newsBlock(int characters, int points) const
    {
        TextProperty block;
        block.fontFamily = m_mono;
        block.fontSize = points;
        block.textColour = Qt::red;
        block.text = newsText(characters);
        return block;
    }

    // A rolling text of `content` in red, 400 x 100, ready at its start.
    void prepareRolling(textWidget &text, const QString &content, int points, int direction, int speed, bool endToEnd)
    {
        text.resize(400, 100);
        text.mode = textWidget::Scrolling;
        text.endToEnd = endToEnd;
        text.fontFamily = m_mono;
        text.fontSize = points;
        text.textColour = Qt::red;
        text.text = content;
        text.rollingDirection = direction;
        text.rollingSpeed = speed;
        text.prepareScrolling();
        text.setStartPosition();
    }

    QString m_mono;
};

QTEST_MAIN(TextRenderingTest)
#include "test_textrendering.moc"

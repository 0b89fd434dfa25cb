// The text style every player text shares: fonts, the colourful pens and the
// rolling speed tables.

#include "playback/TextStyle.h"

#include <QLinearGradient>
#include <QPen>
#include <QtTest>

class TextStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void speedTables_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("textInterval");
        QTest::addColumn<int>("coverInterval");
        QTest::addColumn<int>("textStep48");
        QTest::addColumn<int>("coverStep48");
        QTest::newRow("0 stands") << 0 << 0 << 0 << 1 << 1;
        QTest::newRow("1") << 1 << 50 << 50 << 1 << 1;
        QTest::newRow("3") << 3 << 16 << 16 << 1 << 1;
        QTest::newRow("5") << 5 << 10 << 10 << 1 << 1;
        QTest::newRow("6") << 6 << 5 << 7 << 1 << 1;
        QTest::newRow("7") << 7 << 2 << 5 << 1 << 2;
        QTest::newRow("8") << 8 << 2 << 2 << 2 << 2;
        QTest::newRow("9") << 9 << 2 << 2 << 3 << 3;
        QTest::newRow("10") << 10 << 2 << 2 << 4 << 4;
        QTest::newRow("11 stands") << 11 << 0 << 0 << 1 << 1;
        QTest::newRow("-1 stands") << -1 << 0 << 0 << 1 << 1;
    }

    void speedTables()
    {
        QFETCH(int, speed);
        QFETCH(int, textInterval);
        QFETCH(int, coverInterval);
        QFETCH(int, textStep48);
        QFETCH(int, coverStep48);
        QCOMPARE(TextStyle::textScrollIntervalMs(speed), textInterval);
        QCOMPARE(TextStyle::coverRollIntervalMs(speed), coverInterval);
        QCOMPARE(TextStyle::textStepPixels(speed, 48), textStep48);
        QCOMPARE(TextStyle::coverStepPixels(speed, 48), coverStep48);
        // Below 48 points every speed moves one pixel a tick.
        QCOMPARE(TextStyle::textStepPixels(speed, 47), 1);
        QCOMPARE(TextStyle::coverStepPixels(speed, 32), 1);
    }

    void pixelsPerSecond()
    {
        QCOMPARE(TextStyle::pixelsPerSecond(4, 2), 2000.0); // speed 10 at 48 pt
        QCOMPARE(TextStyle::pixelsPerSecond(1, 50), 20.0);
        QCOMPARE(TextStyle::pixelsPerSecond(1, 0), 0.0);
    }

    void colourfulPens()
    {
        const TextStyle::GradientGeometry g{120, 40, 300, 100};
        QPen pen;
        QVERIFY(TextStyle::applyColourful(pen, 0, QColor(10, 20, 30), g));
        QCOMPARE(pen.brush().style(), Qt::SolidPattern);
        QCOMPARE(pen.brush().color(), QColor(10, 20, 30));

        struct Case {
            int style;
            QPointF start, stop;
            int stops;
            QColor last;
        } cases[] = {
            {1, {0, 40}, {120, 40}, 6, Qt::magenta},
            {2, {300, 0}, {300, 100}, 6, Qt::magenta},
            {3, {0, 0}, {120, 40}, 6, Qt::magenta},
            {4, {0, 40}, {120, 40}, 10, Qt::yellow},
            {5, {0, 40}, {120, 40}, 11, Qt::blue},
        };
        for (const Case &c : cases) {
            QPen p;
            QVERIFY(TextStyle::applyColourful(p, c.style, Qt::white, g));
            const auto *gradient = static_cast<const QLinearGradient *>(p.brush().gradient());
            QVERIFY(gradient);
            QCOMPARE(gradient->start(), c.start);
            QCOMPARE(gradient->finalStop(), c.stop);
            QCOMPARE(gradient->stops().size(), c.stops);
            QCOMPARE(gradient->stops().first().second, QColor(Qt::red));
            QCOMPARE(gradient->stops().last().second, c.last);
        }

        // Any other style leaves the pen as it was.
        QPen untouched(QColor(1, 2, 3));
        QVERIFY(!TextStyle::applyColourful(untouched, 6, Qt::white, g));
        QVERIFY(!TextStyle::applyColourful(untouched, -1, Qt::white, g));
        QCOMPARE(untouched.color(), QColor(1, 2, 3));
    }

    void fonts()
    {
        const QFont bold = TextStyle::font(QStringLiteral("Arial"), 32, true, true, false);
        QCOMPARE(bold.pointSize(), 32);
        QCOMPARE(bold.weight(), 75);
        QVERIFY(bold.italic());
        QVERIFY(!bold.underline());
        const QFont spaced = TextStyle::spacedFont(QStringLiteral("Arial"), 16, false, false, true, 3);
        QCOMPARE(spaced.weight(), 50);
        QVERIFY(spaced.underline());
        QCOMPARE(spaced.letterSpacingType(), QFont::AbsoluteSpacing);
        QCOMPARE(spaced.letterSpacing(), 3.0);
    }
};

QTEST_MAIN(TextStyleTest)
#include "test_textstyle.moc"

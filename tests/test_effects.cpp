// Entrance and exit effects: the geometry of every number, the random draw,
// effects run with real animations on an area that plays, and the fade as
// the screen shows it.

#include "model/Effects.h"
#include "playback/AreaEffects.h"
#include "support/PictureItems.h"

#include <QGraphicsEffect>
#include <QLabel>
#include <QPropertyAnimation>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using Kind = EffectPlan::Kind;
using namespace PictureItems;
Q_DECLARE_METATYPE(EffectPlan)

namespace {

EffectPlan moveOf(QPoint from, QPoint to)
{
    EffectPlan plan;
    plan.kind = Kind::Move;
    plan.moveFrom = from;
    plan.moveTo = to;
    return plan;
}
EffectPlan wipeOf(QRect from, QRect to, QRect from2 = {}, QRect to2 = {})
{
    EffectPlan plan;
    plan.kind = Kind::Wipe;
    plan.cover1From = from;
    plan.cover1To = to;
    plan.twoCovers = from2 != QRect() || to2 != QRect();
    plan.cover2From = from2;
    plan.cover2To = to2;
    return plan;
}
bool samePlan(const EffectPlan &a, const EffectPlan &b)
{
    return a.kind == b.kind && a.moveFrom == b.moveFrom && a.moveTo == b.moveTo && a.cover1From == b.cover1From
           && a.cover1To == b.cover1To && a.twoCovers == b.twoCovers
           && (!a.twoCovers || (a.cover2From == b.cover2From && a.cover2To == b.cover2To));
}
QString describe(const EffectPlan &p)
{
    auto r = [](const QRect &q) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(q.x()).arg(q.y()).arg(q.width()).arg(q.height());
    };
    return QStringLiteral("kind %1 move (%2,%3)->(%4,%5) c1 %6->%7 c2 %8->%9")
        .arg(int(p.kind))
        .arg(p.moveFrom.x())
        .arg(p.moveFrom.y())
        .arg(p.moveTo.x())
        .arg(p.moveTo.y())
        .arg(r(p.cover1From), r(p.cover1To), r(p.cover2From), r(p.cover2To));
}
} // namespace

class EffectsTest : public QObject
{
    Q_OBJECT

private slots:
    // An area 101 x 61 with a border of 3: the content rests at (1, 1), halves are 50 and 30.
    void geometry_data()
    {
        QTest::addColumn<bool>("entrance");
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("border");
        QTest::addColumn<EffectPlan>("expected");
        const QPoint rest(1, 1);
        QTest::newRow("in 1 from the right") << true << 1 << 3 << moveOf({100, 1}, rest);
        QTest::newRow("in 6 from bottom left") << true << 6 << 3 << moveOf({-100, 60}, rest);
        QTest::newRow("in 8 from top right") << true << 8 << 3 << moveOf({100, -60}, rest);
        QTest::newRow("in 9 reveal from right") << true << 9 << 3 << wipeOf({1, 1, 99, 59}, {3, 1, 0, 59});
        QTest::newRow("in 12 reveal from bottom") << true << 12 << 3 << wipeOf({1, 1, 99, 59}, {1, 1, 99, 0});
        QTest::newRow("in 13 halves meet at W/2")
            << true << 13 << 3 << wipeOf({1, 1, 50, 59}, {1, 1, 0, 59}, {50, 1, 50, 59}, {100, 1, 0, 59});
        QTest::newRow("in 15 up and down")
            << true << 15 << 3 << wipeOf({1, 1, 99, 30}, {1, 1, 99, 0}, {1, 30, 99, 30}, {1, 60, 99, 0});
        QTest::newRow("in 17 to the centre") << true << 17 << 3 << wipeOf({1, 1, 99, 59}, {50, 30, 0, 0});
        QTest::newRow("out 1 to the left") << false << 1 << 3 << moveOf(rest, {-101, 1});
        QTest::newRow("out 7 to bottom right") << false << 7 << 3 << moveOf(rest, {101, 61});
        QTest::newRow("out 9 grows from the right") << false << 9 << 3 << wipeOf({101, 1, 0, 58}, {1, 1, 98, 58});
        QTest::newRow("out 14 two covers")
            << false << 14 << 3 << wipeOf({1, 1, 0, 58}, {1, 1, 50, 58}, {101, 1, 0, 58}, {50, 1, 50, 58});
        QTest::newRow("out 15 from the middle") << false << 15 << 3 << wipeOf({1, 30, 98, 0}, {1, 1, 101, 58});
        QTest::newRow("out 16 two covers")
            << false << 16 << 3 << wipeOf({1, 1, 98, 0}, {1, 1, 98, 30}, {1, 61, 98, 0}, {1, 30, 98, 30});
        QTest::newRow("out 17 from the centre") << false << 17 << 3 << wipeOf({50, 30, 0, 0}, {1, 1, 98, 61});
        // Without a border every move ends at (0, 0) and the covers span the whole area.
        QTest::newRow("B0 in 5") << true << 5 << 0 << moveOf({101, 61}, {0, 0});
        QTest::newRow("B0 in 10") << true << 10 << 0 << wipeOf({0, 0, 101, 61}, {101, 0, 0, 61});
        QTest::newRow("B0 in 17") << true << 17 << 0 << wipeOf({0, 0, 101, 61}, {50, 30, 0, 0});
        QTest::newRow("B0 out 4") << false << 4 << 0 << moveOf({0, 0}, {0, -61});
        QTest::newRow("B0 out 11") << false << 11 << 0 << wipeOf({0, 0, 101, 0}, {0, 0, 101, 61});
        EffectPlan fade;
        fade.kind = Kind::Fade;
        QTest::newRow("in 18 fades") << true << 18 << 3 << fade;
        QTest::newRow("out 18 fades") << false << 18 << 3 << fade;
        QTest::newRow("19 has none") << true << 19 << 3 << EffectPlan();
        QTest::newRow("0 has none until drawn") << false << 0 << 3 << EffectPlan();
    }

    void geometry()
    {
        QFETCH(bool, entrance);
        QFETCH(int, number);
        QFETCH(int, border);
        QFETCH(EffectPlan, expected);
        const QSize area(101, 61);
        const EffectPlan plan
            = entrance ? EffectGeometry::entrance(number, area, border) : EffectGeometry::exit(number, area, border);
        QVERIFY2(samePlan(plan, expected), qPrintable(describe(plan) + " != " + describe(expected)));
    }

    void randomDrawIsOneToSeventeen()
    {
        QCOMPARE(Effects::fromDraw(0), 17);
        QCOMPARE(Effects::fromDraw(34), 17);
        QCOMPARE(Effects::fromDraw(18), 1);
        QWidget area;
        AreaEffects effects(&area);
        QRandomGenerator seeded(20261207);
        effects.setRandomGenerator(&seeded);
        QSet<int> drawn;
        for (int i = 0; i < 2000; ++i)
            drawn.insert(effects.resolve(0));
        QCOMPARE(drawn.size(), 17);
        QVERIFY(!drawn.contains(0) && !drawn.contains(18));
        // Numbers outside 0..18 count as 0; 18 itself is played as chosen.
        QVERIFY(effects.resolve(-3) >= 1 && effects.resolve(25) <= 17);
        QCOMPARE(effects.resolve(18), 18);
    }

    // Speed 0: both animations take no time, finish inside their start, and the item still goes on.
    void instantEffectsTimeThePageAndEndTheItem()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty block;
        block.pixmap = filled({40, 20}, Qt::red);
        block.comingOn = block.goingOutOn = true;
        block.comingStyle = 9;
        block.outStyle = 3;
        block.comingSpeed = block.outSpeed = 0;
        block.stayTime = 2;
        addImage(f, block);
        f.addWindow("Other", 1); // a second area holds the program while the picture's area goes on
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QVERIFY(player);
        QVERIFY(player->effects()->entering());
        QVERIFY(!player->effects()->isRunning());
        QVERIFY(player->stayTimer()->isActive()); // the entrance ended at once: the page is timed
        QCOMPARE(player->stayTimer()->interval(), 2000);
        QCOMPARE(player->view()->pos(), QPoint(0, 0));

        f.clock.advanceMs(2000);
        area->slotPlayImageTimeout();
        QVERIFY(!player->effects()->entering());
        QVERIFY(!player->stayTimer()->isActive());
        QVERIFY(!player->view()->isVisible()); // left: the item ended
        QTRY_VERIFY(area->finished);
    }

    void fadeChangesWhatTheScreenShows_data()
    {
        QTest::addColumn<bool>("picture"); // a picture has an opacity of its own; a text has none
        QTest::newRow("picture") << true;
        QTest::newRow("text") << false;
    }

    // The fade in and the fade out each pass through shades between the
    // background and the content, and the content ends at its full colour.
    void fadeChangesWhatTheScreenShows()
    {
        QFETCH(bool, picture);
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        if (picture) {
            ImageProperty block;
            block.pixmap = filled({100, 50}, Qt::red);
            block.comingOn = block.goingOutOn = true;
            block.comingStyle = block.outStyle = 18;
            block.comingSpeed = block.outSpeed = 15; // 1.5 s
            addImage(f, block);
        } else {
            TextProperty block;
            block.text = QString(3, QChar(0x2588)); // solid bars on one page
            block.fontFamily = loadFont();
            block.fontSize = 30;
            block.textColour = Qt::red;
            block.comingOn = block.goingOutOn = true;
            block.comingStyle = block.outStyle = 18;
            block.comingSpeed = block.outSpeed = 15;
            addText(f, MediaKind::SimpleText, block);
        }
        CommonWinObject *other = f.addWindow("Other", 1);
        f.tree->slotStartPlay(f.display);
        f.area(other)->move(150, 0); // beside the faded area, not over it
        CommonPlayWindow *area = f.area(window);
        QWidget *display = area->window();
        display->show();
        QVERIFY(QTest::qWaitForWindowExposed(display));
        PagedContentPlayer *player = picture ? static_cast<PagedContentPlayer *>(imagePlayer(area))
                                             : static_cast<PagedContentPlayer *>(textPlayer(area));
        const QPoint probe = area->mapTo(display, QPoint(20, area->height() / 2));
        // The red of the probe on screen, sampled while the effect runs.
        auto shades = [&] {
            QSet<int> seen;
            while (player->effects()->isRunning()) {
                const QImage shown = QGuiApplication::primaryScreen()->grabWindow(display->winId()).toImage();
                seen.insert(QColor(shown.pixel(probe)).red());
                QTest::qWait(40);
            }
            QSet<int> between;
            for (int red : seen)
                if (red > 20 && red < 235)
                    between.insert(red);
            return between;
        };
        QVERIFY(player->effects()->isRunning());
        QVERIFY2(shades().size() >= 2, "the fade in shows no shades between");
        QTRY_COMPARE(QColor(QGuiApplication::primaryScreen()->grabWindow(display->winId()).toImage().pixel(probe)),
                     QColor(Qt::red));

        player->pageTimeout(); // the page's stay is over: it fades out
        QVERIFY(player->effects()->isRunning());
        QVERIFY2(shades().size() >= 2, "the fade out shows no shades between");
        QVERIFY(picture || !player->view()->graphicsEffect()); // a text is drawn without an effect again
        QTRY_VERIFY(area->finished);
    }

    void pauseHoldsAnEntrance()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty block;
        block.pixmap = filled({40, 20}, Qt::red);
        block.comingOn = true;
        block.comingStyle = 1;
        block.comingSpeed = 3; // 300 ms
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QSignalSpy entered(player->effects(), &AreaEffects::sigEntranceFinished);
        QVERIFY(player->effects()->isRunning());
        area->pauseRealPlay();
        const QPoint held = player->view()->pos();
        QTest::qWait(500);
        QCOMPARE(entered.count(), 0);
        QCOMPARE(player->view()->pos(), held);
        QVERIFY(!player->stayTimer()->isActive());
        area->resumeRealPlay();
        QTRY_COMPARE(entered.count(), 1);
        QCOMPARE(player->view()->pos(), QPoint(0, 0));
        QVERIFY(player->stayTimer()->isActive());
    }
};

QTEST_MAIN(EffectsTest)
#include "test_effects.moc"

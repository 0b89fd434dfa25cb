#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "support/TestEnvironment.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(CommonWinObject *)

namespace {

// The main window with its first display window placed at (100, 100) and
// the first area given a geometry through its record.
struct Scene
{
    explicit Scene(const QRect &areaGeometry, int borderWidth = 0)
    {
        display = w.displayWindows.value(0);
        area = display ? display->playWindows.value(0) : nullptr;
        if (!area)
            return;
        display->setGeometry(100, 100, 320, 240);
        record = area->winObject;
        record->x = areaGeometry.x();
        record->y = areaGeometry.y();
        record->width = areaGeometry.width();
        record->height = areaGeometry.height();
        record->borderWidth = borderWidth;
        display->updateWindowGeometry(record);
    }
    PlayWinObject *displayRecord() const { return w.playWinObjects.value(0); }

    TestEnvironment env;
    Widget w;
    MainPlayBKLabel *display = nullptr;
    CommonPlayWindow *area = nullptr;
    CommonWinObject *record = nullptr;
};

QRect recordRect(const PlayWinObject *r) { return QRect(r->x, r->y, r->width, r->height); }
QRect recordRect(const CommonWinObject *r) { return QRect(r->x, r->y, r->width, r->height); }

void send(QWidget *target, QEvent::Type type, const QPoint &global, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    // Local positions from the widgets' own geometry: the display window is
    // top-level, so its position is its place on the screen.
    QPoint local = global - target->pos();
    if (QWidget *parent = target->parentWidget(); parent && !target->isWindow())
        local -= parent->pos();
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
void press(QWidget *t, const QPoint &g) { send(t, QEvent::MouseButtonPress, g, Qt::LeftButton, Qt::LeftButton); }
void drag(QWidget *t, const QPoint &g) { send(t, QEvent::MouseMove, g, Qt::NoButton, Qt::LeftButton); }
void release(QWidget *t, const QPoint &g) { send(t, QEvent::MouseButtonRelease, g, Qt::LeftButton, Qt::NoButton); }

// Press at a point given in the target's own coordinates, then drag through
// the global points and release at the last.
void pressDragRelease(QWidget *t, const QPoint &localPress, const QList<QPoint> &path)
{
    QPoint global = t->mapTo(t->window(), localPress) + t->window()->pos();
    press(t, global);
    for (const QPoint &point : path) {
        drag(t, point);
        global = point;
    }
    release(t, global);
}

} // namespace

class MouseEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<CommonWinObject *>(); }

    void regionOfAPoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("region");
        // a 200 x 100 widget with a 10-pixel band
        QTest::newRow("top-left corner") << QPoint(0, 0) << 8;
        QTest::newRow("top-left, on the band's inner line") << QPoint(5, 10) << 8;
        QTest::newRow("top") << QPoint(100, 3) << 1;
        QTest::newRow("top-right") << QPoint(195, 5) << 2;
        QTest::newRow("top-right from x = W - m") << QPoint(190, 0) << 2;
        QTest::newRow("right") << QPoint(197, 50) << 3;
        QTest::newRow("right from x = W - m") << QPoint(190, 50) << 3;
        QTest::newRow("bottom-right") << QPoint(199, 99) << 4;
        QTest::newRow("bottom") << QPoint(100, 99) << 5;
        QTest::newRow("bottom from y = H - m") << QPoint(100, 90) << 5;
        QTest::newRow("bottom-left") << QPoint(5, 95) << 6;
        QTest::newRow("left") << QPoint(3, 50) << 7;
        QTest::newRow("inside") << QPoint(100, 50) << 0;
        QTest::newRow("inside, first column past the band") << QPoint(10, 50) << 0;
        QTest::newRow("inside, last row before the band") << QPoint(100, 89) << 0;
        QTest::newRow("outside on the right") << QPoint(200, 50) << 0;
        QTest::newRow("outside above") << QPoint(100, -1) << 0;
    }
    void regionOfAPoint()
    {
        QFETCH(QPoint, point);
        QFETCH(int, region);
        QCOMPARE(MainPlayBKLabel::regionAt(point, QSize(200, 100), 10), region);
    }

    void pressInsideAndDragMovesTheDisplayWindow()
    {
        Scene s(QRect(20, 30, 100, 80));
        QVERIFY(s.area);
        QSignalSpy updates(&s.w, &Widget::sigUpdateCommon);
        s.w.currentPlayWinObject = nullptr;

        press(s.display, QPoint(200, 200));
        drag(s.display, QPoint(230, 220));
        QCOMPARE(s.display->pos(), QPoint(130, 120));
        QCOMPARE(s.display->cursor().shape(), Qt::PointingHandCursor);
        drag(s.display, QPoint(445, 220)); // lands in the right band: still a move, not a resize
        QCOMPARE(s.display->geometry(), QRect(345, 120, 320, 240));
        drag(s.display, QPoint(150, 150));
        QCOMPARE(s.display->geometry(), QRect(50, 50, 320, 240));
        QCOMPARE(s.area->geometry(), QRect(20, 30, 100, 80));
        release(s.display, QPoint(150, 150));

        QCOMPARE(recordRect(s.displayRecord()), QRect(50, 50, 320, 240));
        QCOMPARE(s.w.currentPlayWinObject, s.displayRecord());
        QCOMPARE(recordRect(s.record), QRect(20, 30, 100, 80));
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.first().first().value<CommonWinObject *>(), s.record);
        QVERIFY(!s.display->pressed && !s.display->moving);

        // a drag after the release is a plain mouse move
        drag(s.display, QPoint(0, 0));
        QCOMPARE(s.display->pos(), QPoint(50, 50));
    }

    void dragInTheBandResizesTheDisplayWindow_data()
    {
        QTest::addColumn<QPoint>("pressAt"); // in the window
        QTest::addColumn<QPoint>("dragTo");  // on the screen
        QTest::addColumn<QRect>("expected"); // an empty position checks the size alone
        // the window is (100, 100, 320, 240)
        QTest::newRow("right") << QPoint(317, 120) << QPoint(497, 220) << QRect(100, 100, 400, 240);
        QTest::newRow("bottom") << QPoint(160, 237) << QPoint(260, 437) << QRect(100, 100, 320, 340);
        QTest::newRow("bottom-right") << QPoint(318, 238) << QPoint(578, 218) << QRect(100, 100, 480, 120);
        QTest::newRow("left") << QPoint(3, 120) << QPoint(63, 220) << QRect(63, 100, 360, 240);
        QTest::newRow("top") << QPoint(160, 3) << QPoint(260, 83) << QRect(100, 83, 320, 260);
        QTest::newRow("top-left") << QPoint(2, 2) << QPoint(82, 92) << QRect(82, 92, 340, 250);
        QTest::newRow("top-right") << QPoint(318, 2) << QPoint(498, 152) << QRect(100, 152, 400, 190);
        QTest::newRow("bottom-left") << QPoint(2, 238) << QPoint(262, 378) << QRect(262, 100, 160, 280);
        // dragged across the opposite edge: that side stops at 50
        QTest::newRow("right, too narrow") << QPoint(317, 120) << QPoint(100, 220) << QRect(0, 0, 50, 240);
        QTest::newRow("bottom, too low") << QPoint(160, 237) << QPoint(260, 50) << QRect(0, 0, 320, 50);
        QTest::newRow("left, too narrow") << QPoint(3, 120) << QPoint(600, 220) << QRect(0, 0, 50, 240);
        QTest::newRow("top, too low") << QPoint(160, 3) << QPoint(260, 600) << QRect(0, 0, 320, 50);
        QTest::newRow("top-left, too narrow") << QPoint(2, 2) << QPoint(600, 150) << QRect(0, 0, 50, 240);
        QTest::newRow("bottom-right, too low") << QPoint(318, 238) << QPoint(500, 120) << QRect(0, 0, 320, 50);
    }
    void dragInTheBandResizesTheDisplayWindow()
    {
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, dragTo);
        QFETCH(QRect, expected);
        Scene s(QRect(32, 24, 160, 120));
        QVERIFY(s.area);
        QSignalSpy updates(&s.w, &Widget::sigUpdateCommon);

        const QPoint origin = s.display->pos();
        press(s.display, origin + pressAt);
        drag(s.display, origin + pressAt); // takes the region where the press was
        QVERIFY(s.display->resizeRegion != 0);
        drag(s.display, dragTo);

        const QRect g = s.display->geometry();
        if (expected.topLeft() == QPoint(0, 0))
            QCOMPARE(g.size(), expected.size());
        else
            QCOMPARE(g, expected);
        QVERIFY(g.width() >= 50 && g.height() >= 50);
        QVERIFY(!s.display->moving);

        // the areas follow by the window's own factors
        const float hs = g.width() / 320.0f;
        const float vs = g.height() / 240.0f;
        QCOMPARE(s.display->horizontalScale, hs);
        QCOMPARE(s.display->verticalScale, vs);
        QCOMPARE(s.area->geometry(), QRect(int(32 * hs), int(24 * vs), int(160 * hs), int(120 * vs)));

        release(s.display, dragTo);
        QCOMPARE(recordRect(s.displayRecord()), g);
        QCOMPARE(recordRect(s.record), s.area->geometry());
        QCOMPARE(updates.count(), 1);
        QVERIFY(!s.display->pressed && s.display->resizeRegion == 0);
        QCOMPARE(s.display->cursor().shape(), Qt::PointingHandCursor);
    }

    void resizeScalesFromThePressNotFromTheLastStep()
    {
        Scene s(QRect(32, 24, 160, 120));
        QVERIFY(s.area);
        // several steps out and partly back: the areas depend on the last size only
        pressDragRelease(s.display, QPoint(317, 120),
                         {QPoint(418, 220), QPoint(600, 220), QPoint(740, 220), QPoint(577, 220)});
        QCOMPARE(s.display->geometry(), QRect(100, 100, 480, 240));
        QCOMPARE(s.area->geometry(), QRect(48, 24, 240, 120));
    }

    void areaDragIsClampedToItsDisplayWindow()
    {
        CommonWinObject other;
        other.name = QStringLiteral("other");
        other.width = 50;
        other.height = 50;
        Scene s(QRect(20, 20, 100, 80));
        QVERIFY(s.area);
        other.programName = s.record->programName;
        other.segmentName = s.record->segmentName;
        s.display->addCommonWin(false, &other, s.record->segmentType);
        CommonPlayWindow *otherArea = s.display->playWindows.value(1);
        QVERIFY(otherArea && otherArea->isVisible());
        QSignalSpy updates(&s.w, &Widget::sigUpdateCommon);

        // press at (50, 40) in the area; the display window is at (100, 100)
        press(s.area, QPoint(170, 160));
        QVERIFY(s.area->selected);
        QVERIFY(!otherArea->isVisible());
        QVERIFY(s.area->isVisible());
        drag(s.area, QPoint(140, 160)); // first step: not clamped
        QCOMPARE(s.area->pos(), QPoint(-10, 20));
        QVERIFY(s.area->moving);
        QCOMPARE(s.area->cursor().shape(), Qt::SizeAllCursor);
        drag(s.area, QPoint(130, 160));
        QCOMPARE(s.area->pos(), QPoint(0, 20));
        drag(s.area, QPoint(600, 600));
        QCOMPARE(s.area->geometry(), QRect(220, 160, 100, 80));
        drag(s.area, QPoint(200, 190));
        QCOMPARE(s.area->geometry(), QRect(50, 50, 100, 80));
        QCOMPARE(s.display->pos(), QPoint(100, 100));
        release(s.area, QPoint(200, 190));

        QCOMPARE(recordRect(s.record), QRect(50, 50, 100, 80));
        QCOMPARE(updates.count(), 1);
        QCOMPARE(updates.first().first().value<CommonWinObject *>(), s.record);
        QVERIFY(!s.area->pressed && !s.area->moving);
        QCOMPARE(s.area->cursor().shape(), Qt::SizeAllCursor);
    }

    void areaResizeBySide_data()
    {
        QTest::addColumn<int>("border");
        QTest::addColumn<QPoint>("pressAt"); // in the area
        QTest::addColumn<QPoint>("dragTo");  // in the display window
        QTest::addColumn<QRect>("expected");
        // the area is (40, 40, 100, 80) in a 320 x 240 display window
        QTest::newRow("right") << 0 << QPoint(97, 40) << QPoint(187, 80) << QRect(40, 40, 150, 80);
        QTest::newRow("right, cut") << 0 << QPoint(97, 40) << QPoint(400, 80) << QRect(40, 40, 280, 80);
        QTest::newRow("bottom") << 0 << QPoint(50, 77) << QPoint(90, 157) << QRect(40, 40, 100, 120);
        QTest::newRow("bottom, cut") << 0 << QPoint(50, 77) << QPoint(90, 400) << QRect(40, 40, 100, 200);
        QTest::newRow("bottom-right") << 0 << QPoint(97, 77) << QPoint(157, 137) << QRect(40, 40, 120, 100);
        QTest::newRow("bottom-right, cut both") << 0 << QPoint(97, 77) << QPoint(500, 500) << QRect(40, 40, 280, 200);
        QTest::newRow("top") << 0 << QPoint(50, 3) << QPoint(90, 23) << QRect(40, 23, 100, 100);
        QTest::newRow("top, above the window") << 0 << QPoint(50, 3) << QPoint(90, -30) << QRect(40, 0, 100, 80);
        QTest::newRow("top-right") << 0 << QPoint(97, 3) << QPoint(157, 23) << QRect(40, 23, 120, 100);
        QTest::newRow("top-right, cut") << 0 << QPoint(97, 3) << QPoint(400, 23) << QRect(40, 23, 280, 100);
        QTest::newRow("left") << 0 << QPoint(3, 40) << QPoint(23, 80) << QRect(23, 40, 120, 80);
        QTest::newRow("left, half the border off") << 6 << QPoint(3, 40) << QPoint(23, 80) << QRect(23, 40, 117, 80);
        QTest::newRow("left, past the window") << 0 << QPoint(3, 40) << QPoint(-20, 80) << QRect(0, 40, 100, 80);
        QTest::newRow("bottom-left") << 0 << QPoint(3, 77) << QPoint(23, 137) << QRect(23, 40, 120, 100);
        QTest::newRow("top-left") << 0 << QPoint(3, 3) << QPoint(23, 23) << QRect(23, 23, 120, 100);
        QTest::newRow("top-left, past the left") << 0 << QPoint(3, 3) << QPoint(-5, 23) << QRect(0, 43, 100, 80);
        QTest::newRow("top-left, above the top") << 0 << QPoint(3, 3) << QPoint(23, -5) << QRect(43, 0, 100, 80);
    }
    void areaResizeBySide()
    {
        QFETCH(int, border);
        QFETCH(QPoint, pressAt);
        QFETCH(QPoint, dragTo);
        QFETCH(QRect, expected);
        Scene s(QRect(40, 40, 100, 80), border);
        QVERIFY(s.area);
        QSignalSpy updates(&s.w, &Widget::sigUpdateCommon);

        const QPoint pressGlobal = s.display->pos() + s.area->pos() + pressAt;
        press(s.area, pressGlobal);
        drag(s.area, pressGlobal); // takes the region where the press was
        QVERIFY(s.area->resizeRegion != 0);
        QVERIFY(!s.area->moving);
        drag(s.area, s.display->pos() + dragTo);
        QCOMPARE(s.area->geometry(), expected);
        release(s.area, s.display->pos() + dragTo);
        QCOMPARE(recordRect(s.record), expected);
        QCOMPARE(updates.count(), 1);
        QCOMPARE(s.area->resizeRegion, 0);
    }

    void noEditingWhilePlayingOrLocked_data()
    {
        QTest::addColumn<bool>("playing");
        QTest::newRow("playing") << true;
        QTest::newRow("locked") << false;
    }
    void noEditingWhilePlayingOrLocked()
    {
        QFETCH(bool, playing);
        Scene s(QRect(40, 40, 100, 80));
        QVERIFY(s.area);
        (playing ? s.display->playing : s.display->locked) = true;
        s.area->selected = true; // a display-window press would clear it
        QSignalSpy updates(&s.w, &Widget::sigUpdateCommon);

        // the display window: a move from inside and a resize from the band
        pressDragRelease(s.display, QPoint(200, 200), {QPoint(350, 350), QPoint(400, 400)});
        pressDragRelease(s.display, QPoint(317, 120), {QPoint(418, 220), QPoint(600, 220)});
        QCOMPARE(s.display->geometry(), QRect(100, 100, 320, 240));
        QCOMPARE(s.area->geometry(), QRect(40, 40, 100, 80));
        QVERIFY(!s.display->pressed);

        // the area: a drag and a resize
        pressDragRelease(s.area, QPoint(50, 40), {QPoint(200, 200), QPoint(260, 260)});
        pressDragRelease(s.area, QPoint(97, 40), {QPoint(238, 180), QPoint(300, 180)});
        QCOMPARE(s.area->geometry(), QRect(40, 40, 100, 80));
        QVERIFY(s.area->selected);
        QVERIFY(!s.area->pressed);
        QCOMPARE(updates.count(), 4); // every release reports the area

        // a release still writes the geometry as it stands
        s.displayRecord()->x = 999;
        s.record->width = 999;
        release(s.display, QPoint(200, 200));
        QCOMPARE(recordRect(s.displayRecord()), QRect(100, 100, 320, 240));
        s.record->width = 999;
        release(s.area, QPoint(200, 200));
        QCOMPARE(recordRect(s.record), QRect(40, 40, 100, 80));
    }
};

QTEST_MAIN(MouseEditingTest)
#include "test_mouseediting.moc"

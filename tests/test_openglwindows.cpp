// Windows made without OpenGL until content needs it, on a real X display
// (and once more under a stacking window manager). A window made that way
// loads no OpenGL driver; the first content that needs OpenGL has its window
// made again where it was, as it was (on top, shown or hidden), hidden only
// for that once the driver has loaded, and that
// window then shows OpenGL drawing beside what Qt paints, as the screen's
// own pixels tell. A window holding a native child window is left as it is,
// with a reason. A schedule allows OpenGL before its windows are made only
// when one of its items needs it.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "playback/OpenGlWindows.h"
#include "support/GeneratedSchedules.h"
#include "support/X11Desktop.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>
#include <QScreen>
#include <QtTest>

namespace {

const QColor Painted(200, 30, 30);
const QColor Drawn(20, 190, 60);

// Whether the process has loaded the OpenGL driver or Qt's OpenGL side of X.
bool openGlDriverLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return true;
    const QByteArray mapped = maps.readAll();
    return mapped.contains("libqxcb-glx-integration") || mapped.contains("libGLX_mesa") || mapped.contains("_dri.so");
}

class GreenSurface : public QOpenGLWidget
{
protected:
    void paintGL() override
    {
        QOpenGLFunctions *gl = context()->functions();
        gl->glClearColor(float(Drawn.redF()), float(Drawn.greenF()), float(Drawn.blueF()), 1.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT);
    }
};

// A display window's likeness: frameless, on top, a painted label in its left half.
struct DisplayWindow
{
    DisplayWindow()
    {
        window.setWindowTitle(QStringLiteral("Display window7"));
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
        window.setGeometry(240, 160, 320, 200);
        painted = new QLabel(&window);
        painted->setGeometry(0, 0, 160, 200);
        painted->setStyleSheet(QStringLiteral("background:%1").arg(Painted.name()));
        area = new QLabel(&window);
        area->setGeometry(160, 0, 160, 200);
    }
    QLabel window;
    QLabel *painted = nullptr;
    QLabel *area = nullptr;
};

// Counts the hides of a window and tells whether the OpenGL driver was loaded at the first.
struct HideWatch : QObject
{
    explicit HideWatch(QWidget *window) { window->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && times++ == 0)
            driverWasLoaded = openGlDriverLoaded();
        return false;
    }
    int times = 0;
    bool driverWasLoaded = false;
};

// The screen's colour at the middle of `widget`.
QColor onScreen(const QWidget *widget)
{
    const QPoint middle = widget->mapToGlobal(widget->rect().center());
    return QGuiApplication::primaryScreen()->grabWindow(0, middle.x(), middle.y(), 1, 1).toImage().pixelColor(0, 0);
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

bool isAbove(const QWidget &window)
{
    const QVector<quint32> states
        = WindowManagerView::values(xcb_window_t(window.winId()), "_NET_WM_STATE", XCB_ATOM_ATOM);
    return states.contains(WindowManagerView::atom("_NET_WM_STATE_ABOVE"));
}

} // namespace

class OpenGlWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { OpenGlWindows::makeRasterUntilNeeded(); }
    void cleanup() { OpenGlWindows::allow(); }

    // First: nothing in this process has asked for OpenGL yet.
    void aWindowMadeWithoutLoadsNoDriverAndIsMadeAgainForOpenGl()
    {
        DisplayWindow display;
        display.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display.window));
        QVERIFY(!OpenGlWindows::canShow(&display.window));
        QVERIFY2(!openGlDriverLoaded(), "a window without OpenGL loaded the OpenGL driver");
        const QRect place = display.window.geometry();
        const bool managed = WindowManagerView::running();
        if (managed)
            QTRY_VERIFY(isAbove(display.window));
        const WId before = display.window.winId();

        // The driver loads while the window still shows: it is gone only while Qt makes it again.
        HideWatch hidden(&display.window);
        QString why;
        QVERIFY2(OpenGlWindows::prepare(display.area, &why), qPrintable(why));
        QCOMPARE(hidden.times, 1);
        QVERIFY2(hidden.driverWasLoaded, "the window was hidden while the OpenGL driver loaded");
        QVERIFY(OpenGlWindows::canShow(&display.window));
        QVERIFY(display.window.isVisible());
        QVERIFY(display.window.winId() != before);
        QVERIFY(QTest::qWaitForWindowExposed(&display.window));
        QCOMPARE(display.window.geometry(), place);
        if (managed)
            QTRY_VERIFY2(isAbove(display.window), "the window made again is no longer kept on top");

        auto *surface = new GreenSurface;
        surface->setParent(display.area);
        surface->setGeometry(display.area->rect());
        surface->show();
        QTRY_VERIFY2(near(onScreen(surface), Drawn), qPrintable(onScreen(surface).name()));
        QTRY_VERIFY2(near(onScreen(display.painted), Painted), qPrintable(onScreen(display.painted).name()));

        // Prepared once: the next content finds the window as it is.
        const WId capable = display.window.winId();
        QVERIFY(OpenGlWindows::prepare(display.painted));
        QCOMPARE(display.window.winId(), capable);
    }

    void aHiddenWindowStaysHiddenAndShowsOpenGlWhenShown()
    {
        DisplayWindow display;
        display.window.winId(); // made, never shown (a display window the operator hid)
        QVERIFY(!OpenGlWindows::canShow(&display.window));
        QVERIFY(OpenGlWindows::prepare(display.area));
        QVERIFY(!display.window.isVisible());
        auto *surface = new GreenSurface;
        surface->setParent(display.area);
        surface->setGeometry(display.area->rect());
        display.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display.window));
        QVERIFY(OpenGlWindows::canShow(&display.window));
        QTRY_VERIFY2(near(onScreen(surface), Drawn), qPrintable(onScreen(surface).name()));
    }

    void aWindowHoldingANativeChildIsLeftAsItIs()
    {
        DisplayWindow display;
        auto *player = new QWidget(display.area);
        player->setAttribute(Qt::WA_DontCreateNativeAncestors);
        player->setAttribute(Qt::WA_NativeWindow);
        player->setGeometry(display.area->rect());
        display.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&display.window));
        const WId window = display.window.winId();
        const WId native = player->winId();

        QString why;
        QVERIFY(!OpenGlWindows::prepare(display.painted, &why));
        QVERIFY2(why.contains(QLatin1String("Display window7")), qPrintable(why));
        QCOMPARE(display.window.winId(), window);
        QCOMPARE(player->winId(), native);
        QVERIFY(display.window.isVisible());
        QVERIFY(!OpenGlWindows::canShow(&display.window));
        // Windows made from now on can show OpenGL all the same.
        QLabel later;
        later.show();
        QVERIFY(QTest::qWaitForWindowExposed(&later));
        QVERIFY(OpenGlWindows::canShow(&later));
    }

    void aScheduleAllowsOpenGlOnlyForItemsThatNeedIt_data()
    {
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("pictures, texts and clocks")
            << QStringList{MediaKind::Image,       MediaKind::Office,      MediaKind::ScrollingText,
                           MediaKind::SimpleText,  MediaKind::AnalogClock, MediaKind::DigitalClock,
                           MediaKind::DigitalTimer}
            << false;
        QTest::newRow("a video after a picture") << QStringList{MediaKind::Image, MediaKind::Video} << true;
        QTest::newRow("a stream") << QStringList{MediaKind::Streaming} << true;
        QTest::newRow("a web page") << QStringList{MediaKind::Url} << true;
        QTest::newRow("the weather") << QStringList{MediaKind::Weather} << true;
        QTest::newRow("the camera") << QStringList{MediaKind::VideoDevice} << true;
    }
    void aScheduleAllowsOpenGlOnlyForItemsThatNeedIt()
    {
        QFETCH(QStringList, kinds);
        QFETCH(bool, allowed);
        auto owned = GeneratedSchedules::wide(2);
        // The items go into the last window of the last program: every one is looked at.
        CommonWinObject *window
            = owned->schedule().displayWindows.first().generalSegments.first()->programs.last()->windows.last();
        QVLedMediaObject *pattern = window->media.first();
        for (int i = 0; i < kinds.size(); ++i) {
            auto *item = i == 0 ? pattern : new QVLedMediaObject(*pattern);
            item->kind = kinds.at(i);
            if (i > 0)
                window->media << item;
        }
        OpenGlWindows::allowFor(owned->schedule());
        QLabel made;
        made.show();
        QVERIFY(QTest::qWaitForWindowExposed(&made));
        QCOMPARE(OpenGlWindows::canShow(&made), allowed);
    }
};

QTEST_MAIN(OpenGlWindowsTest)
#include "test_openglwindows.moc"

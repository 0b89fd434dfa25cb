// The desktop commands against a real X server (Xvfb): a locked display
// window stays put under a drag of the real pointer, and the monitor shows
// what the screen shows.

#include "base/AppContext.h"
#include "model/MediaProperties.h"
#include "model/ScheduleRecords.h"
#include "platform/Compositing.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/videoCoverLabel.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "shell/dialogs/MonitorWin.h"
#include "support/AddDisplayWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/X11Desktop.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

namespace {

// The main window out of the display windows' way, on the real screens.
struct Desk
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    std::unique_ptr<Widget> w;
    Desk()
    {
        AppContext::enumerateScreens();
        w.reset(new Widget);
        w->move(1000, 600);
        w->show();
    }
};

} // namespace

class DesktopX11Test : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QX11Info::isPlatformX11())
            QSKIP("needs an X server");
    }
    void cleanup() { AppContext::reset(); }

    void lockedDisplayWindowsStayPutUnderARealDrag()
    {
        Desk d;
        Widget &w = *d.w;
        ScriptedPrompts &prompts = d.prompts;
        // an unlocked display window follows the pointer: the drag is real
        MainPlayBKLabel *first = w.displayWindows.value(0);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        RealPointer::drag(first->geometry().center(), first->geometry().center() + QPoint(40, 30));
        QTRY_COMPARE(first->pos(), QPoint(40, 30));
        QVERIFY(w.document->saveSchedule(d.env.path("saved.qvsc")));

        w.slotOverallLock();
        prompts.onDialog = addDisplayWindowAt(QPoint(100, 300));
        w.slotAddDisplayWindow();
        prompts.fileName = d.env.path("saved.qvsc");
        prompts.answer = QMessageBox::No;
        w.slotOpenDoc();
        prompts.onDialog = addDisplayWindowAt(QPoint(100, 300));
        w.slotAddDisplayWindow();
        QCOMPARE(w.displayWindows.size(), 2);
        for (MainPlayBKLabel *display : w.displayWindows) {
            QVERIFY(QTest::qWaitForWindowExposed(display));
            const QPoint before = display->pos();
            RealPointer::drag(display->geometry().center(), display->geometry().center() + QPoint(60, 45));
            QTest::qWait(100);
            QCOMPARE(display->pos(), before);
        }
        QCOMPARE(w.playWinObjects.value(0)->x, 40);
        QCOMPARE(w.playWinObjects.value(1)->x, 100);
    }

    void theMonitorShowsTheDisplayWindowsColour()
    {
        Desk d;
        Widget &w = *d.w;
        MainPlayBKLabel *display = w.displayWindows.value(0);
        display->backgroundColour = QColor(0, 200, 0);
        display->showNameMarks = false;
        display->setGeometry(50, 60, 320, 240);
        for (QWidget *area : display->findChildren<QWidget *>())
            area->hide();
        display->update();
        QVERIFY(QTest::qWaitForWindowExposed(display));
        QTest::qWait(200);

        w.slotMonitor();
        MonitorWin *monitor = w.monitorWin();
        QVERIFY(QTest::qWaitForWindowExposed(monitor));
        QLabel *label = monitor->monitorLabels.value(0);
        QTRY_VERIFY(!label->pixmap(Qt::ReturnByValue).isNull());
        const QImage picture = label->pixmap(Qt::ReturnByValue).toImage();
        const QColor middle = picture.pixelColor(picture.width() / 2, picture.height() / 2);
        QVERIFY2(middle.green() > 150 && middle.red() < 60 && middle.blue() < 60, qPrintable(middle.name()));
    }

    // A bare X server composes nothing: a translucent cover would paint the
    // video black, so it is cut to its text and the video shows around it.
    void aCoverOnABareXServerShowsTheVideoAroundItsText()
    {
        QVERIFY(!Compositing::translucentWindowsShow());
        QWidget video; // stands in for a playing video
        video.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        video.setStyleSheet(QStringLiteral("background:rgb(220,0,0)"));
        video.setGeometry(200, 200, 400, 200);
        video.show();
        QVERIFY(QTest::qWaitForWindowExposed(&video));

        videoCoverLabel cover(nullptr);
        cover.setShapedByText(!Compositing::translucentWindowsShow());
        VideoProperty item;
        item.coverText = QStringLiteral("SALE SALE");
        item.coverFontSize = 40;
        item.coverBold = true;
        item.coverColour = QColor(0, 0, 255);
        cover.setCover(item);
        cover.setGeometry(video.geometry());
        cover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cover));
        QTest::qWait(200);

        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0, 200, 200, 400, 200).toImage();
        const QColor below = screen.pixelColor(300, 150); // far below the text's one line
        QVERIFY2(below.red() > 180 && below.blue() < 60, qPrintable(below.name()));
        int textPixels = 0;
        for (int x = 0; x < 300; ++x)
            for (int y = 0; y < 60; ++y)
                textPixels += screen.pixelColor(x, y).blue() > 180 ? 1 : 0;
        QVERIFY2(textPixels > 100, qPrintable(QString::number(textPixels)));
    }
};

QTEST_MAIN(DesktopX11Test)
#include "test_desktop_x11.moc"

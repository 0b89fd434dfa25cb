// Grabs desktop rectangles through Qt's screen grab of the whole desktop
// (window 0), which X11 and Windows both offer.

#include "platform/ScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
ScreenGrabber *installed = nullptr;
}

ScreenGrabber &ScreenGrabber::current()
{
    static ScreenGrabber real;
    return installed ? *installed : real;
}

void ScreenGrabber::install(ScreenGrabber *grabber)
{
    installed = grabber;
}

QPixmap ScreenGrabber::grab(const QRect &desktopRect)
{
    if (desktopRect.isEmpty())
        return QPixmap();
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPixmap();
    // Window 0 is the desktop itself: the rectangle is read in its coordinates.
    return screen->grabWindow(0, desktopRect.x(), desktopRect.y(), desktopRect.width(), desktopRect.height());
}

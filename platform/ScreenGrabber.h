#pragma once

// Pictures of what the desktop shows in a rectangle, for the monitor window.
// The program grabs for real; tests install a grabber of their own.

#include <QPixmap>
#include <QRect>

class ScreenGrabber
{
public:
    virtual ~ScreenGrabber() = default;

    // The grabber in use; installing null restores the real one.
    static ScreenGrabber &current();
    static void install(ScreenGrabber *grabber);

    // What the desktop shows in the rectangle (desktop coordinates); a null
    // picture when nothing can be grabbed, as on an offscreen platform.
    virtual QPixmap grab(const QRect &desktopRect);
};

#include "playback/OpenGlWindows.h"

#include "base/Log.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleRecords.h"

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QWidget>
#include <QWindow>

namespace OpenGlWindows {

namespace {

// QWidget::destroy() is protected; named through a class that makes it
// public, the member pointer is QWidget's own and calls it on any widget.
struct WindowRemaking : QWidget
{
    using QWidget::destroy;
};

bool holdsNativeChild(const QWidget *window)
{
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (const QWidget *child : children) {
        if (!child->isWindow() && child->internalWinId() != 0)
            return true;
    }
    return false;
}

// The OpenGL driver loads (the long part, the first time) while the window
// still shows; then it is hidden, its window dropped and shown again: Qt
// makes a new window for it, able to show OpenGL content now that it is
// allowed.
void remake(QWidget *window)
{
    QOffscreenSurface driverLoad;
    driverLoad.create();
    const bool visible = window->isVisible();
    if (visible)
        window->hide();
    (window->*(&WindowRemaking::destroy))(true, true);
    if (visible)
        window->show();
}

} // namespace

void makeRasterUntilNeeded()
{
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, true);
}

void allow()
{
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets, false);
}

bool familyNeedsIt(MediaFamily family)
{
    switch (family) {
    case MediaFamily::Video:
    case MediaFamily::Streaming:
    case MediaFamily::Url:
    case MediaFamily::Weather: // its pictures are web views
    case MediaFamily::VideoDevice:
        return true;
    case MediaFamily::Image:
    case MediaFamily::AnalogClock:
    case MediaFamily::DigitalClock:
    case MediaFamily::DigitalTimer:
    case MediaFamily::Text:
        return false;
    }
    return false;
}

void allowFor(const Schedule &schedule)
{
    const bool needed = anyScheduleItem(schedule, [](const QVLedMediaObject &item) {
        MediaFamily family;
        return MediaKinds::familyOf(item.kind, &family) && familyNeedsIt(family);
    });
    if (needed)
        allow();
}

bool canShow(const QWidget *window)
{
    if (const QWindow *handle = window->windowHandle(); handle && window->testAttribute(Qt::WA_WState_Created))
        return handle->supportsOpenGL();
    return !QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets);
}

bool prepare(QWidget *host, QString *why)
{
    allow();
    QWidget *window = host->window();
    if (canShow(window))
        return true;
    if (holdsNativeChild(window)) {
        const QString reason = QStringLiteral("the display window \"%1\" was made without OpenGL and holds a "
                                              "window of another player: open the schedule again to show this item")
                                   .arg(window->windowTitle());
        qCWarning(lcPlayback).noquote() << reason;
        if (why)
            *why = reason;
        return false;
    }
    qCInfo(lcPlayback).noquote() << "the display window" << window->windowTitle()
                                 << "is made again able to show OpenGL content";
    remake(window);
    return true;
}

} // namespace OpenGlWindows

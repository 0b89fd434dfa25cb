#pragma once

// Which top-level windows can show OpenGL content: videos drawn through
// libmpv's render API, web pages. Qt makes every window able to by default,
// and the first such window loads the OpenGL driver as it picks its
// configuration (on a software renderer about a hundred milliseconds and
// tens of megabytes). The program makes its windows without OpenGL from its
// start, so the editor and a schedule of pictures and texts never load the
// driver; the first content that needs it allows it for every window made
// from then on, and its own display window, when made without, is made again
// once with it.
//
// A window with a native child window (a video that libmpv draws into a
// window of its own, the camera's view) cannot be made again under it: that
// content prepares its display window too, before its native window is made,
// and loads no more than it would itself (libmpv draws with OpenGL as well).

#include "model/MediaKinds.h"

class QString;
class QWidget;
struct Schedule;

namespace OpenGlWindows {

// Windows made from now on draw without OpenGL (at start, before any window).
void makeRasterUntilNeeded();
// Windows made from now on can show OpenGL content.
void allow();
// Allows OpenGL when an item of `schedule` needs it: its display windows,
// about to be made, then never have to be made again.
void allowFor(const Schedule &schedule);

// Whether items of `family` draw with OpenGL or into a native window of their own.
bool familyNeedsIt(MediaFamily family);
// Whether the top-level `window` can show OpenGL content as it is made now
// (a window not made yet will be able to once allowed).
bool canShow(const QWidget *window);
// Makes the window of `host` able to show OpenGL content: allows it, and
// makes a window that was made without again, with its place, size, flags
// and visibility. False, with the reason in *why, when that window holds a
// native child window (a video drawn into a window of its own): it cannot
// be made again under its player, and stays as it is.
bool prepare(QWidget *host, QString *why = nullptr);

} // namespace OpenGlWindows

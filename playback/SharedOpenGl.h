#pragma once

// The OpenGL context that every window's contexts share. The web engine
// draws only through it, and a window's contexts share with it only when it
// existed before them. Qt can make it at start, but that loads the OpenGL
// driver (tens of megabytes, tens of milliseconds) into every start; made
// here instead, before the first web view and the first video drawn with
// OpenGL, only a schedule that shows them pays for it.

namespace SharedOpenGl {

// Makes the shared context once; true when it is there, false when OpenGL
// cannot make one on this platform.
bool ensure();

} // namespace SharedOpenGl

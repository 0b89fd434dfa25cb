#pragma once

// The OpenGL context that every window's contexts share, which the web
// engine draws through. Qt can make it at start, but that loads the OpenGL
// driver (tens of megabytes, tens of milliseconds) into every start; made
// here instead, before the first web view, only a schedule or a panel that
// shows web content pays for it. Videos drawn with OpenGL do not need it.

namespace SharedOpenGl {

// Makes the shared context once; true when it is there, false when OpenGL
// cannot make one on this platform.
bool ensure();

} // namespace SharedOpenGl

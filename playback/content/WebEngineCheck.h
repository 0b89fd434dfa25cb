#pragma once

// Whether web views can be made in this process, and what the web engine
// needs before it starts. The web engine draws through shared OpenGL
// contexts; without them (a platform with no OpenGL, or an application that
// did not set Qt::AA_ShareOpenGLContexts before it was made) making a web
// view ends the process. Asked once, before the first web view.

#include <QString>

namespace WebEngineCheck {

// Readies the engine for this process before it starts: run as the
// super-user (an operator following the installation notes, a service), the
// engine's sandbox refuses to start and ends the whole process, so the
// sandbox is switched off here, and that is logged once. Later calls do
// nothing. usable() calls it first.
void prepareEngine();

// True when web views can be made; otherwise false and `why` says why.
bool usable(QString *why = nullptr);

} // namespace WebEngineCheck

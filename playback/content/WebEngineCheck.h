#pragma once

// Whether web views can be made in this process. The web engine draws
// through shared OpenGL contexts; without them (a platform with no OpenGL,
// or an application that did not set Qt::AA_ShareOpenGLContexts before it
// was made) making a web view ends the process. Asked once, before the
// first web view.

#include <QString>

namespace WebEngineCheck {

// True when web views can be made; otherwise false and `why` says why.
bool usable(QString *why = nullptr);

} // namespace WebEngineCheck

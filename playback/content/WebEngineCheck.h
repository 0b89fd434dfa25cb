#pragma once

// Whether web views can be made in this process, what the web engine needs
// before it starts, and the web module that holds the engine. The web engine
// draws through shared OpenGL contexts; without them (a platform with no
// OpenGL, or an application that did not set Qt::AA_ShareOpenGLContexts
// before it was made) making a web view ends the process. Asked once, before
// the first web view.

#include <QString>

class WebModule;

namespace WebEngineCheck {

// Readies the engine for this process before it starts: run as the
// super-user (an operator following the installation notes, a service), the
// engine's sandbox refuses to start and ends the whole process, so the
// sandbox is switched off here, and that is logged once. Later calls do
// nothing. usable() calls it first.
void prepareEngine();

// True when web views can be made; otherwise false and `why` says why.
bool usable(QString *why = nullptr);

// The web module, opened on the first call once the engine is readied and
// found usable; null when web pages cannot be shown here (no shared OpenGL,
// the module missing, broken or of another program), with the reason in *why.
// Each reason is logged once.
WebModule *module(QString *why = nullptr);

} // namespace WebEngineCheck

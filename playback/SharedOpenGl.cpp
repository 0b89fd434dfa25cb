#include "playback/SharedOpenGl.h"

#include <QCoreApplication>
#include <QOpenGLContext>

// Qt's own setter of the shared context, exported by Qt GUI (its web engine
// uses it the same way).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace SharedOpenGl {

bool ensure()
{
    if (QOpenGLContext::globalShareContext())
        return true;
    auto *context = new QOpenGLContext(QCoreApplication::instance());
    if (!context->create()) {
        delete context;
        return false;
    }
    qt_gl_set_global_share_context(context);
    return true;
}

} // namespace SharedOpenGl

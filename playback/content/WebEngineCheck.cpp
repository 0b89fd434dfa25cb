// The one check before the first web view.

#include "playback/content/WebEngineCheck.h"

#include "base/Log.h"

#include <QGuiApplication>
#include <QOpenGLContext>

namespace WebEngineCheck {

namespace {
QString findReason()
{
    if (!QOpenGLContext::globalShareContext())
        return QStringLiteral("the application shares no OpenGL contexts (platform %1)")
            .arg(QGuiApplication::platformName());
    QOpenGLContext probe;
    probe.setShareContext(QOpenGLContext::globalShareContext());
    if (!probe.create())
        return QStringLiteral("no OpenGL context can be made on platform %1").arg(QGuiApplication::platformName());
    return QString();
}
} // namespace

bool usable(QString *why)
{
    static const QString reason = [] {
        const QString found = findReason();
        if (!found.isEmpty())
            qCWarning(lcPlayback).noquote() << "web pages and weather pictures cannot be shown:" << found;
        return found;
    }();
    if (why)
        *why = reason;
    return reason.isEmpty();
}

} // namespace WebEngineCheck

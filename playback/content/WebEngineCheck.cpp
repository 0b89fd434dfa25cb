// The one check before the first web view, and the way to the web module.

#include "playback/content/WebEngineCheck.h"

#include "base/Log.h"
#include "base/Modules.h"
#include "platform/ProcessControl.h"
#include "playback/SharedOpenGl.h"
#include "playback/content/WebModule.h"

#include <QGuiApplication>
#include <QOpenGLContext>

namespace WebEngineCheck {

namespace {
QString findReason()
{
    if (!SharedOpenGl::ensure())
        return QStringLiteral("no shared OpenGL context can be made on platform %1")
            .arg(QGuiApplication::platformName());
    QOpenGLContext probe;
    probe.setShareContext(QOpenGLContext::globalShareContext());
    if (!probe.create())
        return QStringLiteral("no OpenGL context can be made on platform %1").arg(QGuiApplication::platformName());
    return QString();
}
} // namespace

void prepareEngine()
{
    static const bool prepared = [] {
        // The engine reads this when it starts, at the first web view.
        if (ProcessControl::runsAsSuperUser() && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
            qCInfo(lcPlayback) << "running as the super-user: web pages are shown without the web engine's sandbox";
        }
        return true;
    }();
    Q_UNUSED(prepared)
}

bool usable(QString *why)
{
    prepareEngine();
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

WebModule *module(QString *why)
{
    // The engine reads its sandbox setting when it starts, which may be as the module is opened.
    if (!usable(why))
        return nullptr;
    const QString name = QStringLiteral("web");
    QString reason;
    WebModule *web = Modules::instance<WebModule>(name, &reason);
    // A module that is missing or broken is logged as it is opened; one that opens but is not ours is told here.
    static bool toldForeign = false;
    if (!web && Modules::isLoaded(name) && !toldForeign) {
        toldForeign = true;
        qCWarning(lcPlayback).noquote() << "web pages and weather pictures cannot be shown:" << reason;
    }
    if (why)
        *why = reason;
    return web;
}

} // namespace WebEngineCheck

// A web page that answers and refuses everything that would need a person.

#include "modules/web/QuietWebPage.h"

#include <QWebEngineFullScreenRequest>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>

QuietWebPage::QuietWebPage(QObject *parent) : QWebEnginePage(parent)
{
    // window.open then gives null, and no hidden page loads what it named.
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl &origin, QWebEnginePage::Feature feature) {
                setFeaturePermission(origin, feature, QWebEnginePage::PermissionDeniedByUser);
            });
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::quotaRequested, this, [](QWebEngineQuotaRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    // Printing (window.print) is asked for through printRequested, which nothing here answers.
}

void QuietWebPage::javaScriptAlert(const QUrl &, const QString &)
{ }

bool QuietWebPage::javaScriptConfirm(const QUrl &, const QString &)
{
    return false;
}

bool QuietWebPage::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *)
{
    return false;
}

QWebEnginePage *QuietWebPage::createWindow(WebWindowType)
{
    return nullptr;
}

QStringList QuietWebPage::chooseFiles(FileSelectionMode, const QStringList &, const QStringList &)
{
    return {};
}

// A page that logs in a loop would otherwise fill the program's own log.
void QuietWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int, const QString &)
{ }

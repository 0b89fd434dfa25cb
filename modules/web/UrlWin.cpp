// The web page widget: what is loaded, its zoom, and a hidden page kept silent.

#include "modules/web/UrlWin.h"

#include "modules/web/QuietWebPage.h"

#include <QResizeEvent>
#include <QWebEnginePage>
#include <QWebEngineView>

UrlWin::UrlWin(QWidget *parent) : QLabel(parent)
{
    webView = new QWebEngineView(this);
    webView->setPage(new QuietWebPage(webView));
    // Made after the view, so it lies over it.
    overlayLabel = new QLabel(this);
    overlayLabel->setStyleSheet(QStringLiteral("background:transparent"));
    connect(webView->page(), &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_loadFailed = !ok;
        emit sigLoadFinished(ok);
    });
    // The engine freezes only a page it sees hidden, which it learns after this widget's hide event.
    connect(webView->page(), &QWebEnginePage::visibleChanged, this, [this](bool visible) {
        if (!visible && !isVisible())
            webView->page()->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
    });
}

bool UrlWin::isShowing(const QString &newAddress) const
{
    const QUrl shown = webView->url();
    if (!isWebAddress(newAddress))
        return newAddress == shown.toString();
    // The engine keeps a web address in its own spelling: small scheme and host, "/" for no path.
    QUrl wanted(newAddress);
    if (wanted.path().isEmpty())
        wanted.setPath(QStringLiteral("/"));
    return wanted.adjusted(QUrl::NormalizePathSegments) == shown.adjusted(QUrl::NormalizePathSegments);
}

bool UrlWin::loadAddress(const QString &newAddress)
{
    address = newAddress;
    // A page that failed is tried again: its server may be up by now.
    if (!m_loadFailed && isShowing(newAddress))
        return false;
    m_loadFailed = false;
    webView->load(urlFor(newAddress));
    return true;
}

void UrlWin::applyZoom()
{
    // The engine refuses factors below a quarter; a tiny area shows the page at that.
    webView->setZoomFactor(qBound<qreal>(0.25, zoomFor(width()), 5.0));
}

void UrlWin::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    webView->resize(event->size());
    overlayLabel->resize(event->size());
    applyZoom();
}

void UrlWin::showEvent(QShowEvent *event)
{
    QWebEnginePage *page = webView->page();
    page->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    page->setAudioMuted(false);
    QLabel::showEvent(event);
}

void UrlWin::hideEvent(QHideEvent *event)
{
    QLabel::hideEvent(event);
    webView->page()->setAudioMuted(true);
}

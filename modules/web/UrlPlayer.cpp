// The web-page player: the page of the item, at the zoom of the area's width.

#include "modules/web/UrlPlayer.h"

#include "base/Log.h"
#include "model/QVLedMediaObject.h"
#include "modules/web/UrlWin.h"

#include <QFileInfo>
#include <QSet>

namespace {
// The addresses whose failure is told already: a page that stays unreachable
// is told once for the whole process, whichever area shows it, not at every
// round of the list; once it loads, a new failure is told again.
QSet<QString> &toldFailures()
{
    static QSet<QString> addresses;
    return addresses;
}
} // namespace

void UrlPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_page) {
        m_page = new UrlWin(area());
        adoptView(m_page);
        connect(m_page, &UrlWin::sigLoadFinished, this, &UrlPlayer::pageLoaded);
    }
    m_page->playTime = item->url.playTime;
    m_page->loadAddress(item->url.address);
    m_page->applyZoom();
    showView();
}

void UrlPlayer::resume()
{
    if (!m_page)
        return;
    m_page->applyZoom();
    showView();
}

void UrlPlayer::pageLoaded(bool ok)
{
    const QString &address = m_page->address;
    if (ok) {
        toldFailures().remove(address);
        return;
    }
    // Nothing of the page shows, only the engine's error: the area shows nothing instead.
    m_page->hide();
    if (!toldFailures().contains(address)) {
        toldFailures().insert(address);
        const bool missingFile = !UrlWin::isWebAddress(address) && !QFileInfo::exists(address);
        qCWarning(lcPlayback).noquote() << "a web page cannot show:" << address
                                        << (missingFile ? "is no file here" : "did not load");
    }
    reportFinished(false);
}

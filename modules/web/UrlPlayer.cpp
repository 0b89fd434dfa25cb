// The web-page player: the page of the item, at the zoom of the area's width.

#include "modules/web/UrlPlayer.h"

#include "model/QVLedMediaObject.h"
#include "modules/web/UrlWin.h"

void UrlPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_page) {
        m_page = new UrlWin(area());
        adoptView(m_page);
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

// The common rule of the media property slots and the place of a media panel.

#include "panels/MediaPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/PanelHost.h"

MediaPanel::MediaPanel(PanelHost &host, MediaFamily family, QWidget *windowPanel, int builtHeight, int placedHeight)
    : PropertyPanel(host, windowPanel), m_family(family), m_placedHeight(placedHeight)
{
    placeAtBottom(builtHeight);
}

void MediaPanel::relayout()
{
    placeAtBottom(m_placedHeight);
}

void MediaPanel::placeAtBottom(int height)
{
    const QWidget *windowPanel = parentWidget();
    if (!windowPanel)
        return;
    setGeometry(0, windowPanel->height() - height, windowPanel->width(), height);
}

void MediaPanel::refill()
{
    QVLedMediaObject *item = host().curMedia();
    MediaFamily family;
    if (item && MediaKinds::familyOf(item->kind, &family) && family == m_family)
        fill(item);
}

bool MediaPanel::editCurrent(const Write &write, Preview preview)
{
    return edit(nullptr, write, preview);
}

bool MediaPanel::editCurrentOfKind(MediaKindId kind, const Write &write, Preview preview)
{
    return edit(&kind, write, preview);
}

bool MediaPanel::edit(const MediaKindId *onlyKind, const Write &write, Preview preview)
{
    QVLedMediaObject *item = host().curMedia();
    if (!item)
        return false;
    const MediaKindRow *row = onlyKind ? MediaKinds::find(item->kind) : nullptr;
    if (!onlyKind || (row && row->id == *onlyKind))
        write(*item);
    if (preview == Preview::Refresh)
        host().refreshPreview(m_family);
    reportChange();
    return true;
}

void MediaPanel::reportChange()
{
    QVLedMediaObject *item = host().curMedia();
    if (item && host().mediaRowCount() > 0)
        emit sigQVMediaChanged(host().currentMediaRow(), item);
}

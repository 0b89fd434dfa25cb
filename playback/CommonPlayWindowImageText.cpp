// The area's slots of pictures, Office pages and texts: each hands on to the
// content player of its family, which shows, pages and times the item.

#include "playback/CommonPlayWindow.h"

#include "playback/content/ImageContentPlayer.h"
#include "playback/content/TextContentPlayer.h"

void CommonPlayWindow::slotPlayImage(QVLedMediaObject *item)
{
    previewItem(item);
}

void CommonPlayWindow::slotPlaySimpleText(QVLedMediaObject *item)
{
    previewItem(item);
}

void CommonPlayWindow::slotPlayImageTimeout()
{
    if (auto *player = qobject_cast<ImageContentPlayer *>(m_content.find(MediaFamily::Image)))
        player->pageTimeout();
}

void CommonPlayWindow::slotPlayTextTimeout()
{
    if (auto *player = qobject_cast<TextContentPlayer *>(m_content.find(MediaFamily::Text)))
        player->pageTimeout();
}

void CommonPlayWindow::textPlayFinished()
{
    if (auto *player = qobject_cast<TextContentPlayer *>(m_content.find(MediaFamily::Text)))
        player->passFinished();
}

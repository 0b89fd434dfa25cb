#pragma once

// Pictures, Office pages and texts for the play tests: items loaded into the
// window a PlayFixture loaded last, and the content players that show them.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "playback/CommonPlayWindow.h"
#include "playback/content/ImageContentPlayer.h"
#include "playback/content/TextContentPlayer.h"
#include "support/PicturePages.h"
#include "support/PlayFixture.h"

#include <QFontDatabase>
#include <QPixmap>

namespace PictureItems {

// A picture of one colour.
inline QPixmap filled(const QSize &size, const QColor &colour)
{
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

// A general segment "G" with a program "P" (played `playMode`) and an empty window "W" for items.
inline CommonWinObject *emptyWindow(PlayFixture &f, int playMode = 0)
{
    f.addGeneral(QStringLiteral("G"));
    f.addProgram(QStringLiteral("P"), QStringLiteral("generalSegment"), playMode);
    return f.addWindow(QStringLiteral("W"), 0);
}

// An "image" item (or "office" with `pages` pages) in the window loaded last.
inline QVLedMediaObject *addImage(PlayFixture &f, const ImageProperty &block, const QString &kind = MediaKind::Image)
{
    static int id = 1000;
    CommonWinObject *window = f.tree->curCommonWin;
    if (kind == MediaKind::Office)
        f.tree->loadOfficeObject(++id, f.display, window->segmentName, window->programName, window->name, block);
    else
        f.tree->loadImageObject(++id, f.display, window->segmentName, window->programName, window->name, block);
    QVLedMediaObject *item = window->media.last();
    item->image.pixmap = block.pixmap; // a picture held in memory: these items need no file
    item->image.pages = block.pages;
    return item;
}

inline ImageProperty officeBlock(int pages, int stayTime)
{
    ImageProperty block;
    block.path = QStringLiteral("/documents/report.docx");
    block.stayTime = stayTime;
    block.pages = PicturePages::coloured(pages); // red, green, blue, yellow
    return block;
}

inline QVLedMediaObject *addText(PlayFixture &f, const QString &kind, const TextProperty &block)
{
    static int id = 2000;
    CommonWinObject *window = f.tree->curCommonWin;
    f.tree->loadTextObject(kind, ++id, f.display, window->segmentName, window->programName, window->name, block);
    return window->media.last();
}

inline ImageContentPlayer *imagePlayer(CommonPlayWindow *area)
{
    return qobject_cast<ImageContentPlayer *>(area->content().find(MediaFamily::Image));
}

inline TextContentPlayer *textPlayer(CommonPlayWindow *area)
{
    return qobject_cast<TextContentPlayer *>(area->content().find(MediaFamily::Text));
}

// The fonts the set-up installs, loaded by file so every machine measures alike.
inline QString loadFont(const QString &file = QStringLiteral("DejaVuSansMono.ttf"))
{
    const int id = QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/") + file);
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

} // namespace PictureItems

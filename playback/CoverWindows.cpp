// One rule for the place of the video cover windows, and when they show.

#include "playback/CoverWindows.h"

#include "model/MediaKinds.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"

namespace CoverWindows {

QPoint position(const QPoint &displayWindowPos, const QPoint &areaPos, int borderWidth)
{
    const int half = borderWidth / 2;
    return displayWindowPos + areaPos + QPoint(half, half);
}

void place(const MainPlayBKLabel &displayWindow)
{
    for (const CommonPlayWindow *area : displayWindow.playWindows) {
        QWidget *cover = area->coverWindow();
        if (!cover)
            continue;
        const int border = area->winObject ? area->winObject->borderWidth : area->borderWidth;
        cover->move(position(displayWindow.pos(), area->pos(), border));
    }
}

void hideAll(const MainPlayBKLabel &displayWindow)
{
    for (const CommonPlayWindow *area : displayWindow.playWindows) {
        if (QWidget *cover = area->coverWindow())
            cover->hide();
    }
}

bool showsVideo(const CommonPlayWindow &area)
{
    const QString &kind = area.mediaList.isEmpty() ? area.previewKind : area.currentKind;
    MediaFamily family;
    return MediaKinds::familyOf(kind, &family) && family == MediaFamily::Video;
}

void showForVideo(const MainPlayBKLabel &displayWindow)
{
    for (const CommonPlayWindow *area : displayWindow.playWindows) {
        QWidget *cover = area->coverWindow();
        if (cover && showsVideo(*area))
            cover->show();
    }
}

} // namespace CoverWindows

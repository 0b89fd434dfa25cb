// One rule for the place of the video cover windows, and when they show.

#include "playback/CoverWindows.h"

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
        // The border the area shows, which places its video; its record may
        // already hold a newer one that a playing display window has not taken.
        cover->move(position(displayWindow.pos(), area->pos(), area->borderWidth));
    }
}

void hideAll(const MainPlayBKLabel &displayWindow)
{
    for (const CommonPlayWindow *area : displayWindow.playWindows) {
        if (QWidget *cover = area->coverWindow())
            cover->hide();
    }
}

void showWhereWanted(const MainPlayBKLabel &displayWindow)
{
    for (CommonPlayWindow *area : displayWindow.playWindows)
        area->showVideoCover();
}

} // namespace CoverWindows

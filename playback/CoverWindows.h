#pragma once

// The video cover windows of a display window's areas. A cover window is a
// top-level window in desktop coordinates, so whatever moves a display window
// (its own drag, the back-stage commands) puts the covers back here, by one
// rule: display window position + area position + half the area's border.

#include <QPoint>

class CommonPlayWindow;
class MainPlayBKLabel;

namespace CoverWindows {

// Where an area's cover window lies, borderWidth halved toward zero.
QPoint position(const QPoint &displayWindowPos, const QPoint &areaPos, int borderWidth);

// Puts every cover window of the display window's areas at its place.
void place(const MainPlayBKLabel &displayWindow);
// Hides every cover window of the display window's areas.
void hideAll(const MainPlayBKLabel &displayWindow);
// Shows the cover window of each area whose video now shown has its cover
// on; the others stay hidden.
void showWhereWanted(const MainPlayBKLabel &displayWindow);

} // namespace CoverWindows

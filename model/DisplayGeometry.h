#pragma once

// The bounds of a display window's and an area's position and size: what
// the display-window settings accept, and what a schedule file may bring.
// A file is not trusted: a size of 32767 by 32767 would ask for gigabytes
// of window, and a position near the end of int would overflow.

class PlayWinObject;
class CommonWinObject;

namespace DisplayGeometry {

constexpr int kMinSize = 1;
constexpr int kMaxSize = 16384;
constexpr int kMinPosition = -16384;
constexpr int kMaxPosition = 16384;

// Brings the display window's position and size into the bounds; true when
// anything had to change.
bool clamp(PlayWinObject &window);
// The same for an area, whose size may also be 0 (it then takes the size of
// its display window) and whose border is no wider than the largest size.
bool clamp(CommonWinObject &window);

} // namespace DisplayGeometry

// Clamping of display-window and area geometry.

#include "model/DisplayGeometry.h"

#include "model/ScheduleRecords.h"

#include <QtGlobal>

namespace DisplayGeometry {

namespace {
bool clampInto(int &value, int minimum, int maximum)
{
    const int bounded = qBound(minimum, value, maximum);
    const bool changed = bounded != value;
    value = bounded;
    return changed;
}
} // namespace

bool clamp(PlayWinObject &window)
{
    bool changed = clampInto(window.x, kMinPosition, kMaxPosition);
    changed |= clampInto(window.y, kMinPosition, kMaxPosition);
    changed |= clampInto(window.width, kMinSize, kMaxSize);
    changed |= clampInto(window.height, kMinSize, kMaxSize);
    return changed;
}

bool clamp(CommonWinObject &window)
{
    bool changed = clampInto(window.x, kMinPosition, kMaxPosition);
    changed |= clampInto(window.y, kMinPosition, kMaxPosition);
    changed |= clampInto(window.width, 0, kMaxSize);
    changed |= clampInto(window.height, 0, kMaxSize);
    changed |= clampInto(window.borderWidth, 0, kMaxSize);
    return changed;
}

} // namespace DisplayGeometry

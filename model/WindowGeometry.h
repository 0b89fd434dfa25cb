#pragma once

// The rules that keep a window (area) inside its display window while its
// position and size are edited field by field, and the sixteen position and
// size presets. Pure: the window panel applies the answers to its spin boxes,
// whose own edits then follow the same rules.

#include <QList>
#include <QRect>
#include <QSize>

namespace WindowGeometry {

enum class Field { X, Y, Width, Height };

// What an edit of one field to a value does.
struct Step {
    bool store = false;    // the value goes into the field
    bool complete = false; // no bound stopped the edit: the window is shown anew
    bool correct = false;  // a spin box is set to correction (its own edit follows)
    Field correctField = Field::X;
    int correctValue = 0;
};

// One edit of `field` to `value`, for a window at `window` in a display window
// whose record is `bounds` large. A value past its own bound is corrected and
// not stored (X at most W - 5, Y at most H - 5, width at most W, height at most
// H); a stored value that pushes the window out changes the other field of its
// axis.
Step edit(Field field, int value, const QRect &window, const QSize &bounds);

// The position and size presets of the tree's window menu, in menu order.
enum class Preset {
    Center,
    CenterHorizontally,
    CenterVertically,
    Left,
    Right,
    Top,
    Bottom,
    Fullscreen,
    HorizontalFullscreen,
    HorizontalHalf,
    HorizontalThird,
    HorizontalQuarter,
    VerticalFullscreen,
    VerticalHalf,
    VerticalThird,
    VerticalQuarter,
};

struct Setting {
    Field field;
    int value;
    bool operator==(const Setting &other) const { return field == other.field && value == other.value; }
};

// The fields a preset sets, in order, for a window of `window` size on a
// display window `screen` large (divisions truncate toward zero; values are
// not clamped here).
QList<Setting> preset(Preset preset, const QSize &screen, const QSize &window);

} // namespace WindowGeometry

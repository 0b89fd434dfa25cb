// Bounds of a window's position and size, and the presets.

#include "model/WindowGeometry.h"

namespace WindowGeometry {

namespace {
Step corrected(Field field, int value)
{
    Step step;
    step.correct = true;
    step.correctField = field;
    step.correctValue = value;
    return step;
}

// The value is stored; when the window then sticks out, `other` is pulled in.
Step stored(bool sticksOut, Field other, int otherValue)
{
    Step step = sticksOut ? corrected(other, otherValue) : Step();
    step.store = true;
    step.complete = !sticksOut;
    return step;
}
} // namespace

Step edit(Field field, int value, const QRect &window, const QSize &bounds)
{
    const int w = bounds.width();
    const int h = bounds.height();
    switch (field) {
    case Field::X:
        if (value > w - 5)
            return corrected(Field::X, w - 5);
        return stored(w - window.width() < value, Field::Width, w - value);
    case Field::Y:
        if (value > h - 5)
            return corrected(Field::Y, h - 5);
        return stored(h - window.height() < value, Field::Height, h - value);
    case Field::Width:
        if (value > w)
            return corrected(Field::Width, w);
        return stored(w - window.x() < value, Field::X, w - value);
    case Field::Height:
        if (value > h)
            return corrected(Field::Height, h);
        return stored(h - window.y() < value, Field::Y, h - value);
    }
    return Step();
}

QList<Setting> preset(Preset preset, const QSize &screen, const QSize &window)
{
    const int w = screen.width();
    const int h = screen.height();
    const int centreX = (w - window.width()) / 2;
    const int centreY = (h - window.height()) / 2;
    switch (preset) {
    case Preset::Center:
        return {{Field::X, centreX}, {Field::Y, centreY}};
    case Preset::CenterHorizontally:
        return {{Field::X, centreX}};
    case Preset::CenterVertically:
        return {{Field::Y, centreY}};
    case Preset::Left:
        return {{Field::X, 0}};
    case Preset::Right:
        return {{Field::X, w - window.width()}};
    case Preset::Top:
        return {{Field::Y, 0}};
    case Preset::Bottom:
        return {{Field::Y, h - window.height()}};
    case Preset::Fullscreen:
        return {{Field::X, 0}, {Field::Width, w}, {Field::Y, 0}, {Field::Height, h}};
    case Preset::HorizontalFullscreen:
        return {{Field::X, 0}, {Field::Width, w}};
    case Preset::HorizontalHalf:
        return {{Field::X, 0}, {Field::Width, w / 2}};
    case Preset::HorizontalThird:
        return {{Field::X, 0}, {Field::Width, w / 3}};
    case Preset::HorizontalQuarter:
        return {{Field::X, 0}, {Field::Width, w / 4}};
    case Preset::VerticalFullscreen:
        return {{Field::Y, 0}, {Field::Height, h}};
    case Preset::VerticalHalf:
        return {{Field::Y, 0}, {Field::Height, h / 2}};
    case Preset::VerticalThird:
        return {{Field::Y, 0}, {Field::Height, h / 3}};
    case Preset::VerticalQuarter:
        return {{Field::Y, 0}, {Field::Height, h / 4}};
    }
    return {};
}

} // namespace WindowGeometry

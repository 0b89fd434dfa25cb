// The value lists of the media panels.

#include "panels/controls/MediaValueLists.h"

#include <QCoreApplication>

namespace MediaValueLists {

namespace {
QStringList texts(std::initializer_list<const char *> sources)
{
    QStringList list;
    for (const char *source : sources)
        list << QString::fromUtf8(source);
    return list;
}

QStringList numbers(int first, int step, int count)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << QString::number(first + i * step);
    return list;
}
} // namespace

QStringList fontSizes()
{
    return numbers(8, 8, 10);
}

QStringList colourful()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "None"), QT_TRANSLATE_NOOP("Widget", "Horizontal gradient(six colors)"),
                  QT_TRANSLATE_NOOP("Widget", "Vertical gradient(six colors)"),
                  QT_TRANSLATE_NOOP("Widget", "Angle gradient(six colors)"),
                  QT_TRANSLATE_NOOP("Widget", "Three color streamer word"),
                  QT_TRANSLATE_NOOP("Widget", "Rainbow streamer word")});
}

QStringList horizontalAlignments()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "Align Left"), QT_TRANSLATE_NOOP("Widget", "Align Right"),
                  QT_TRANSLATE_NOOP("Widget", "Center")});
}

QStringList verticalAlignments()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "Align Top"), QT_TRANSLATE_NOOP("Widget", "Align Bottom"),
                  QT_TRANSLATE_NOOP("Widget", "Center")});
}

QStringList imageStyles()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "Tile"), QT_TRANSLATE_NOOP("Widget", "Stretch")});
}

QStringList rollingDirections()
{
    // "Left toRight" is the text the list has always shown.
    return texts({QT_TRANSLATE_NOOP("Widget", "Right to Left"), QT_TRANSLATE_NOOP("Widget", "Left toRight")});
}

QStringList rollingSpeeds()
{
    return numbers(1, 1, 10);
}

QStringList scaleTypes()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "Fill"), QT_TRANSLATE_NOOP("Widget", "Original Scale")});
}

QStringList rotations()
{
    return texts({QT_TRANSLATE_NOOP("Widget", "None"), QT_TRANSLATE_NOOP("Widget", "90"),
                  QT_TRANSLATE_NOOP("Widget", "180"), QT_TRANSLATE_NOOP("Widget", "270")});
}

QStringList translated(const QStringList &sources)
{
    QStringList list;
    for (const QString &source : sources)
        list << QCoreApplication::translate("Widget", source.toUtf8().constData());
    return list;
}

} // namespace MediaValueLists

// The shared value lists of the text-drawing panels.

#include "panels/controls/TextLists.h"

#include <QCoreApplication>

namespace TextLists {

QStringList fontSizes()
{
    QStringList sizes;
    for (int size = 8; size <= 80; size += 8)
        sizes << QString::number(size);
    return sizes;
}

QStringList colourfulStyles()
{
    static const char *const styles[] = {
        QT_TRANSLATE_NOOP("TextLists", "None"),
        QT_TRANSLATE_NOOP("TextLists", "Horizontal gradient(six colors)"),
        QT_TRANSLATE_NOOP("TextLists", "Vertical gradient(six colors)"),
        QT_TRANSLATE_NOOP("TextLists", "Angle gradient(six colors)"),
        QT_TRANSLATE_NOOP("TextLists", "Three color streamer word"),
        QT_TRANSLATE_NOOP("TextLists", "Rainbow streamer word"),
    };
    QStringList list;
    for (const char *style : styles)
        list << QCoreApplication::translate("TextLists", style);
    return list;
}

} // namespace TextLists

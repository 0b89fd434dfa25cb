#include "editor/NoFocusRectangleStyle.h"

#include <QWidget>

void NoFocusRectangleStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                          QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameFocusRect && widget && widget->inherits("QTreeView"))
        return;
    QCommonStyle::drawPrimitive(element, option, painter, widget);
}

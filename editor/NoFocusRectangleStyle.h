#pragma once

// The look of the schedule trees: everything the common style draws, but
// never the dotted frame around the item that has the focus.

#include <QCommonStyle>

class NoFocusRectangleStyle : public QCommonStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

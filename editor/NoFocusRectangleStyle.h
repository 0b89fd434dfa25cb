#pragma once

#include <QCommonStyle>

// Draws trees without the dotted focus frame.
class NoFocusRectangleStyle : public QCommonStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

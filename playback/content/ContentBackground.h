#pragma once

// The background of a content widget from the head fields of its item's
// block: transparent, a colour, or a picture tiled, stretched or (for the
// clocks and the count timer) set as the label's own picture. Written once
// for the clocks, the count timer and the weather window.
//
// A colour is a style sheet. A picture is not named in a style sheet (Qt
// would read the whole file on the GUI thread at the next polish, and wait
// for ever on a FIFO): it is decoded in the background and painted under the
// widget (PictureBackdrop), and the style sheet keeps the widget transparent.

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

struct BackgroundFields
{
    bool transparent = false;
    bool isColour = true;
    QColor colour{0, 0, 0};
    QString picture;
    int imageStyle = 0; // 0 tiled, 1 stretched, other values: the label's picture (when allowed)
};

namespace ContentBackground {

// The head fields of any block that has them (clocks, count timer, weather, camera).
template <typename Block>
BackgroundFields of(const Block &block)
{
    BackgroundFields f;
    f.transparent = block.bgTransparent != 0;
    f.isColour = block.bgIsColour;
    f.colour = block.bgColour;
    f.picture = block.bgPicture;
    f.imageStyle = block.bgImageStyle;
    return f;
}

enum class OtherStyles {
    SetPixmap,   // any other picture style shows the picture as the label's pixmap
    NoBackground // any other picture style sets no background at all
};

// The style sheet of the rule; empty for "no background". `selector` scopes
// it to one widget type, so a window whose children have style sheets of
// their own does not take its background into each child.
QString styleSheet(const BackgroundFields &fields, const QString &selector = QString());

// Replaces whatever background the label had with the item's.
void apply(QLabel *label, const BackgroundFields &fields, OtherStyles otherStyles, const QString &selector = QString());

// The picture of the rule (tiled or stretched) painted under `widget`
// instead of any it had, for a widget that sets styleSheet() itself.
void paintPicture(QWidget *widget, const BackgroundFields &fields);

} // namespace ContentBackground

// One background rule for the content widgets.

#include "playback/content/ContentBackground.h"

#include "playback/content/PictureBackdrop.h"

#include <QLabel>
#include <QPixmap>

namespace ContentBackground {

namespace {
PictureBackdrop::Style pictureStyle(const BackgroundFields &f, OtherStyles otherStyles)
{
    if (f.transparent || f.isColour)
        return PictureBackdrop::Style::None;
    if (f.imageStyle == 0)
        return PictureBackdrop::Style::Tiled;
    if (f.imageStyle == 1)
        return PictureBackdrop::Style::Stretched;
    return otherStyles == OtherStyles::SetPixmap ? PictureBackdrop::Style::LabelPixmap : PictureBackdrop::Style::None;
}

void showPicture(QWidget *widget, const BackgroundFields &f, OtherStyles otherStyles)
{
    const PictureBackdrop::Style style = pictureStyle(f, otherStyles);
    // A widget that never had a picture gets no backdrop for showing none.
    if (PictureBackdrop *backdrop = PictureBackdrop::of(widget, style != PictureBackdrop::Style::None))
        backdrop->show(f.picture, style);
}
} // namespace

QString styleSheet(const BackgroundFields &f, const QString &selector)
{
    QString rule;
    if (f.transparent)
        rule = QStringLiteral("background:transparent");
    else if (f.isColour)
        // Qt's style sheets refuse rgba() without an alpha and would show no colour at all.
        rule = QStringLiteral("background:rgb(%1,%2,%3);")
                   .arg(f.colour.red())
                   .arg(f.colour.green())
                   .arg(f.colour.blue());
    else if (f.imageStyle == 0 || f.imageStyle == 1)
        rule = QStringLiteral("background:transparent;"); // the picture is painted under the widget
    if (rule.isEmpty() || selector.isEmpty())
        return rule;
    return selector + QStringLiteral(" { ") + rule + QStringLiteral(" }");
}

void apply(QLabel *label, const BackgroundFields &f, OtherStyles otherStyles, const QString &selector)
{
    if (!label)
        return;
    label->setStyleSheet(styleSheet(f, selector));
    label->setPixmap(QPixmap()); // a picture of its own comes when it is decoded
    showPicture(label, f, otherStyles);
}

void paintPicture(QWidget *widget, const BackgroundFields &f)
{
    if (widget)
        showPicture(widget, f, OtherStyles::NoBackground);
}

} // namespace ContentBackground

// One background rule for the content widgets.

#include "playback/content/ContentBackground.h"

#include <QLabel>
#include <QPixmap>

namespace ContentBackground {

namespace {
// A quoted url() keeps paths with blanks or brackets whole.
QString cssUrl(const QString &path)
{
    QString escaped = path;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
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
    else if (f.imageStyle == 0)
        rule = QStringLiteral("background-image: url(%1);").arg(cssUrl(f.picture));
    else if (f.imageStyle == 1)
        rule = QStringLiteral("border-image: url(%1);").arg(cssUrl(f.picture));
    if (rule.isEmpty() || selector.isEmpty())
        return rule;
    return selector + QStringLiteral(" { ") + rule + QStringLiteral(" }");
}

void apply(QLabel *label, const BackgroundFields &f, OtherStyles otherStyles, const QString &selector)
{
    if (!label)
        return;
    label->setStyleSheet(styleSheet(f, selector));
    const bool pixmapCase = !f.transparent && !f.isColour && f.imageStyle != 0 && f.imageStyle != 1;
    if (pixmapCase && otherStyles == OtherStyles::SetPixmap)
        label->setPixmap(QPixmap(f.picture)); // a picture that does not load leaves no pixmap
    else
        label->setPixmap(QPixmap());
}

} // namespace ContentBackground

// The background row shared by the clock, count-timer, weather and camera panels.

#include "panels/controls/BackgroundRow.h"

#include "model/QVLedMediaObject.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace {
const char *const kContext = "BackgroundRow";
QString trRow(const char *source)
{
    return QCoreApplication::translate(kContext, source);
}
QStringList styleEntries()
{
    return {trRow(QT_TRANSLATE_NOOP("BackgroundRow", "Tile")), trRow(QT_TRANSLATE_NOOP("BackgroundRow", "Stretch"))};
}
} // namespace

BackgroundRow::BackgroundRow(QWidget *page, int y, const Policy &policy, Fields fields, Edit edit)
    : QObject(page), m_policy(policy), m_fields(fields), m_edit(std::move(edit))
{
    auto *caption = new QLabel(page);
    caption->setGeometry(10, y, 90, 26);
    m_caption = caption;
    m_chooserBox = new QComboBox(page);
    m_chooserBox->setGeometry(100, y, 280, 26);
    m_chooserBox->setObjectName(QStringLiteral("background"));
    m_chooser = new BackgroundChooser(m_chooserBox, BackgroundChooser::colourFirst, this);
    m_colourButton = new ColourButton(page, QSize(90, 26), QRect(6, 4, 78, 16));
    m_colourButton->move(380, y);
    m_colourButton->setObjectName(QStringLiteral("bgColour"));
    m_styleBox = new QComboBox(page);
    m_styleBox->setGeometry(480, y, 90, 26);
    m_styleBox->setObjectName(QStringLiteral("bgImageStyle"));
    if (policy.hasTransparent) {
        m_transparentBox = new QCheckBox(page);
        m_transparentBox->setGeometry(574, y, 110, 26);
        m_transparentBox->setObjectName(QStringLiteral("bgTransparent"));
    }
    retranslate();
}

void BackgroundRow::retranslate()
{
    m_caption->setText(trRow(QT_TRANSLATE_NOOP("BackgroundRow", "Background:")));
    m_chooser->retranslate();
    refillCombo(m_styleBox, styleEntries(), qMax(0, m_styleBox->currentIndex()));
    if (m_transparentBox)
        m_transparentBox->setText(trRow(QT_TRANSLATE_NOOP("BackgroundRow", "Transparent")));
}

void BackgroundRow::fill(QVLedMediaObject &item)
{
    const BackgroundFieldRefs f = m_fields(item);
    const FillGuard guard{m_chooserBox, m_colourButton, m_styleBox, m_transparentBox};
    m_chooser->fill(*f.isColour, *f.picture);
    m_colourButton->setColour(*f.colour);
    m_styleBox->setCurrentIndex(*f.imageStyle);
    const bool transparent = f.transparent && *f.transparent;
    if (m_transparentBox)
        m_transparentBox->setChecked(transparent);
    m_chooserBox->setEnabled(!transparent);
    m_colourButton->setEnabled(!transparent && *f.isColour);
    m_styleBox->setEnabled(!transparent && !*f.isColour);
}

void BackgroundRow::setChoiceEnabled(bool enabled)
{
    m_chooserBox->setEnabled(enabled);
    m_colourButton->setEnabled(enabled);
    m_styleBox->setEnabled(enabled);
}

void BackgroundRow::choose(BackgroundChooser::Choice choice, const QString &picture)
{
    const bool colour = choice == BackgroundChooser::Choice::First;
    m_styleBox->setEnabled(!colour);
    m_colourButton->setEnabled(colour);
    const Fields fields = m_fields;
    m_edit(m_policy.choiceOfKindOnly, [fields, choice, picture](QVLedMediaObject &item) {
        const BackgroundFieldRefs f = fields(item);
        *f.isColour = choice == BackgroundChooser::Choice::First;
        // A cancelled picture dialog keeps the picture stored before.
        if (choice == BackgroundChooser::Choice::Picture)
            *f.picture = picture;
    });
}

void BackgroundRow::storeColour(const QColor &colour)
{
    const Fields fields = m_fields;
    const bool switchToColour = m_policy.colourMakesColourMode;
    m_edit(m_policy.colourOfKindOnly, [fields, colour, switchToColour](QVLedMediaObject &item) {
        const BackgroundFieldRefs f = fields(item);
        *f.colour = colour;
        if (switchToColour)
            *f.isColour = true;
    });
}

void BackgroundRow::storeImageStyle(int index)
{
    if (index < 0)
        return;
    const Fields fields = m_fields;
    m_edit(false, [fields, index](QVLedMediaObject &item) { *fields(item).imageStyle = index; });
}

void BackgroundRow::storeTransparent(bool on)
{
    setChoiceEnabled(!on);
    const Fields fields = m_fields;
    m_edit(false, [fields, on](QVLedMediaObject &item) {
        if (bool *transparent = fields(item).transparent)
            *transparent = on;
    });
}

// The weather panel: its controls, the province and city choice, its filler
// and its property slots.

#include "panels/WeatherPanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/WeatherCities.h"
#include "panels/controls/BackgroundRow.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

using namespace PanelControls;

namespace {
BackgroundFieldRefs weatherBackground(QVLedMediaObject &item)
{
    WeatherProperty &p = item.weather;
    return {&p.bgIsColour, &p.bgColour, &p.bgPicture, &p.bgImageStyle, &p.bgTransparent};
}
} // namespace

// 200 pixels high when built, 220 once the main window was maximised or restored.
WeatherPanel::WeatherPanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::Weather, windowPanel, 200, 220)
{
    const BackgroundRow::Policy policy{MediaKindId::Weather, false, true, false, true};
    m_background = new BackgroundRow(this, 4, policy, &weatherBackground, [this](bool ofKind, const Write &write) {
        ofKind ? (void)editCurrentOfKind(MediaKindId::Weather, write) : (void)editCurrent(write);
    });
    connect(m_background->chooser(), &BackgroundChooser::sigChosen, this, &WeatherPanel::slotweatherBackgroundChange);
    connect(m_background->colourButton(), &ColourButton::sigColourChosen, this, &WeatherPanel::slotweatherBKColorSet);
    connect(m_background->styleBox(), qOverload<int>(&QComboBox::activated), this,
            &WeatherPanel::slotweatherBKImageStyleChange);
    connect(m_background->transparentBox(), &QCheckBox::toggled, this, &WeatherPanel::slotweatherBKTransparent);

    m_texts.label(this, QT_TR_NOOP("City"), QRect(10, 40, 90, 26));
    m_countryBox = comboBox(this, QRect(100, 40, 150, 26));
    m_countryBox->addItem(QStringLiteral("中国")); // one country, and choosing it does nothing
    m_provinceBox = comboBox(this, QRect(260, 40, 150, 26));
    m_provinceBox->setObjectName(QStringLiteral("province"));
    m_cityBox = comboBox(this, QRect(420, 40, 150, 26));
    m_cityBox->setObjectName(QStringLiteral("city"));
    connect(m_provinceBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &WeatherPanel::slotWeatherProvinceChange);
    connect(m_cityBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &WeatherPanel::sigCityChosen);

    m_texts.label(this, QT_TR_NOOP("Update cycle:"), QRect(10, 70, 120, 26));
    m_intervalSpin = spinBox(this, QRect(120, 70, 120, 26), 1, 1000);
    m_intervalSpin->setObjectName(QStringLiteral("updateInterval"));
    connect(m_intervalSpin, qOverload<int>(&QSpinBox::valueChanged), this, &WeatherPanel::slotweatherUpdateChanged);
    m_texts.label(this, QT_TR_NOOP("Min"), QRect(246, 70, 120, 26));
    m_texts.label(this, QT_TR_NOOP("Play time:"), QRect(380, 70, 90, 26));
    m_timeLengthEdit = timeEdit(this, QRect(470, 70, 120, 26));
    m_timeLengthEdit->setObjectName(QStringLiteral("timeLength"));
    connect(m_timeLengthEdit, &QTimeEdit::timeChanged, this, &WeatherPanel::slotweatherTimeLength);

    // The first province fills the city choice; nothing is asked for until
    // the main window listens (it sends no request while it is being built).
    for (int i = 0; i < WeatherCities::provinceEntries().size(); ++i)
        m_provinceBox->addItem(WeatherCities::provinceName(i));
    trUpdate();
}

void WeatherPanel::trUpdate()
{
    m_texts.retranslate();
    m_background->retranslate();
}

QString WeatherPanel::cityName(int index) const
{
    return index >= 0 && index < m_cityBox->count() ? m_cityBox->itemText(index) : QString();
}

int WeatherPanel::currentCity() const
{
    return m_cityBox->currentIndex();
}

void WeatherPanel::slotWeatherProvinceChange(int index)
{
    m_cityBox->clear(); // reports -1, which asks for nothing
    const QStringList cities
        = WeatherCities::citiesOf(WeatherCities::cityFilePath(), WeatherCities::provinceCode(index));
    // The first city added becomes current and is asked for.
    m_cityBox->addItems(cities);
}

void WeatherPanel::updateWeatherProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    m_background->fill(*item);
    const FillGuard guard{m_intervalSpin, m_timeLengthEdit};
    m_intervalSpin->setValue(item->weather.updateInterval);
    m_timeLengthEdit->setTime(item->weather.timeLength);
}

void WeatherPanel::slotweatherBackgroundChange(BackgroundChooser::Choice choice, const QString &picture)
{
    m_background->choose(choice, picture);
}

void WeatherPanel::slotweatherBKColorSet(const QColor &colour)
{
    m_background->storeColour(colour);
}

void WeatherPanel::slotweatherBKImageStyleChange(int index)
{
    m_background->storeImageStyle(index);
}

void WeatherPanel::slotweatherBKTransparent(bool on)
{
    m_background->storeTransparent(on);
}

void WeatherPanel::slotweatherUpdateChanged(int minutes)
{
    // Stored only: no timer follows it.
    editCurrent([minutes](QVLedMediaObject &i) { i.weather.updateInterval = minutes; });
}

void WeatherPanel::slotweatherTimeLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.weather.timeLength = time; });
}

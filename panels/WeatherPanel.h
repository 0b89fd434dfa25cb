#pragma once

// The weather panel: background, update interval and play time of a
// "weather" item, and the province and city whose forecast is asked for.
// The city belongs to the panel, not to the item: choosing one asks the main
// window (sigCityChosen) to request its forecast.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/PanelTexts.h"

#include <QColor>
#include <QTime>

class BackgroundRow;
class QComboBox;
class QSpinBox;
class QTimeEdit;

class WeatherPanel : public MediaPanel
{
    Q_OBJECT

public:
    WeatherPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateWeatherProperty(item); }
    void updateWeatherProperty(QVLedMediaObject *item);

    // The city at `index` of the city choice, empty when there is none.
    QString cityName(int index) const;
    int currentCity() const;
    QComboBox *provinceBox() const { return m_provinceBox; }
    QComboBox *cityBox() const { return m_cityBox; }

public slots:
    // Fills the city choice with the province's cities from "city.txt"; the
    // first becomes current and is asked for.
    void slotWeatherProvinceChange(int index);
    void slotweatherBackgroundChange(BackgroundChooser::Choice choice, const QString &picture);
    // The colour is stored in a weather item only; the colour mode stays as it is.
    void slotweatherBKColorSet(const QColor &colour);
    void slotweatherBKImageStyleChange(int index);
    void slotweatherBKTransparent(bool on);
    void slotweatherUpdateChanged(int minutes);
    void slotweatherTimeLength(const QTime &time);

signals:
    // The city choice moved to `index` (-1 when it was emptied).
    void sigCityChosen(int index);

private:
    PanelTexts m_texts{"WeatherPanel"};
    BackgroundRow *m_background = nullptr;
    QComboBox *m_countryBox = nullptr;
    QComboBox *m_provinceBox = nullptr;
    QComboBox *m_cityBox = nullptr;
    QSpinBox *m_intervalSpin = nullptr;
    QTimeEdit *m_timeLengthEdit = nullptr;
};

// The weather of the main window: the request for the weather panel's city,
// the reply read into a forecast, and the forecast handed to the areas of
// the current display window (and, once play has begun, to areas that never
// had one).

#include "model/QVLedMediaObject.h"
#include "panels/WeatherCities.h"
#include "panels/WeatherPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/WeatherService.h"
#include "shell/Widget.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

void Widget::slotWeatherProvinceChange(int index)
{
    weatherSetupLabel()->slotWeatherProvinceChange(index);
}

namespace {
// Before the weather panel is made its choice stands at the first province.
QString firstProvinceCity(int index)
{
    return WeatherCities::citiesOf(WeatherCities::cityFilePath(), WeatherCities::provinceCode(0)).value(index);
}
} // namespace

void Widget::slotweatherCityChange(int index)
{
    const WeatherPanel *panel = madePanel<WeatherPanel>(MediaFamily::Weather);
    const QString city = panel ? panel->cityName(index) : firstProvinceCity(index);
    if (city.isEmpty())
        return;
    networkManager->get(QNetworkRequest(WeatherService::requestUrl(city)));
}

void Widget::requestWeatherFromPanel(int cityIndex)
{
    m_weatherService->resetRetries();
    slotweatherCityChange(cityIndex);
}

void Widget::requestStartupWeather()
{
    const WeatherPanel *panel = madePanel<WeatherPanel>(MediaFamily::Weather);
    requestWeatherFromPanel(panel ? panel->currentCity() : 0);
}

void Widget::refreshWeatherPreview()
{
    if (!curMedia)
        return;
    // A playing display window neither asks for weather nor shows a preview.
    const MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName);
    if (displayWindow && !displayWindow->playing)
        requestWeatherFromPanel(weatherSetupLabel()->currentCity());
    previewCurrentMedia(&MainPlayBKLabel::previewWeather);
}

void Widget::replyFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    const QByteArray body = reply->readAll();
    m_weatherService->noteReply(reply->error(), reply->errorString());
    reply->deleteLater();
    parseWeatherJsonData(body);
}

void Widget::parseWeatherJsonData(const QByteArray &data)
{
    const WeatherService::Reply reply = WeatherService::parse(data);
    switch (reply.outcome) {
    case WeatherService::Outcome::Unreadable:
        return;
    case WeatherService::Outcome::ErrorReply:
        // A service that answers every request with an error is asked a few times, not for ever.
        if (m_weatherService->takeRetry())
            slotweatherCityChange(0);
        return;
    case WeatherService::Outcome::Forecast:
        break;
    }
    m_weatherService->resetRetries();
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        // A display window in real play shows only the schedule; but a weather
        // window that never had a forecast (the reply came after play began)
        // shows nothing yet, and filling it changes nothing the screen showed.
        const bool playing = realPlayDisplayNames.contains(displayWindow->name);
        if (!playing && displayWindow->name != curDisplayName)
            continue;
        for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows)) {
            if (!playing || !area->weatherForecast())
                area->setWeatherForecast(reply.forecast);
        }
    }
}

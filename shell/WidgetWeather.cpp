// The weather of the main window: the request for the weather panel's city,
// the reply read into a forecast, and the forecast handed to the areas of
// the current display window.

#include "model/QVLedMediaObject.h"
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
    weatherSetupLabel->slotWeatherProvinceChange(index);
}

void Widget::slotweatherCityChange(int index)
{
    const QString city = weatherSetupLabel->cityName(index);
    if (city.isEmpty())
        return;
    networkManager->get(QNetworkRequest(WeatherService::requestUrl(city)));
}

void Widget::requestWeatherFromPanel(int cityIndex)
{
    m_weatherService->resetRetries();
    slotweatherCityChange(cityIndex);
}

void Widget::refreshWeatherPreview()
{
    if (!curMedia)
        return;
    // A playing display window neither asks for weather nor shows a preview.
    const MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName);
    if (displayWindow && !displayWindow->playing)
        requestWeatherFromPanel(weatherSetupLabel->currentCity());
    previewCurrentMedia(&MainPlayBKLabel::previewWeather);
}

void Widget::replyFinished(QNetworkReply *reply)
{
    if (!reply)
        return;
    const QByteArray body = reply->readAll();
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
    if (realPlayDisplayNames.contains(curDisplayName))
        return; // a display window in real play shows only the schedule
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != curDisplayName)
            continue;
        for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows))
            area->setWeatherForecast(reply.forecast);
    }
}

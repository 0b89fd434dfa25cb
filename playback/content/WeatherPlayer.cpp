// The weather player: the window on the item's background, with the area's forecast.

#include "playback/content/WeatherPlayer.h"

#include "model/QVLedMediaObject.h"
#include "playback/content/ContentBackground.h"
#include "playback/content/WeatherWindow.h"

void WeatherPlayer::setForecast(const WeatherForecast &forecast)
{
    m_forecast = forecast;
    m_hasForecast = true;
    if (m_window)
        m_window->showForecast(forecast);
}

void WeatherPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_window) {
        m_window = new WeatherWindow(area());
        adoptView(m_window);
        if (m_hasForecast)
            m_window->showForecast(m_forecast);
    }
    // Scoped to the window itself: its labels have style sheets of their own.
    ContentBackground::apply(m_window, ContentBackground::of(item->weather),
                             ContentBackground::OtherStyles::NoBackground, QStringLiteral("WeatherWindow"));
    showView();
}

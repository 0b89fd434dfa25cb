#pragma once

// The player of weather items. It keeps the last forecast written to its
// area; its window (with three web views for the pictures) is made the first
// time a weather item shows and starts with that forecast.

#include "playback/content/WeatherForecast.h"
#include "playback/content/WidgetContentPlayer.h"

class WeatherWindow;

class WeatherPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override { }
    void resume() override { showView(); }

    // The forecast the window shows, now or once it is made.
    void setForecast(const WeatherForecast &forecast);
    WeatherWindow *window() const { return m_window; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;

private:
    WeatherWindow *m_window = nullptr;
    WeatherForecast m_forecast;
    bool m_hasForecast = false;
};

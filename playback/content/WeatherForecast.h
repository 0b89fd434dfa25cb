#pragma once

// A three-day forecast as the weather window shows it: today's heading and
// current temperature, today's weather, and for each of the three days its
// date (days 1 and 2), temperature, wind and picture address. Every text is
// plain text from the service; empty where the reply had nothing.

#include <QString>

#include <array>

struct WeatherForecast
{
    QString heading;            // today: date, a line break, weekday
    QString currentTemperature; // today's temperature now
    QString todayWeather;
    std::array<QString, 3> dates; // [0] unused: today's date is in the heading
    std::array<QString, 3> temperatures;
    std::array<QString, 3> winds;
    std::array<QString, 3> pictures; // picture addresses, as the service sent them

    bool operator==(const WeatherForecast &other) const
    {
        return heading == other.heading && currentTemperature == other.currentTemperature
               && todayWeather == other.todayWeather && dates == other.dates && temperatures == other.temperatures
               && winds == other.winds && pictures == other.pictures;
    }
    bool operator!=(const WeatherForecast &other) const { return !(*this == other); }
};

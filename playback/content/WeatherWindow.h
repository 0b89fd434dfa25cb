#pragma once

// The weather of an area: a fixed grid of labels and three small web views
// for the day pictures, written by the main window's reply parser. Texts are
// shown as plain text, and a view loads only an http or https picture that
// differs from the one it holds. The views come from the web module; where
// it cannot be had, the window shows its texts and no pictures.

#include "playback/content/WeatherForecast.h"

#include <QLabel>

#include <array>

class WebModule;

class WeatherWindow : public QLabel
{
    Q_OBJECT

public:
    explicit WeatherWindow(QWidget *parent);

    QLabel *headLabel = nullptr;
    QLabel *day1WeatherLabel = nullptr;
    QLabel *day2WeatherLabel = nullptr;
    // The picture views (web views of the web module); null where web views
    // cannot be shown (WebEngineCheck::module).
    QWidget *todayIcon = nullptr;
    QWidget *day1Icon = nullptr;
    QWidget *day2Icon = nullptr;
    QLabel *todayWeatherLabel = nullptr;
    QLabel *currentLabel = nullptr;
    QLabel *todayWindLabel = nullptr;
    QLabel *day1WindLabel = nullptr;
    QLabel *day2WindLabel = nullptr;
    QLabel *todayTemperatureLabel = nullptr;
    QLabel *day1TemperatureLabel = nullptr;
    QLabel *day2TemperatureLabel = nullptr;

    // Writes the forecast into the labels and the picture views, then repaints.
    void showForecast(const WeatherForecast &forecast);
    // Only these pictures are loaded; anything else clears the view.
    static bool isLoadablePicture(const QString &address);
    // The address view `day` (0..2) holds; empty when cleared.
    QString pictureAddress(int day) const;
    // How many picture loads were started so far.
    int pictureLoads() const { return m_pictureLoads; }

private:
    void buildRows();
    void setPicture(int day, const QString &address);

    WebModule *m_web = nullptr;              // null: no pictures here
    std::array<QWidget *, 3> m_iconPlaces{}; // the three views, or empty places of their size
    std::array<QString, 3> m_pictureAddresses;
    int m_pictureLoads = 0;
};

// The weather window's grid and what a forecast writes into it.

#include "playback/content/WeatherWindow.h"

#include "playback/content/WebEngineCheck.h"
#include "playback/content/WebModule.h"

#include <QHBoxLayout>
#include <QUrl>
#include <QVBoxLayout>

#include <initializer_list>
#include <utility>

namespace {
QLabel *makeLabel(QWidget *parent, int w, int h, const char *style, bool centred)
{
    auto *label = new QLabel(parent);
    label->setFixedSize(w, h);
    label->setStyleSheet(QLatin1String(style));
    // The service's texts come over plain HTTP: never read as markup.
    label->setTextFormat(Qt::PlainText);
    if (centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return label;
}

// A picture view; without the web module, an empty place of its size.
QWidget *makeIcon(QWidget *parent, WebModule *web, QWidget **view)
{
    constexpr int width = 42;
    constexpr int height = 30;
    if (web)
        return *view = web->createPictureView(parent, width, height);
    auto *place = new QWidget(parent);
    place->setFixedSize(width, height);
    return place;
}

// One row: stretch 1, then each widget followed by its stretch.
QHBoxLayout *row(std::initializer_list<std::pair<QWidget *, int>> cells)
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (const auto &cell : cells) {
        layout->addWidget(cell.first);
        layout->addStretch(cell.second);
    }
    return layout;
}
} // namespace

WeatherWindow::WeatherWindow(QWidget *parent) : QLabel(parent)
{
    const char *cyan = "color:#00ffff;font:13px";
    const char *green = "color:#00ff00;font:16px";
    headLabel = makeLabel(this, 60, 34, cyan, true);
    day1WeatherLabel = makeLabel(this, 50, 26, cyan, true);
    day2WeatherLabel = makeLabel(this, 50, 26, cyan, true);
    m_web = WebEngineCheck::module();
    m_iconPlaces
        = {makeIcon(this, m_web, &todayIcon), makeIcon(this, m_web, &day1Icon), makeIcon(this, m_web, &day2Icon)};
    todayWeatherLabel = makeLabel(this, 200, 40, "color:#ff6600;font:26px", false);
    currentLabel = makeLabel(this, 60, 40, "color:#00ff00;font:26px", false);
    todayWindLabel = makeLabel(this, 120, 30, green, true);
    day1WindLabel = makeLabel(this, 120, 30, green, true);
    day2WindLabel = makeLabel(this, 120, 30, green, true);
    todayTemperatureLabel = makeLabel(this, 120, 30, green, true);
    day1TemperatureLabel = makeLabel(this, 120, 30, green, true);
    day2TemperatureLabel = makeLabel(this, 120, 30, green, true);
    buildRows();
}

void WeatherWindow::buildRows()
{
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 10, 0, 10);
    rows->addLayout(row({{m_iconPlaces[0], 2}, {todayWeatherLabel, 5}}), 0);
    rows->addLayout(row({{headLabel, 2}, {day1WeatherLabel, 2}, {day2WeatherLabel, 1}}), 0);
    rows->addLayout(row({{currentLabel, 2}, {m_iconPlaces[1], 2}, {m_iconPlaces[2], 1}}), 0);
    rows->addLayout(row({{todayWindLabel, 2}, {day1WindLabel, 2}, {day2WindLabel, 1}}), 0);
    rows->addLayout(row({{todayTemperatureLabel, 2}, {day1TemperatureLabel, 2}, {day2TemperatureLabel, 1}}), 0);
}

bool WeatherWindow::isLoadablePicture(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

QString WeatherWindow::pictureAddress(int day) const
{
    return day >= 0 && day < 3 ? m_pictureAddresses[size_t(day)] : QString();
}

void WeatherWindow::setPicture(int day, const QString &address)
{
    const QString wanted = isLoadablePicture(address) ? address : QString();
    if (wanted == m_pictureAddresses[size_t(day)])
        return; // an unchanged picture is not loaded again
    m_pictureAddresses[size_t(day)] = wanted;
    QWidget *view = day == 0 ? todayIcon : (day == 1 ? day1Icon : day2Icon);
    if (!view || !m_web)
        return; // no web engine here: the address is kept, nothing is drawn
    if (!wanted.isEmpty())
        ++m_pictureLoads;
    // A picture that may not be loaded clears the view.
    m_web->showPicture(view, wanted.isEmpty() ? QUrl() : QUrl(wanted, QUrl::StrictMode));
}

void WeatherWindow::showForecast(const WeatherForecast &f)
{
    headLabel->setText(f.heading);
    day1WeatherLabel->setText(f.dates[1]);
    day2WeatherLabel->setText(f.dates[2]);
    todayWeatherLabel->setText(f.todayWeather);
    currentLabel->setText(f.currentTemperature);
    todayTemperatureLabel->setText(f.temperatures[0]);
    day1TemperatureLabel->setText(f.temperatures[1]);
    day2TemperatureLabel->setText(f.temperatures[2]);
    todayWindLabel->setText(f.winds[0]);
    day1WindLabel->setText(f.winds[1]);
    day2WindLabel->setText(f.winds[2]);
    for (int day = 0; day < 3; ++day)
        setPicture(day, f.pictures[size_t(day)]);
    update();
}

#pragma once

// The weather service as the program sees it: where it is, what a request
// looks like, what a reply means, how often an error reply may ask again,
// and saying once in the log when it cannot be reached. The service is ours
// to name: by default an HTTP service on this machine (127.0.0.1, port 80);
// the environment variable QVDIDUDODID_WEATHER_HOST ("host" or "host:port")
// names another.

#include "playback/content/WeatherForecast.h"

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QString>
#include <QUrl>

class WeatherService : public QObject
{
public:
    explicit WeatherService(QObject *parent = nullptr) : QObject(parent) { }

    // The one place the default host is written.
    static const char *const kDefaultHost;
    static const char *const kHostVariable;
    static const char *const kAccessKey;
    // Error replies in a row that may each ask for the first city again.
    static constexpr int kMostRetries = 3;

    // The host (and port) requests go to.
    static QString host();
    // http://<host>/telematics/v3/weather?location=<city>&output=json&ak=<key>,
    // the city one percent-encoded value (UTF-8), whatever it holds.
    static QUrl requestUrl(const QString &city);

    enum class Outcome {
        Unreadable, // not JSON, or not an object: nothing changes
        ErrorReply, // "error" is not 0
        Forecast,
    };
    struct Reply
    {
        Outcome outcome = Outcome::Unreadable;
        WeatherForecast forecast;
    };
    // Reads a reply body; nothing in it is trusted: a value of the wrong type
    // or a missing word reads as an empty text.
    static Reply parse(const QByteArray &body);

    // An error reply: true when it may ask again (at most kMostRetries times in a row).
    bool takeRetry();
    // A good reply or a request of the operator's starts the count again.
    void resetRetries() { m_errorsInRow = 0; }

    // A request came back with `error` (none: the service answered). The
    // first failure after an answer, and only that one, says so in the log.
    void noteReply(QNetworkReply::NetworkError error, const QString &errorText);

private:
    int m_errorsInRow = 0;
    bool m_unreachableLogged = false;
};

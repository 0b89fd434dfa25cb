// The weather request address and the reading of a reply.

#include "shell/WeatherService.h"

#include "base/Log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

const char *const WeatherService::kDefaultHost = "127.0.0.1";
const char *const WeatherService::kHostVariable = "QVDIDUDODID_WEATHER_HOST";
const char *const WeatherService::kAccessKey = "Qm4TzR8wKp2VbN6yHc9LfJ3sXd5GtA7e";

QString WeatherService::host()
{
    const QString named = qEnvironmentVariable(kHostVariable).trimmed();
    if (named.isEmpty())
        return QString::fromLatin1(kDefaultHost);
    QUrl probe;
    probe.setAuthority(named, QUrl::StrictMode);
    if (!probe.isValid() || probe.host().isEmpty() || !probe.userInfo().isEmpty() || named.contains(QLatin1Char('/'))) {
        qCWarning(lcShell).noquote() << kHostVariable << "names no host:" << named << "- asking" << kDefaultHost;
        return QString::fromLatin1(kDefaultHost);
    }
    return named;
}

QUrl WeatherService::requestUrl(const QString &city)
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setAuthority(host(), QUrl::StrictMode);
    url.setPath(QStringLiteral("/telematics/v3/weather"));
    // Built encoded, so "&", "#", "+", "=" and blanks in a city stay inside its one value.
    const QByteArray query = "location=" + QUrl::toPercentEncoding(city) + "&output=json&ak=" + kAccessKey;
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}

namespace {
QString textOf(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

// Today's "date": weekday, date and "(label：temperature)" separated by single blanks.
void readToday(const QString &date, WeatherForecast &f)
{
    const QStringList words = date.split(QLatin1Char(' '));
    const QString weekday = words.value(0);
    const QString day = words.value(1);
    QStringList heading;
    if (!day.isEmpty())
        heading << day;
    if (!weekday.isEmpty())
        heading << weekday;
    f.heading = heading.join(QLatin1Char('\n'));
    const QString now = words.value(2);
    const int colon = now.lastIndexOf(QChar(0xFF1A)); // the full-width colon
    QString temperature = colon < 0 ? QString() : now.mid(colon + 1);
    temperature.chop(1); // the closing bracket
    f.currentTemperature = temperature;
}

void readDay(const QJsonObject &day, int j, WeatherForecast &f)
{
    const size_t d = size_t(j);
    if (j == 0) {
        readToday(textOf(day, "date"), f);
        f.todayWeather = textOf(day, "weather");
    } else {
        f.dates[d] = textOf(day, "date");
    }
    f.temperatures[d] = textOf(day, "temperature");
    f.winds[d] = textOf(day, "wind");
    f.pictures[d] = textOf(day, "dayPictureUrl");
}
} // namespace

WeatherService::Reply WeatherService::parse(const QByteArray &body)
{
    Reply reply;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return reply;
    const QJsonObject top = document.object();
    const QJsonValue code = top.value(QLatin1String("error"));
    if (code.isDouble() && qint64(code.toDouble()) != 0) {
        reply.outcome = Outcome::ErrorReply;
        return reply;
    }
    reply.outcome = Outcome::Forecast;
    for (const QJsonValue &result : top.value(QLatin1String("results")).toArray()) {
        const QJsonArray days = result.toObject().value(QLatin1String("weather_data")).toArray();
        // Every entry but the last is read; of those, the first three are shown.
        for (int j = 0; j < days.size() - 1 && j < 3; ++j)
            readDay(days.at(j).toObject(), j, reply.forecast);
    }
    return reply;
}

bool WeatherService::takeRetry()
{
    if (m_errorsInRow >= kMostRetries)
        return false;
    ++m_errorsInRow;
    return true;
}

void WeatherService::noteReply(QNetworkReply::NetworkError error, const QString &errorText)
{
    if (error == QNetworkReply::NoError) {
        m_unreachableLogged = false;
        return;
    }
    if (m_unreachableLogged)
        return;
    m_unreachableLogged = true;
    qCWarning(lcShell).noquote() << "the weather service at" << host() << "cannot be reached:" << errorText
                                 << "- weather items keep what they show until it answers";
}

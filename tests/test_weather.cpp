// The weather request and reply: the reply read into a forecast (a table of
// fixtures), the request as the service receives it, the cities of a
// province in "city.txt", when requests are sent, error replies that ask
// again a bounded number of times, a service that cannot be reached, where a
// forecast goes, and the weather of a schedule that plays by itself from
// start-up, also when the reply comes after play began.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/WeatherCities.h"
#include "panels/WeatherPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/content/WeatherWindow.h"
#include "shell/StartupSequence.h"
#include "shell/WeatherService.h"
#include "shell/Widget.h"
#include "support/FakeContent.h"
#include "support/GeneratedSchedules.h"
#include "support/LocalHttpServer.h"
#include "support/MessageLog.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSpinBox>
#include <QTcpServer>
#include <QUrlQuery>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(WeatherService::Outcome)
Q_DECLARE_METATYPE(WeatherForecast)

namespace {

QByteArray day(const char *date, const char *weather, const char *wind, const char *temperature, const char *picture)
{
    return QByteArray("{\"date\":\"") + date + "\",\"weather\":\"" + weather + "\",\"wind\":\"" + wind
           + "\",\"temperature\":\"" + temperature + "\",\"dayPictureUrl\":\"" + picture + "\"}";
}

QByteArray reply(const QList<QByteArray> &days, const QByteArray &head = "\"error\":0,")
{
    QByteArray list;
    for (const QByteArray &d : days)
        list += (list.isEmpty() ? "" : ",") + d;
    return "{" + head + "\"date\":\"2026-12-07\",\"results\":[{\"weather_data\":[" + list + "]}]}";
}

const QByteArray Today = day("周一 12月07日 (实时：25℃)", "晴", "北风3级", "26 ~ 18℃", "http://pictures/0.png");
const QByteArray Tomorrow = day("周二", "多云", "东风2级", "24 ~ 17℃", "http://pictures/1.png");
const QByteArray DayAfter = day("周三", "小雨", "南风1级", "20 ~ 15℃", "http://pictures/2.png");
const QByteArray Last = day("周四", "阴", "西风1级", "19 ~ 14℃", "http://pictures/3.png");

WeatherForecast threeDays()
{
    WeatherForecast f;
    f.heading = "12月07日\n周一";
    f.currentTemperature = "25℃";
    f.todayWeather = "晴";
    f.dates = {QString(), "周二", "周三"};
    f.temperatures = {"26 ~ 18℃", "24 ~ 17℃", "20 ~ 15℃"};
    f.winds = {"北风3级", "东风2级", "南风1级"};
    f.pictures = {"http://pictures/0.png", "http://pictures/1.png", "http://pictures/2.png"};
    return f;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A main window whose weather service is a local server, with a weather
// item in the default window; the content is faked unless asked for (the
// real weather window has no web engine here, offscreen).
struct WeatherBench
{
    enum class Content { Recorded, Real };
    explicit WeatherBench(Content kind = Content::Recorded,
                          const QByteArray &cityList = "101010100 北京\n101010200 Rock&Roll #1+2=3 上海\n")
    {
        if (kind == Content::Recorded)
            content.emplace();
        writeFile(env.path("city.txt"), cityList);
        qputenv(WeatherService::kHostVariable, server.hostAndPort().toUtf8());
        w.reset(new Widget);
        tree = w->curProjectWidget->tree();
        window = tree->generalSegments.first()->programs.first()->windows.first();
        tree->loadWeatherObject(1, w->curDisplayName, window->segmentName, window->programName, window->name,
                                WeatherProperty());
        item = window->media.value(0);
        server.answerFor = [this](const QUrl &) { return answer; };
    }
    ~WeatherBench()
    {
        w.reset();
        qunsetenv(WeatherService::kHostVariable);
    }
    // Requests the server has been sent once the event loop has run a while.
    int settledRequests(int ms = 300)
    {
        QTest::qWait(ms);
        return server.requests.size();
    }
    QString location(int request) const
    {
        return QUrlQuery(server.requests.value(request)).queryItemValue("location", QUrl::FullyDecoded);
    }
    CommonPlayWindow *area(const CommonWinObject *of = nullptr) const
    {
        for (CommonPlayWindow *a : w->displayWindows.first()->playWindows)
            if (a->winObject == (of ? of : window))
                return a;
        return nullptr;
    }

    TestEnvironment env;
    ScriptedPrompts prompts;
    std::optional<RecordingFactory> content;
    LocalHttpServer server;
    LocalHttpServer::Answer answer;
    std::unique_ptr<Widget> w;
    ProjectTree *tree = nullptr;
    CommonWinObject *window = nullptr;
    QVLedMediaObject *item = nullptr;
};

// The weather window an area shows, once a weather item has shown there.
WeatherWindow *weatherWindowOf(const CommonPlayWindow *area)
{
    ContentPlayer *player = area ? area->content().find(MediaFamily::Weather) : nullptr;
    return player ? qobject_cast<WeatherWindow *>(player->view()) : nullptr;
}

QString todayShown(const CommonPlayWindow *area)
{
    const WeatherWindow *window = weatherWindowOf(area);
    return window && window->isVisible() ? window->todayWeatherLabel->text() : QString();
}

// "127.0.0.1:<port>" of a port that was free a moment ago and nobody listens on.
QString closedHost()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
}

} // namespace

class WeatherTest : public QObject
{
    Q_OBJECT

private slots:
    void replies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<WeatherService::Outcome>("outcome");
        QTest::addColumn<WeatherForecast>("forecast");
        using O = WeatherService::Outcome;

        QTest::newRow("four days fill three") << reply({Today, Tomorrow, DayAfter, Last}) << O::Forecast << threeDays();
        WeatherForecast twoDays = threeDays();
        twoDays.dates[2] = twoDays.temperatures[2] = twoDays.winds[2] = twoDays.pictures[2] = QString();
        QTest::newRow("three days fill two") << reply({Today, Tomorrow, DayAfter}) << O::Forecast << twoDays;

        WeatherForecast oneWord = threeDays();
        oneWord.heading = "周一";
        oneWord.currentTemperature.clear();
        const QByteArray shortToday = day("周一", "晴", "北风3级", "26 ~ 18℃", "http://pictures/0.png");
        QTest::newRow("a day-0 date of one word")
            << reply({shortToday, Tomorrow, DayAfter, Last}) << O::Forecast << oneWord;

        QTest::newRow("no results") << QByteArray("{\"error\":0}") << O::Forecast << WeatherForecast();
        QTest::newRow("no error field") << QByteArray("{\"results\":[]}") << O::Forecast << WeatherForecast();
        QTest::newRow("error not a number") << QByteArray("{\"error\":\"x\"}") << O::Forecast << WeatherForecast();
        WeatherForecast typed = twoDays;
        typed.temperatures[0].clear();
        typed.dates[1].clear();
        const QByteArray numberTemperature = QByteArray(Today).replace("\"26 ~ 18℃\"", "26");
        const QByteArray arrayDate = QByteArray(Tomorrow).replace("\"周二\"", "[1,2]");
        QTest::newRow("wrong types read as empty")
            << reply({numberTemperature, arrayDate, DayAfter}) << O::Forecast << typed;
        QTest::newRow("days not a list") << QByteArray("{\"results\":[{\"weather_data\":{\"a\":1}}, 7]}") << O::Forecast
                                         << WeatherForecast();
        QTest::newRow("an error reply") << QByteArray("{\"error\":-3,\"status\":\"No result available\"}")
                                        << O::ErrorReply << WeatherForecast();
        QTest::newRow("not JSON") << QByteArray("<html>502</html>") << O::Unreadable << WeatherForecast();
        QTest::newRow("a list, not an object") << QByteArray("[1,2]") << O::Unreadable << WeatherForecast();
        QTest::newRow("nothing") << QByteArray() << O::Unreadable << WeatherForecast();
    }

    void replies()
    {
        QFETCH(QByteArray, body);
        QFETCH(WeatherService::Outcome, outcome);
        QFETCH(WeatherForecast, forecast);
        const WeatherService::Reply read = WeatherService::parse(body);
        QCOMPARE(read.outcome, outcome);
        QCOMPARE(read.forecast.heading, forecast.heading);
        QCOMPARE(read.forecast.currentTemperature, forecast.currentTemperature);
        QVERIFY(read.forecast == forecast);
    }

    void citiesOfAProvince_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QStringList>("cities");
        const QByteArray list = "101190100 南京\n101010100 北京\n101190200 苏州\r\n  101190300 无锡  \n";
        QTest::newRow("file order, trimmed lines")
            << list << QByteArray("10119") << QStringList{"南京", "苏州", "无锡"};
        QTest::newRow("a byte-order mark")
            << "\xEF\xBB\xBF" + list << QByteArray("10119") << QStringList{"南京", "苏州", "无锡"};
        QTest::newRow("a line with nothing after its code")
            << QByteArray("1011901000\n101190100 \n101190200 苏州\n") << QByteArray("10119") << QStringList{"苏州"};
        QTest::newRow("a province without lines") << list << QByteArray("10134") << QStringList{};
        QTest::newRow("an empty file") << QByteArray() << QByteArray("10119") << QStringList{};
    }

    void citiesOfAProvince()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, code);
        QFETCH(QStringList, cities);
        QCOMPARE(WeatherCities::citiesIn(file, code), cities);
        TestEnvironment env;
        QCOMPARE(WeatherCities::citiesOf(env.path("city.txt"), code), QStringList{}); // no file
        writeFile(env.path("city.txt"), file);
        QCOMPARE(WeatherCities::citiesOf(env.path("city.txt"), code), cities);
    }

    void provinceChoiceFillsTheCities()
    {
        WeatherBench b;
        WeatherPanel *panel = b.w->weatherSetupLabel();
        QCOMPARE(panel->provinceBox()->count(), 31);
        QCOMPARE(panel->provinceBox()->itemText(24), QString("广东"));
        QCOMPARE(WeatherCities::provinceCode(24), QByteArray("10128"));
        QCOMPARE(panel->cityBox()->count(), 2);
        QCOMPARE(b.settledRequests(), 0); // building the main window asks for nothing

        panel->provinceBox()->setCurrentIndex(30); // no city of 台湾 in this list
        QCOMPARE(panel->cityBox()->count(), 0);
        panel->provinceBox()->setCurrentIndex(0);
        QCOMPARE(panel->cityBox()->currentIndex(), 0);
        QTRY_COMPARE(b.server.requests.size(), 1);
        QCOMPARE(b.location(0), QString("北京"));
    }

    void theRequestCarriesTheCityWhole()
    {
        WeatherBench b;
        b.w->weatherSetupLabel()->cityBox()->setCurrentIndex(1);
        QTRY_COMPARE(b.server.requests.size(), 1);
        const QUrl request = b.server.requests.first();
        QCOMPARE(request.path(), QString("/telematics/v3/weather"));
        const QUrlQuery query(request);
        QCOMPARE(query.queryItemValue("location", QUrl::FullyDecoded), QString("Rock&Roll #1+2=3 上海"));
        QCOMPARE(query.queryItemValue("output"), QString("json"));
        QCOMPARE(query.queryItemValue("ak"), QString(WeatherService::kAccessKey));
        QCOMPARE(query.queryItems().size(), 3);
    }

    void theHostComesFromTheEnvironment()
    {
        qunsetenv(WeatherService::kHostVariable);
        QCOMPARE(WeatherService::requestUrl("x").toString(),
                 QString("http://127.0.0.1/telematics/v3/weather?location=x&output=json&ak=%1")
                     .arg(WeatherService::kAccessKey));
        qputenv(WeatherService::kHostVariable, "weather.example:8080");
        QCOMPARE(WeatherService::requestUrl("x").authority(), QString("weather.example:8080"));
        qputenv(WeatherService::kHostVariable, "evil.example/path?q=");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("names no host"));
        QCOMPARE(WeatherService::host(), QString("127.0.0.1"));
        qunsetenv(WeatherService::kHostVariable);
    }

    void oneRequestPerEditSelectionOrRowAndNoneWhilePlaying()
    {
        WeatherBench b;
        Widget &w = *b.w;
        w.slotAddWeatherObject(0, b.item); // an added row
        QCOMPARE(b.settledRequests(), 1);
        w.weatherSetupLabel()->findChild<QSpinBox *>("updateInterval")->setValue(30); // an edit
        QCOMPARE(b.settledRequests(), 2);
        QCOMPARE(b.item->weather.updateInterval, 30);
        w.slotSelectMediaObject(b.item); // a selection
        QCOMPARE(b.settledRequests(), 3);

        w.displayWindows.first()->playing = true;
        w.weatherSetupLabel()->findChild<QSpinBox *>("updateInterval")->setValue(31);
        w.slotSelectMediaObject(b.item);
        QCOMPARE(b.settledRequests(), 3);
        QCOMPARE(b.item->weather.updateInterval, 31); // the edit is stored all the same
        QCOMPARE(b.location(2), QString("北京"));
    }

    void errorRepliesAskForTheFirstCityThreeTimesInARow()
    {
        WeatherBench b;
        b.answer = {200, "application/json", "{\"error\":-3}"};
        b.w->weatherSetupLabel()->cityBox()->setCurrentIndex(1); // the operator's request
        QTRY_COMPARE(b.server.requests.size(), 4);
        QCOMPARE(b.settledRequests(500), 4); // a fourth error in a row asks no more
        QCOMPARE(b.location(0), QString("Rock&Roll #1+2=3 上海"));
        QCOMPARE(b.location(1), QString("北京"));
        QCOMPARE(b.location(3), QString("北京"));

        // A good reply, or a request of the operator's, starts the count again.
        b.w->weatherService().resetRetries();
        b.w->parseWeatherJsonData("{\"error\":1}");
        QTRY_COMPARE(b.server.requests.size(), 7);
        QCOMPARE(b.settledRequests(500), 7);
    }

    void theRetriesStartAgainAfterAGoodReplyOrAnOperatorsRequest()
    {
        WeatherBench b;
        b.answer = {200, "application/json", "{\"error\":-3}"};
        b.w->weatherSetupLabel()->cityBox()->setCurrentIndex(1);
        QTRY_COMPARE(b.server.requests.size(), 4);
        QCOMPARE(b.settledRequests(500), 4);

        b.w->parseWeatherJsonData(reply({Today, Tomorrow, DayAfter, Last})); // a good reply
        b.w->parseWeatherJsonData("{\"error\":1}");
        QTRY_COMPARE(b.server.requests.size(), 7);
        QCOMPARE(b.settledRequests(500), 7);

        b.w->weatherSetupLabel()->cityBox()->setCurrentIndex(0); // the operator asks again
        QTRY_COMPARE(b.server.requests.size(), 11);
        QCOMPARE(b.settledRequests(500), 11);
        QCOMPARE(b.location(10), QString("北京"));
    }

    void aForecastReachesEveryAreaOfTheCurrentDisplayWindowAndStaysWhileItPlays()
    {
        WeatherBench b;
        Widget &w = *b.w;
        CommonPlayWindow *area = b.area();
        QVERIFY(area);
        const QByteArray body = reply({Today, Tomorrow, DayAfter, Last});

        w.parseWeatherJsonData(body);
        QVERIFY(area->weatherForecast());
        QVERIFY(*area->weatherForecast() == threeDays()); // an area that shows no weather item keeps it too
        w.parseWeatherJsonData("not json");
        QVERIFY(*area->weatherForecast() == threeDays());

        // While it plays, an area that has a forecast keeps it.
        w.realPlayDisplayNames << w.curDisplayName;
        w.parseWeatherJsonData(reply({Tomorrow, DayAfter, Last}));
        QVERIFY(*area->weatherForecast() == threeDays());
        w.realPlayDisplayNames.clear();
    }

    void theReplyIsFreedAfterReading()
    {
        WeatherBench b;
        b.answer = {200, "application/json", reply({Today, Tomorrow, DayAfter, Last})};
        QPointer<QNetworkReply> replyObject;
        bool finished = false;
        // Runs after the main window read the reply, while it still exists.
        QObject::connect(b.w->networkManager, &QNetworkAccessManager::finished, [&](QNetworkReply *r) {
            replyObject = r;
            finished = true;
        });
        b.w->weatherSetupLabel()->cityBox()->setCurrentIndex(1);
        QTRY_VERIFY(finished);
        QTRY_VERIFY(!replyObject);
        QTRY_VERIFY(b.area()->weatherForecast());
    }

    void withoutOpenGLAPageFailsAndTheWeatherKeepsItsTexts()
    {
        TestEnvironment env;
        CommonWinObject record;
        record.name = "W";
        MainPlayBKLabel display("D", nullptr);
        CommonPlayWindow area(&record, &display);
        QVLedMediaObject page;
        page.kind = MediaKind::Url;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("web pages and weather pictures cannot be shown"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot show URL item"));
        area.slotPlayURL(&page); // an offscreen platform has no OpenGL: the item fails, the program goes on
        QCOMPARE(area.content().find(MediaFamily::Url), nullptr);

        area.setWeatherForecast(WeatherService::parse(reply({Today, Tomorrow, DayAfter, Last})).forecast);
        QVLedMediaObject weather;
        weather.kind = MediaKind::Weather;
        area.slotPlayWeather(&weather);
        auto *window = qobject_cast<WeatherWindow *>(area.content().find(MediaFamily::Weather)->view());
        QVERIFY(window && !window->todayIcon);
        QCOMPARE(window->headLabel->text(), QString("12月07日\n周一"));
        QCOMPARE(window->pictureAddress(1), QString("http://pictures/1.png"));
        QCOMPARE(window->pictureLoads(), 0);
    }

    // After the test above: the real weather windows below would say first
    // that this process has no web engine.
    void anUnattendedStartShowsTheWeatherInTheDisplayWindowThatPlays()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        LocalHttpServer server;
        server.answerFor = [](const QUrl &) {
            return LocalHttpServer::Answer{200, "application/json", reply({Today, Tomorrow, DayAfter, Last})};
        };
        writeFile(env.path("city.txt"), "101010100 北京\n");
        qputenv(WeatherService::kHostVariable, server.hostAndPort().toUtf8());
        auto owned = GeneratedSchedules::wide(1);
        QVLedMediaObject *item = owned->schedule()
                                     .displayWindows.first()
                                     .generalSegments.first()
                                     ->programs.first()
                                     ->windows.first()
                                     ->media.first();
        item->kind = MediaKind::Weather;
        item->weather.timeLength = QTime(0, 1, 0);
        const QString path = env.path("weather.qvsc");
        QVERIFY(GeneratedSchedules::save(*owned, path));
        AppContext::Play = 1;
        AppContext::PlayType = 0;
        AppContext::SchemePath = path;

        // What start-up does once the main window is built.
        Widget w;
        w.requestStartupWeather();
        StartupSequence::openStartupSchedules(w);
        CommonPlayWindow *area = w.displayWindows.first()->playWindows.value(0);
        QVERIFY(area);
        // The reply is in before the delayed start of play...
        QTRY_VERIFY_WITH_TIMEOUT(area->weatherForecast(), 1500);
        QVERIFY(w.realPlayDisplayNames.isEmpty());
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(QUrlQuery(server.requests.first()).queryItemValue("location", QUrl::FullyDecoded), QString("北京"));
        // ...so the weather item shows it as soon as it plays.
        QTRY_COMPARE_WITH_TIMEOUT(todayShown(area), QString("晴"), 5000);
        QVERIFY(w.realPlayDisplayNames.contains(w.curDisplayName));
        QCOMPARE(weatherWindowOf(area)->headLabel->text(), QString("12月07日\n周一"));
        qunsetenv(WeatherService::kHostVariable);
    }

    void aReplyAfterPlayBeganFillsOnlyWeatherWindowsThatNeverHadOne()
    {
        WeatherBench b(WeatherBench::Content::Real);
        Widget &w = *b.w;
        b.item->weather.timeLength = QTime(0, 1, 0);
        w.parseWeatherJsonData(reply({Today, Tomorrow, DayAfter, Last})); // shown before play: "晴"
        // A second area, made after that reply: it never had a forecast.
        b.tree->loadCommonWindow("Common Window2", b.window->segmentType, false, 0, Qt::red, 100, 0, 100, 100);
        CommonWinObject *second = b.tree->curCommonWin;
        b.tree->loadWeatherObject(2, w.curDisplayName, second->segmentName, second->programName, second->name,
                                  b.item->weather);
        QVERIFY(b.area(second) && !b.area(second)->weatherForecast());

        const QByteArray rainy
            = reply({day("周一 12月07日 (实时：12℃)", "雨", "西风2级", "14 ~ 9℃", ""), Tomorrow, DayAfter, Last});
        b.answer = {200, "application/json", rainy, {}, 1500};
        w.requestStartupWeather();
        b.tree->slotStartPlay(w.curDisplayName);
        QVERIFY(w.realPlayDisplayNames.contains(w.curDisplayName));
        QTRY_COMPARE(todayShown(b.area()), QString("晴"));
        QTRY_VERIFY(weatherWindowOf(b.area(second)) && weatherWindowOf(b.area(second))->isVisible());
        QCOMPARE(todayShown(b.area(second)), QString()); // nothing to show yet

        QTRY_COMPARE_WITH_TIMEOUT(todayShown(b.area(second)), QString("雨"), 5000);
        QCOMPARE(weatherWindowOf(b.area(second))->currentLabel->text(), QString("12℃"));
        QCOMPARE(todayShown(b.area()), QString("晴")); // what the screen showed stays
        QCOMPARE(b.area()->weatherForecast()->todayWeather, QString("晴"));

        // Further replies while it plays change neither.
        w.parseWeatherJsonData(reply({Today, Tomorrow, DayAfter, Last}));
        QCOMPARE(todayShown(b.area(second)), QString("雨"));
        b.tree->slotStopPlay(w.curDisplayName);
    }

    void aServiceThatCannotBeReachedIsReportedOncePerOutage()
    {
        WeatherBench b;
        MessageLog log;
        const QByteArray unreachable = closedHost().toUtf8();
        auto requestAndSettle = [&b] {
            QSignalSpy finished(b.w->networkManager, &QNetworkAccessManager::finished);
            b.w->requestStartupWeather();
            QVERIFY(finished.wait(5000));
        };
        qputenv(WeatherService::kHostVariable, unreachable);
        requestAndSettle();
        requestAndSettle();
        QCOMPARE(log.count(QtWarningMsg, "qv.shell", "cannot be reached"), 1);

        qputenv(WeatherService::kHostVariable, b.server.hostAndPort().toUtf8()); // it answers again
        b.answer = {200, "application/json", reply({Today, Tomorrow, DayAfter, Last})};
        requestAndSettle();
        qputenv(WeatherService::kHostVariable, unreachable);
        requestAndSettle();
        QCOMPARE(log.count(QtWarningMsg, "qv.shell", "cannot be reached"), 2);
        QVERIFY(log.texts("qv.shell").last().contains(QString::fromLatin1(unreachable)));
    }
};

int main(int argc, char *argv[])
{
    // The offscreen platform makes OpenGL contexts through an X display when
    // one is reachable; the case of a platform without OpenGL above needs
    // none, whatever display the tests were started on.
    qunsetenv("DISPLAY");
    QApplication app(argc, argv);
    WeatherTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_weather.moc"

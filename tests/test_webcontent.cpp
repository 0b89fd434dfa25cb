// The web page and the weather window with a real web engine, under a
// virtual display, through the web module the program opens from the build
// tree: what is loaded and when, the zoom of a page, a hidden page kept
// silent, and the weather window's texts and pictures (a page that asks for
// dialogs, windows and permissions: test_hostilecontent).

#include "base/Modules.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "modules/web/UrlWin.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/content/ContentPlayer.h"
#include "playback/content/WeatherWindow.h"
#include "playback/dataBaseConn.h"
#include "support/LocalHttpServer.h"
#include "support/MessageLog.h"
#include "support/PlayFixture.h"

#include <QApplication>
#include <QCameraInfo>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

namespace {
int requestsFor(const LocalHttpServer &server, const QString &path)
{
    int count = 0;
    for (const QUrl &url : server.requests)
        count += url.path() == path ? 1 : 0;
    return count;
}

const QByteArray Page = "<html><body style='background:#123456'><p>Hall</p></body></html>";

WeatherForecast forecastWithPictures(const QString &a, const QString &b, const QString &c)
{
    WeatherForecast f;
    f.heading = "12月07日\n周一";
    f.todayWeather = "<b>晴</b><img src=x>";
    f.currentTemperature = "25℃";
    f.pictures = {a, b, c};
    return f;
}

// One area of a display window, showing through the program's own players.
struct AreaBench
{
    AreaBench(int width = 620)
    {
        record.name = "W";
        record.width = width;
        record.height = 300;
        display.resize(width, 300);
        area = new CommonPlayWindow(&record, &display);
        display.show();
        area->show();
    }
    ~AreaBench() { delete area; }
    QVLedMediaObject *item(const QString &kind)
    {
        auto *made = new QVLedMediaObject;
        made->kind = kind;
        items.emplace_back(made);
        return made;
    }
    // The web-page item's window (the module's UrlWin) and its web view.
    QWidget *page() const { return pageOf(area); }
    static QWidget *pageOf(const CommonPlayWindow *area)
    {
        ContentPlayer *player = area->content().find(MediaFamily::Url);
        return player ? player->view() : nullptr;
    }
    static QWebEngineView *webViewOf(const CommonPlayWindow *area)
    {
        QWidget *page = pageOf(area);
        return page ? page->findChild<QWebEngineView *>() : nullptr;
    }
    QWebEngineView *webView() const { return webViewOf(area); }
    // Shows the server's page "/hall.html" and waits until it has loaded.
    QWebEngineView *showServedPage(LocalHttpServer &server, QVLedMediaObject *&web)
    {
        server.answers["/hall.html"] = {200, "text/html", Page};
        web = item(MediaKind::Url);
        web->url.address = server.url("/hall.html");
        area->slotPlayURL(web);
        QWebEngineView *view = webView();
        if (!view)
            return nullptr;
        QSignalSpy finished(view->page(), &QWebEnginePage::loadFinished);
        if (!finished.wait(20000) || !finished.first().first().toBool())
            qWarning("the page did not load");
        return view;
    }

    TestEnvironment env;
    CommonWinObject record;
    MainPlayBKLabel display{"D", nullptr};
    CommonPlayWindow *area = nullptr;
    std::vector<std::unique_ptr<QVLedMediaObject>> items;
};
} // namespace

class WebContentTest : public QObject
{
    Q_OBJECT

private slots:
    void webAddressOrFile_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("http") << "http://example.org/a" << QUrl("http://example.org/a");
        QTest::newRow("https in capitals") << "HTTPS://EXAMPLE.ORG/" << QUrl("HTTPS://EXAMPLE.ORG/");
        QTest::newRow("HTTP in capitals is a web address") << "HTTP://host/x" << QUrl("HTTP://host/x");
        QTest::newRow("a folder named http is a file")
            << "/srv/http/page.html" << QUrl::fromLocalFile("/srv/http/page.html");
        QTest::newRow("http further on is a file")
            << "/pages/see-http://x.html" << QUrl::fromLocalFile("/pages/see-http://x.html");
        QTest::newRow("another scheme is a file")
            << "ftp://example.org/a" << QUrl::fromLocalFile("ftp://example.org/a");
    }

    void webAddressOrFile()
    {
        QFETCH(QString, address);
        QFETCH(QUrl, url);
        QCOMPARE(UrlWin::urlFor(address), url);
    }

    void aWebAddressLoadsOnceAFileEachTime()
    {
        LocalHttpServer server;
        AreaBench b;
        QVLedMediaObject *web = nullptr;
        QWebEngineView *view = b.showServedPage(server, web);
        QVERIFY(view);
        // Shown through the module the program opened from the build tree.
        QVERIFY(Modules::isLoaded("web"));
        QCOMPARE(requestsFor(server, "/hall.html"), 1);
        QSignalSpy loads(view->page(), &QWebEnginePage::loadStarted);
        QSignalSpy finished(view->page(), &QWebEnginePage::loadFinished);
        b.area->slotPlayURL(web);
        QTest::qWait(300);
        QCOMPARE(requestsFor(server, "/hall.html"), 1);

        const QString file = b.env.path("hall.html");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(Page);
        out.close();
        QVLedMediaObject *local = b.item(MediaKind::Url);
        local->url.address = file;
        QCOMPARE(loads.size(), 0);
        b.area->slotPlayURL(local);
        QTRY_COMPARE(finished.size(), 1);
        b.area->slotPlayURL(local);
        QTRY_COMPARE(finished.size(), 2);
        QCOMPARE(loads.size(), 2);
        QCOMPARE(view->url(), QUrl::fromLocalFile(file));
    }

    // The engine keeps a web address in its own spelling (small scheme and
    // host, "/" for no path); shown again, the same address is not reloaded.
    void aWebAddressInAnotherSpellingLoadsOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("capitalScheme");
        QTest::newRow("a host without a path") << QString() << false;
        QTest::newRow("a scheme in capitals") << QString("/hall.html") << true;
    }

    void aWebAddressInAnotherSpellingLoadsOnce()
    {
        QFETCH(QString, path);
        QFETCH(bool, capitalScheme);
        LocalHttpServer server;
        server.answers["/"] = server.answers["/hall.html"] = {200, "text/html", Page};
        AreaBench b;
        QVLedMediaObject *web = b.item(MediaKind::Url);
        web->url.address = server.url(path);
        if (capitalScheme)
            web->url.address.replace(0, 4, "HTTP");
        b.area->slotPlayURL(web);
        QWebEngineView *view = b.webView();
        QVERIFY(view);
        QSignalSpy finished(view->page(), &QWebEnginePage::loadFinished);
        QVERIFY(finished.wait(20000));
        const QString served = path.isEmpty() ? QString("/") : path;
        QCOMPARE(requestsFor(server, served), 1);

        b.area->slotPlayURL(web);
        QTest::qWait(300);
        QCOMPARE(requestsFor(server, served), 1);
        QCOMPARE(finished.size(), 1);
    }

    void zoomFollowsTheWidth()
    {
        QCOMPARE(UrlWin::zoomFor(620), 0.5);
        QCOMPARE(UrlWin::zoomFor(1920), 1.0);
        AreaBench b(620);
        QVLedMediaObject *web = b.item(MediaKind::Url);
        web->url.address = "about:blank";
        b.area->slotPlayURL(web);
        QWebEngineView *view = b.webView();
        QVERIFY(view);
        QCOMPARE(b.page()->width(), 620);
        QCOMPARE(view->zoomFactor(), 0.5);
        b.record.width = 1920;
        b.area->resize(1920, 300);
        b.area->relayoutChildren();
        QCOMPARE(view->zoomFactor(), 1.0);
        b.area->resize(620, 300);
        b.area->relayoutChildren();
        QCOMPARE(view->zoomFactor(), 0.5); // the width rule, not a fixed half
    }

    void aHiddenPageIsMutedAndFrozenAndNotReloaded()
    {
        LocalHttpServer server;
        AreaBench b;
        QVLedMediaObject *web = nullptr;
        QWebEngineView *view = b.showServedPage(server, web);
        QVERIFY(view);
        QWebEnginePage *engine = view->page();
        QVERIFY(!engine->isAudioMuted());

        b.area->stopAndHideAll();
        QVERIFY(b.page()->isHidden());
        QVERIFY(engine->isAudioMuted());
        QTRY_COMPARE(engine->lifecycleState(), QWebEnginePage::LifecycleState::Frozen);

        b.area->slotPlayURL(web); // shown again: active, heard, the same page
        QCOMPARE(engine->lifecycleState(), QWebEnginePage::LifecycleState::Active);
        QVERIFY(!engine->isAudioMuted());
        QTest::qWait(300);
        QCOMPARE(requestsFor(server, "/hall.html"), 1);
    }

    // In play a page that loads is logged "success"; one that does not (no
    // server on its port, no such file) is logged "failed" at every round,
    // tried again each time, and told once in the log.
    void aPageThatDoesNotLoadIsLoggedFailed_data()
    {
        QTest::addColumn<QString>("page"); // "served", "closed port" or "missing file"
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("told"); // what the one log line says, if any
        QTest::newRow("served page") << QString("served") << QString("success") << QString();
        QTest::newRow("closed port on 127.0.0.1") << QString("closed port") << QString("failed") << "did not load";
        QTest::newRow("file that does not exist") << QString("missing file") << QString("failed") << "is no file here";
    }
    void aPageThatDoesNotLoadIsLoggedFailed()
    {
        QFETCH(QString, page);
        QFETCH(QString, result);
        QFETCH(QString, told);
        LocalHttpServer server;
        server.answers["/hall.html"] = {200, "text/html", Page};
        PlayFixture f;
        QString address = f.env.path("no-such-page.html");
        if (page == "served") {
            address = server.url("/hall.html");
        } else if (page == "closed port") {
            QTcpServer closed; // a port nothing listens on once it is closed
            QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
            address = QStringLiteral("http://127.0.0.1:%1/hall.html").arg(closed.serverPort());
        }
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        QVLedMediaObject *web = f.addWindow("W", 1)->media.value(0);
        web->kind = MediaKind::Url;
        web->url.address = address;
        web->url.playTime = QTime(0, 0, 5); // longer than the engine takes to find a page missing
        MessageLog log;

        f.tree->slotStartPlay(f.display);
        // Two rounds: the second shows the same address again.
        QTRY_VERIFY_WITH_TIMEOUT(PlayFixture::loggedRows().size() >= 2, 30000);
        f.tree->slotStopPlay(f.display);

        for (const QStringList &row : PlayFixture::loggedRows()) {
            QCOMPARE(row.value(0), QString("URL"));
            QCOMPARE(row.value(6), result);
        }
        const QStringList said = log.texts("qv.playback").filter("a web page cannot show");
        QCOMPARE(said.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty())
            QVERIFY2(said.first().contains(address) && said.first().contains(told), qPrintable(said.first()));
    }

    void theWeatherWindowShowsTextsAsTheyCameAndSafePicturesOnce()
    {
        LocalHttpServer server;
        AreaBench b;
        b.area->setWeatherForecast(
            forecastWithPictures(server.url("/0.png"), "javascript:alert(1)", "file:///etc/passwd"));
        // A weather window made after the forecast shows it.
        b.area->slotPlayWeather(b.item(MediaKind::Weather));
        auto *window = qobject_cast<WeatherWindow *>(b.area->content().find(MediaFamily::Weather)->view());
        QVERIFY(window);
        QCOMPARE(window->headLabel->text(), QString("12月07日\n周一"));
        QCOMPARE(window->todayWeatherLabel->textFormat(), Qt::PlainText);
        QCOMPARE(window->todayWeatherLabel->text(), QString("<b>晴</b><img src=x>"));
        QCOMPARE(window->pictureAddress(0), server.url("/0.png"));
        QCOMPARE(window->pictureAddress(1), QString());
        QCOMPARE(window->pictureAddress(2), QString());
        QCOMPARE(window->pictureLoads(), 1);
        QTRY_COMPARE(requestsFor(server, "/0.png"), 1);

        b.area->setWeatherForecast(forecastWithPictures(server.url("/0.png"), server.url("/1.png"), QString()));
        QCOMPARE(window->pictureLoads(), 2); // the unchanged picture is not loaded again
        b.area->setWeatherForecast(forecastWithPictures(server.url("/0.png"), server.url("/1.png"), QString()));
        QCOMPARE(window->pictureLoads(), 2);
        QTest::qWait(300);
        QCOMPARE(requestsFor(server, "/0.png"), 1);
        QCOMPARE(requestsFor(server, "/1.png"), 1);
    }

    void aScheduleOfEveryLiveKindPlaysThrough()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        const QStringList kinds{MediaKind::DigitalClock, MediaKind::AnalogClock, MediaKind::DigitalTimer,
                                MediaKind::Url,          MediaKind::VideoDevice, MediaKind::Weather,
                                MediaKind::Streaming};
        CommonWinObject *window = f.addWindow("W", kinds.size());
        const QString page = f.env.path("hall.html");
        QFile out(page);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(Page);
        out.close();
        for (int i = 0; i < kinds.size(); ++i) {
            QVLedMediaObject *item = window->media.value(i);
            item->kind = kinds.at(i);
            item->digitalClock.playTime = item->analogClock.playTime = item->url.playTime = QTime(0, 0, 1);
            item->digitalTimer.length = item->videoDevice.timeLength = item->weather.timeLength
                = item->streaming.timeLength = QTime(0, 0, 1);
            item->url.address = page;
        }
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        // While the clocks show, no web engine has started and the camera's module is not loaded.
        QCOMPARE(area->currentKind, QString(MediaKind::DigitalClock));
        QVERIFY(area->findChildren<QWebEngineView *>().isEmpty());
        QVERIFY(area->findChildren<WeatherWindow *>().isEmpty());
        QVERIFY(!Modules::isLoaded(QStringLiteral("multimedia")));
        QTRY_VERIFY_WITH_TIMEOUT(area->currentKind == MediaKind::Url, 5000);
        QVERIFY(!Modules::isLoaded(QStringLiteral("multimedia")));
        QTRY_VERIFY_WITH_TIMEOUT(area->index == kinds.size() - 1, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(area->index, 0, 5000); // the list ran out and plays again
        PlayLog::flush();
        dataBaseConn log;
        const QString today = f.clock.currentDate().toString("yyyy-MM-dd");
        const QList<QStringList> rows = log.queryLogs(QString(), today, today);
        QStringList names;
        for (int i = 0; i < kinds.size(); ++i) {
            names << rows.value(i).value(0);
            // Without a camera the camera item showed nothing: it is logged as failed.
            const bool noCamera = names.last() == QLatin1String("Device") && QCameraInfo::defaultCamera().isNull();
            QCOMPARE(rows.value(i).value(6), QString(noCamera ? "failed" : "success"));
        }
        QCOMPARE(names, (QStringList{"Digital Clock", "Analog Clock", "Digital Timer", "URL", "Device", "Weather",
                                     "Streaming Media"}));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WebContentTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_webcontent.moc"

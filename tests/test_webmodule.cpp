// The program without its web module, on a display where web views could be
// made: the module missing, a broken file in its place, or a module that is
// not the web module. The editor says once that web pages cannot be shown;
// in play the page is logged "failed" with a log line and play goes on; the
// weather window shows its texts without pictures; nothing else reaches the
// screen. This process links no web engine of its own.

#include "base/Modules.h"
#include "playback/content/ContentPlayer.h"
#include "playback/content/WeatherWindow.h"
#include "support/MessageLog.h"
#include "support/PlayFixture.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
int widgetsOfTheWebEngine()
{
    int count = 0;
    for (QWidget *widget : QApplication::allWidgets())
        count += widget->inherits("QWebEngineView");
    return count;
}

QStringList visibleWindows()
{
    QStringList shown;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            shown << QString::fromLatin1(widget->metaObject()->className());
    shown.sort();
    return shown;
}
} // namespace

class WebModuleTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        Modules::provide(QStringLiteral("web"), nullptr);
        Modules::searchOnlyIn({});
    }

    void withoutTheModuleAPageFailsAndTheWeatherShowsItsTexts_data()
    {
        QTest::addColumn<QByteArray>("fileContent"); // what lies where the module should be; empty: nothing
        QTest::addColumn<bool>("foreignModule");     // a loaded module of another kind stands for it
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << false << "is not installed";
        QTest::newRow("broken") << QByteArray(1, char(0x7f)) + "ELF, but cut off" << false << "cannot be loaded";
        QTest::newRow("of another kind") << QByteArray() << true << "does not provide";
    }

    void withoutTheModuleAPageFailsAndTheWeatherShowsItsTexts()
    {
        QFETCH(QByteArray, fileContent);
        QFETCH(bool, foreignModule);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        if (!fileContent.isEmpty()) {
            QFile file(folder.filePath(QStringLiteral("libqvweb.so")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(fileContent);
        }
        Modules::searchOnlyIn({folder.path()});
        QObject foreign;
        if (foreignModule)
            Modules::provide(QStringLiteral("web"), &foreign);

        MessageLog log;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        CommonWinObject *window = f.addWindow("W", 2, 1);
        QVLedMediaObject *page = window->media.value(0);
        page->kind = MediaKind::Url;
        page->url.address = f.env.path("hall.html");
        page->url.playTime = QTime(0, 0, 1);
        QVLedMediaObject *weather = window->media.value(1);
        weather->kind = MediaKind::Weather;
        weather->weather.timeLength = QTime(0, 0, 1);
        f.w->displayWindows.first()->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.w->displayWindows.first()));

        // The editor: the operator is told once, with the reason.
        f.w->slotSelectMediaObject(page);
        QCOMPARE(f.prompts.informations.size(), 1);
        QVERIFY2(f.prompts.informations.first().contains(reason), qPrintable(f.prompts.informations.first()));
        f.w->slotSelectMediaObject(weather);
        f.w->slotSelectMediaObject(page);
        QCOMPARE(f.prompts.informations.size(), 1);

        // Play: the page fails with a log line, the weather follows with its texts.
        CommonPlayWindow *area = f.area(window);
        WeatherForecast forecast;
        forecast.heading = QStringLiteral("12月07日\n周一");
        forecast.todayWeather = QStringLiteral("晴");
        forecast.pictures = {QStringLiteral("http://127.0.0.1:9/0.png"), QString(), QString()};
        area->setWeatherForecast(forecast);
        const QStringList windowsBefore = visibleWindows();
        log.clear();
        f.prompts.informations.clear();
        f.tree->slotStartPlay(f.display);
        QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::Weather), 5000);
        auto *weatherWindow = qobject_cast<WeatherWindow *>(area->content().find(MediaFamily::Weather)->view());
        QVERIFY(weatherWindow && weatherWindow->isVisible());
        QCOMPARE(weatherWindow->headLabel->text(), forecast.heading);
        QCOMPARE(weatherWindow->todayWeatherLabel->text(), forecast.todayWeather);
        QVERIFY(!weatherWindow->todayIcon && !weatherWindow->day1Icon && !weatherWindow->day2Icon);
        QCOMPARE(weatherWindow->pictureLoads(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(area->index, 0, 5000); // the list ran out and plays again
        f.tree->slotStopPlay(f.display);

        const QList<QStringList> rows = PlayFixture::loggedRows();
        QVERIFY(rows.size() >= 2);
        QCOMPARE(rows.value(0).value(0), QString("URL"));
        QCOMPARE(rows.value(0).value(6), QString("failed"));
        QCOMPARE(rows.value(1).value(0), QString("Weather"));
        QCOMPARE(rows.value(1).value(6), QString("success"));
        const QStringList said = log.texts("qv.playback");
        QVERIFY2(!said.filter("cannot show URL item").filter(reason).isEmpty(), qPrintable(said.join('\n')));
        QVERIFY2(f.prompts.informations.isEmpty(), qPrintable(f.prompts.informations.join('\n')));
        QCOMPARE(visibleWindows(), windowsBefore);
        QCOMPARE(widgetsOfTheWebEngine(), 0);
        QVERIFY(!Modules::isLoaded(QStringLiteral("web")) || foreignModule);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    WebModuleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_webmodule.moc"

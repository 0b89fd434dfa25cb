// Live content beside plain Qt widgets doing the same work, each figure next
// to its baseline from the same run:
//  - CPU: a digital clock, an analog clock and a count timer in three
//    480 x 200 areas, against a QLabel given a text every 500 ms, a widget
//    drawing three lines every 500 ms and a QLCDNumber given a text every
//    100 ms, at the same sizes;
//  - memory (the program and its web-engine processes): 50 loaded areas whose
//    web and weather items have not shown, against the same schedule with
//    clocks; and 8 areas showing one local page against 8 bare web views.
// Each memory figure comes from a process of its own.
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/bench_livecontent [seconds]   (default 60)

#include "BenchMeasure.h"
#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/content/ContentPlayer.h"
#include "playback/content/WebEngineCheck.h"
#include "resources/QvResources.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLCDNumber>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTime>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <memory>
#include <vector>

namespace {

using BenchMeasure::cpuSeconds;
using BenchMeasure::residentOfTree;

constexpr int kAreaWidth = 480;
constexpr int kAreaHeight = 200;

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString percentOf(double cpu, double seconds)
{
    return QString::number(100.0 * cpu / seconds, 'f', 2) + QStringLiteral(" %");
}

// ---- CPU ------------------------------------------------------------------

// The player's side: three areas of a display window, each showing its item.
double clocksCpu(int seconds)
{
    CommonWinObject records[3];
    MainPlayBKLabel display(QStringLiteral("Bench"), nullptr);
    display.resize(kAreaWidth, 3 * kAreaHeight);
    std::vector<std::unique_ptr<CommonPlayWindow>> areas;
    QVLedMediaObject items[3];
    items[0].kind = MediaKind::DigitalClock;
    items[1].kind = MediaKind::AnalogClock;
    items[2].kind = MediaKind::DigitalTimer;
    items[2].digitalTimer.length = QTime(1, 0);
    for (int i = 0; i < 3; ++i) {
        records[i].name = QStringLiteral("Area%1").arg(i);
        records[i].y = i * kAreaHeight;
        records[i].width = kAreaWidth;
        records[i].height = kAreaHeight;
        areas.emplace_back(new CommonPlayWindow(&records[i], &display));
        areas.back()->move(0, i * kAreaHeight);
    }
    display.show();
    areas[0]->slotPlayDigitalClock(&items[0]);
    areas[1]->slotPlayAnalogClock(&items[1]);
    areas[2]->slotPlayDigitalTimer(&items[2]);
    runFor(1000);
    const double before = cpuSeconds();
    runFor(seconds * 1000);
    return cpuSeconds() - before;
}

// Three lines drawn every 500 ms, as an analog clock redraws.
class LinesWidget : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QPoint centre = rect().center();
        painter.drawLine(centre, centre + QPoint(0, -60));
        painter.drawLine(centre, centre + QPoint(40, 0));
        painter.drawLine(centre, centre + QPoint(-20, 50));
    }
};

// The same work done by plain widgets.
double baselineCpu(int seconds)
{
    QWidget window;
    window.resize(kAreaWidth, 3 * kAreaHeight);
    QLabel label(&window);
    label.setGeometry(0, 0, kAreaWidth, kAreaHeight);
    label.setAlignment(Qt::AlignCenter);
    LinesWidget lines;
    lines.setParent(&window);
    lines.setGeometry(0, kAreaHeight, kAreaWidth, kAreaHeight);
    QLCDNumber lcd(&window);
    lcd.setGeometry(0, 2 * kAreaHeight, kAreaWidth, kAreaHeight);
    lcd.setDigitCount(10);
    window.show();
    QTimer slow, fast;
    QObject::connect(&slow, &QTimer::timeout, [&] {
        label.setText(QTime::currentTime().toString(QStringLiteral("yyyy/MM/dd  HH:mm:ss")));
        lines.update();
    });
    QObject::connect(&fast, &QTimer::timeout,
                     [&] { lcd.display(QTime::currentTime().toString(QStringLiteral("HH:mm:ss:z"))); });
    slow.start(500);
    fast.start(100);
    runFor(1000);
    const double before = cpuSeconds();
    runFor(seconds * 1000);
    return cpuSeconds() - before;
}

// ---- memory, each in a process of its own ------------------------------------

// 50 areas of a loaded schedule whose items are web pages and weather (or clocks), not shown.
long fiftyAreas(bool webItems)
{
    Widget w;
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString d = w.curDisplayName;
    tree->loadGeneralSegment(QStringLiteral("Bench"), d, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
    tree->loadProgram(QStringLiteral("P"), SegmentType::General, d, Qt::black, {}, 1, {}, 2, 1, QTime(0, 6), 0);
    int id = 0;
    for (int a = 0; a < 50; ++a) {
        const QString window = QStringLiteral("Area%1").arg(a + 1);
        tree->loadCommonWindow(window, SegmentType::General, false, 0, Qt::red, (a % 10) * 60, (a / 10) * 40, 60, 40);
        if (webItems) {
            tree->loadUrlObject(++id, d, QStringLiteral("Bench"), QStringLiteral("P"), window, UrlProperty());
            tree->loadWeatherObject(++id, d, QStringLiteral("Bench"), QStringLiteral("P"), window, WeatherProperty());
        } else {
            tree->loadDigitalClockObject(++id, d, QStringLiteral("Bench"), QStringLiteral("P"), window,
                                         DigitalClockProperty());
            tree->loadAnalogClockObject(++id, d, QStringLiteral("Bench"), QStringLiteral("P"), window,
                                        AnalogClockProperty());
        }
    }
    runFor(2000);
    return residentOfTree();
}

// 8 areas of 480 x 270 showing one local page (or 8 bare web views loading it).
long eightPages(bool areas, const QString &page)
{
    MainPlayBKLabel display(QStringLiteral("Bench"), nullptr);
    display.resize(4 * kAreaWidth, 2 * 270);
    CommonWinObject records[8];
    std::vector<std::unique_ptr<QWidget>> owned;
    std::vector<QWebEnginePage *> pages;
    QVLedMediaObject item;
    item.kind = MediaKind::Url;
    item.url.address = page;
    display.show();
    for (int i = 0; i < 8; ++i) {
        const QRect place((i % 4) * kAreaWidth, (i / 4) * 270, kAreaWidth, 270);
        if (areas) {
            records[i].name = QStringLiteral("Area%1").arg(i);
            records[i].width = place.width();
            records[i].height = place.height();
            auto *area = new CommonPlayWindow(&records[i], &display);
            owned.emplace_back(area);
            area->move(place.topLeft());
            area->show();
            area->slotPlayURL(&item);
            // The page's web view, made by the web module.
            ContentPlayer *player = area->content().find(MediaFamily::Url);
            auto *view = player && player->view() ? player->view()->findChild<QWebEngineView *>() : nullptr;
            if (!view) {
                QTextStream(stderr) << "the area shows no web page: is the web module built?\n";
                return -1;
            }
            pages.push_back(view->page());
        } else {
            auto *view = new QWebEngineView(&display);
            owned.emplace_back(view);
            view->setGeometry(place);
            view->show();
            view->load(QUrl::fromLocalFile(page));
            pages.push_back(view->page());
        }
    }
    int loaded = 0;
    for (QWebEnginePage *p : pages)
        QObject::connect(p, &QWebEnginePage::loadFinished, [&loaded] { ++loaded; });
    QElapsedTimer waited;
    waited.start();
    while (loaded < 8 && waited.elapsed() < 30000)
        runFor(100);
    runFor(3000); // the renderers settle
    return residentOfTree();
}

// Runs this program again for one memory figure; its kilobytes.
long measureInChild(const QString &mode, const QString &argument = QString())
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {mode, argument});
    if (!child.waitForFinished(120000))
        return -1;
    return QString::fromLatin1(child.readAllStandardOutput()).trimmed().split('\n').last().toLong();
}

QString mib(long kilobytes)
{
    return QString::number(kilobytes / 1024.0, 'f', 1) + QStringLiteral(" MiB");
}

void reportCpu(QTextStream &out, int seconds)
{
    const double clocks = clocksCpu(seconds);
    const double baseline = baselineCpu(seconds);
    out << "CPU over " << seconds << " s, three 480 x 200 areas:\n"
        << "  digital clock, analog clock, count timer: " << QString::number(clocks, 'f', 2) << " s ("
        << percentOf(clocks, seconds) << ")\n"
        << "  baseline label, lines widget, LCD:        " << QString::number(baseline, 'f', 2) << " s ("
        << percentOf(baseline, seconds) << ")\n"
        << "  ratio " << QString::number(clocks / qMax(0.001, baseline), 'f', 2) << " (target <= 1.5)\n";
    out.flush();
}

void reportMemory(QTextStream &out, const QTemporaryDir &dir)
{
    const long web = measureInChild(QStringLiteral("--fifty-web"));
    const long clocksSchedule = measureInChild(QStringLiteral("--fifty-clocks"));
    out << "Memory, 50 loaded areas, items not shown (program and web-engine processes):\n"
        << "  web page and weather items: " << mib(web) << "\n"
        << "  baseline, clock items:      " << mib(clocksSchedule) << "\n"
        << "  difference " << mib(web - clocksSchedule) << " (target within 5 MiB)\n";
    out.flush();

    const QString page = dir.filePath(QStringLiteral("page.html"));
    QFile file(page);
    if (file.open(QIODevice::WriteOnly))
        file.write("<html><body style='background:#204060;color:white;font:40px sans-serif'>"
                   "<h1>Hall</h1><p>Opening hours 9 - 17</p></body></html>");
    file.close();
    const long areas = measureInChild(QStringLiteral("--pages-areas"), page);
    const long bare = measureInChild(QStringLiteral("--pages-bare"), page);
    out << "Memory, 8 views of one local page (program and web-engine processes):\n"
        << "  8 areas showing it:      " << mib(areas) << "\n"
        << "  baseline, 8 bare views:  " << mib(bare) << "\n"
        << "  ratio " << QString::number(double(areas) / qMax(1L, bare), 'f', 2) << " (target <= 1.2)\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    WebEngineCheck::prepareEngine(); // the bare views below start the engine without the program's check
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);

    QTemporaryDir dir;
    AppContext::appDirPath = dir.path();
    PlayLog::setDatabasePath(dir.filePath("log.db"));
    AppContext::screenWidth = 1920;
    AppContext::screenHeight = 1080;
    AppContext::displayWindowParent = new QLabel;
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();

    // A child: one memory figure.
    if (mode.startsWith(QLatin1String("--"))) {
        long kilobytes = 0;
        if (mode == QLatin1String("--fifty-web") || mode == QLatin1String("--fifty-clocks"))
            kilobytes = fiftyAreas(mode == QLatin1String("--fifty-web"));
        else if (mode == QLatin1String("--pages-areas") || mode == QLatin1String("--pages-bare"))
            kilobytes = eightPages(mode == QLatin1String("--pages-areas"), QString::fromLocal8Bit(argc > 2 ? argv[2] : ""));
        out << kilobytes << "\n";
        delete AppContext::displayWindowParent;
        return 0;
    }

    const int seconds = mode.isEmpty() ? 60 : mode.toInt();
    out << "platform: " << QGuiApplication::platformName() << "\n";
    reportCpu(out, seconds);
    reportMemory(out, dir);
    delete AppContext::displayWindowParent;
    return 0;
}

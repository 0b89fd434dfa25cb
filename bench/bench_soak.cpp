// Plays a display window of 8 areas in real time and reports what an
// unattended screen must not do over hours: grow in memory (its own or its
// helper processes', such as the web engine's), lose play-log rows, or fill
// the service log with what it writes to stderr.
//   bench_soak [minutes] [--mixed]   (default 10 minutes; run under Xvfb for a real display)
// Without --mixed every area plays three one-second texts. With it the areas
// play a video, a scrolling text, two clocks and a count timer, pictures, a
// local web page, the weather (from a weather service of its own on
// 127.0.0.1), and short texts, and a timing insertion of 30 s interrupts
// them every 3 minutes:
//   xvfb-run -a -s '-screen 0 1920x1080x24' build/bench/bench_soak 120 --mixed
// Every minute a line gives the resident memory of the program alone and with
// its helpers, its threads and open files, CPU, rows and stderr so far; at
// the end, the slope of memory after warm-up (the first 15 minutes, or a
// third of a shorter run), rows due against rows written, and stderr bytes
// an hour with the lines written most often. The allocator is kept as the
// program keeps it (two shared arenas); its own figures tell memory in use
// from memory it holds free.

#include "BenchSupport.h"
#include "base/AppContext.h"
#include "platform/Allocator.h"
#include "shell/StartupSequence.h"
#include "model/ScheduleRecords.h"
#include "playback/PlayLog.h"
#include "playback/PlayLogFallback.h"
#include "playback/video/VideoModule.h"
#include "resources/QvResources.h"
#include "shell/WeatherService.h"
#include "shell/Widget.h"
#include "support/LocalHttpServer.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

using BenchMeasure::cpuSeconds;
using BenchMeasure::residentKilobytes;
using BenchMeasure::residentOfTree;

constexpr int kInsertionEveryMinutes = 3;
constexpr int kInsertionSeconds = 30;

// ---- what the run writes to stderr -----------------------------------------

// Everything written to stderr from now on, by this process and every process
// it starts (the web engine's), goes to a file whose size is read as it grows.
class StderrFile
{
public:
    explicit StderrFile(const QString &path) : m_path(path)
    {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        std::FILE *file = std::fopen(path.toLocal8Bit().constData(), "w");
        if (file) {
            ::dup2(::fileno(file), STDERR_FILENO);
            std::fclose(file);
        }
    }
    ~StderrFile() { restore(); }
    qint64 bytes() const
    {
        std::fflush(stderr);
        return QFileInfo(m_path).size();
    }
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }
    // The lines written most often, with their counts, longest first.
    QStringList commonest(int count) const
    {
        QFile file(m_path);
        QMap<QString, int> lines;
        if (file.open(QIODevice::ReadOnly))
            while (!file.atEnd())
                ++lines[QString::fromUtf8(file.readLine()).trimmed().left(110)];
        QList<QPair<int, QString>> sorted;
        for (auto it = lines.cbegin(); it != lines.cend(); ++it)
            sorted.append({it.value(), it.key()});
        std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        QStringList result;
        for (const auto &line : sorted.mid(0, count))
            result << QStringLiteral("%1 x  %2").arg(line.first, 6).arg(line.second);
        return result;
    }

private:
    QString m_path;
    int m_saved = -1;
};

// ---- the play log ---------------------------------------------------------------

struct Rows
{
    qint64 written = -1;
    qint64 failed = -1;
};

Rows rowsIn(const QString &file)
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("count"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open() && query.exec(QStringLiteral("select count(*), sum(result <> 'success') from LOGINFOS"))
            && query.next()) {
            rows.written = query.value(0).toLongLong();
            rows.failed = query.value(1).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("count"));
    return rows;
}

// "name rows" of each item name in the log, most rows first.
QStringList rowsByName(const QString &file)
{
    QStringList names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("names"));
        db.setDatabaseName(file);
        QSqlQuery query(db);
        if (db.open()
            && query.exec(QStringLiteral("select name, count(*) from LOGINFOS group by name order by count(*) desc")))
            while (query.next())
                names << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("names"));
    return names;
}

qint64 linesIn(const QString &file)
{
    QFile text(file);
    return text.open(QIODevice::ReadOnly) ? text.readAll().count('\n') : 0;
}

// ---- the mixed schedule ---------------------------------------------------------

QByteArray png(const QColor &colour, const QString &text, const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), size.height() / 6));
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray forecastDay(const QString &date, const QString &weather, const QString &picture)
{
    return QStringLiteral(
               R"({"date":"%1","weather":"%2","wind":"北风3级","temperature":"26 ~ 18℃","dayPictureUrl":"%3"})")
        .arg(date, weather, picture)
        .toUtf8();
}

// The weather service of the run: a forecast whose day pictures it serves too.
void serveWeather(LocalHttpServer &server)
{
    const QByteArray days = forecastDay(QStringLiteral("周一 12月07日 (实时：25℃)"), QStringLiteral("晴"),
                                        server.url(QStringLiteral("/0.png")))
                            + "," + forecastDay(QStringLiteral("周二"), QStringLiteral("多云"), server.url("/1.png"))
                            + "," + forecastDay(QStringLiteral("周三"), QStringLiteral("小雨"), server.url("/2.png"))
                            + "," + forecastDay(QStringLiteral("周四"), QStringLiteral("阴"), server.url("/2.png"));
    server.answers[QStringLiteral("/telematics/v3/weather")]
        = {200, "application/json", R"({"error":0,"date":"2026-12-07","results":[{"weather_data":[)" + days + "]}]}"};
    for (int day = 0; day < 3; ++day)
        server.answers[QStringLiteral("/%1.png").arg(day)]
            = {200, "image/png", png(QColor::fromHsv(day * 100, 200, 220), QString::number(day), QSize(42, 30))};
}

struct Fixtures
{
    QString video;
    QStringList pictures;
    QString page;
};

// Files made for the run; false when ffmpeg cannot make the video.
bool makeFixtures(const BenchSupport::Environment &environment, Fixtures *fixtures)
{
    fixtures->video = environment.path(QStringLiteral("clip.avi"));
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=320x180:rate=25", "-t", "20", "-c:v",
                  "mpeg4", "-q:v", "5", "-pix_fmt", "yuv420p", fixtures->video});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return false;
    for (int i = 0; i < 3; ++i) {
        fixtures->pictures << environment.path(QStringLiteral("picture%1.png").arg(i));
        writeFile(fixtures->pictures.last(),
                  png(QColor::fromHsv(i * 120, 180, 160), QStringLiteral("Hall %1").arg(i + 1), QSize(1280, 720)));
    }
    fixtures->page = environment.path(QStringLiteral("page.html"));
    writeFile(fixtures->page, R"(<html><body style="background:#203040;color:white;font:32px sans-serif">
<h1>Opening hours</h1><p id="now"></p><div id="bar" style="height:20px;background:orange;width:0"></div>
<script>
var n = 0;
setInterval(function() {
  document.getElementById('now').textContent = new Date().toLocaleTimeString();
  document.getElementById('bar').style.width = (++n % 100) + '%';
}, 1000);
</script></body></html>)");
    writeFile(environment.path(QStringLiteral("city.txt")), "101010100 北京\n");
    return true;
}

class MixedBuilder
{
public:
    MixedBuilder(Widget &w, const Fixtures &fixtures)
        : m_tree(*w.curProjectWidget->tree()), m_display(w.curDisplayName), m_files(fixtures)
    { }

    void build()
    {
        m_tree.loadGeneralSegment(QStringLiteral("Soak"), m_display, false, {}, {}, Weekday::allDays(), true, {}, {},
                                  0);
        program(QStringLiteral("Soak"), SegmentType::General);
        const QSize size(240, 135);
        auto at = [&](int i) { return QPoint((i % 4) * size.width(), (i / 4) * size.height()); };
        window(QStringLiteral("Video"), at(0), size);
        video();
        window(QStringLiteral("Scrolling"), at(1), size);
        text(MediaKind::ScrollingText, QStringLiteral("Welcome to the hall. Opening hours 9 - 17. ").repeated(8), 30);
        window(QStringLiteral("Clocks"), at(2), size);
        clocks();
        window(QStringLiteral("Pictures"), at(3), size);
        pictures();
        window(QStringLiteral("Page"), at(4), size);
        page();
        window(QStringLiteral("Weather"), at(5), size);
        weather();
        window(QStringLiteral("Texts"), at(6), size);
        for (int i = 0; i < 3; ++i)
            text(MediaKind::SimpleText, QStringLiteral("Notice %1").arg(i + 1), 1);
        window(QStringLiteral("Mixed"), at(7), size);
        pictures();
        text(MediaKind::SingleRowText, QStringLiteral("Today's menu"), 4);

        insertion();
    }

private:
    void program(const QString &segment, const QString &type)
    {
        m_segment = segment;
        m_type = type;
        m_tree.loadProgram(QStringLiteral("P"), type, m_display, Qt::black, {}, 1, {}, 2, 1, QTime(0, 6), 0);
    }
    void window(const QString &name, const QPoint &at, const QSize &size)
    {
        m_window = name;
        m_tree.loadCommonWindow(name, m_type, true, 2, Qt::yellow, at.x(), at.y(), size.width(), size.height());
    }
    void video()
    {
        m_tree.loadVideoObject(++m_id, m_files.video, m_display, m_segment, QStringLiteral("P"), m_window, 0,
                               QTime(0, 0, 20), false, {}, {}, 1, 0, true, Qt::black, {}, 0, false, false, {}, 8, false,
                               false, false, Qt::white, {}, 0, false, 0, 5, 0);
    }
    void text(const QString &kind, const QString &words, int seconds)
    {
        TextProperty block;
        block.text = words;
        block.stayTime = seconds;
        block.playDuration = QTime(0, 0).addSecs(seconds);
        block.completePlay = false;
        block.rollingSpeed = 3;
        m_tree.loadTextObject(kind, ++m_id, m_display, m_segment, QStringLiteral("P"), m_window, block);
    }
    void clocks()
    {
        DigitalClockProperty digital;
        digital.playTime = QTime(0, 0, 20);
        m_tree.loadDigitalClockObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, digital);
        AnalogClockProperty analog;
        analog.playTime = QTime(0, 0, 20);
        m_tree.loadAnalogClockObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, analog);
        DigitalTimerProperty timer;
        timer.length = QTime(0, 0, 10);
        m_tree.loadDigitalTimerObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, timer);
    }
    void pictures()
    {
        for (const QString &path : m_files.pictures) {
            ImageProperty block;
            block.path = path;
            block.stayTime = 5;
            m_tree.loadImageObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, block);
        }
    }
    void page()
    {
        UrlProperty block;
        block.address = m_files.page;
        block.playTime = QTime(0, 0, 30);
        m_tree.loadUrlObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, block);
        text(MediaKind::SimpleText, QStringLiteral("Between pages"), 5);
    }
    void weather()
    {
        WeatherProperty block;
        block.timeLength = QTime(0, 0, 30);
        m_tree.loadWeatherObject(++m_id, m_display, m_segment, QStringLiteral("P"), m_window, block);
        text(MediaKind::SimpleText, QStringLiteral("Between forecasts"), 5);
    }
    // A timing segment whose points fall every few minutes from the next whole minute on, for a day.
    void insertion()
    {
        QList<TimePoint *> points;
        const QTime first = QTime(QTime::currentTime().hour(), QTime::currentTime().minute()).addSecs(60);
        for (int minutes = 0; minutes < 24 * 60; minutes += kInsertionEveryMinutes) {
            auto *point = new TimePoint;
            point->time = first.addSecs(minutes * 60);
            point->weekdays = Weekday::allDays();
            points << point;
        }
        m_tree.loadTimingSegment(QStringLiteral("Every"), m_display, points, 0, 0, kInsertionSeconds, 1, 0);
        program(QStringLiteral("Every"), SegmentType::Timing);
        window(QStringLiteral("Notice"), QPoint(0, 0), QSize(480, 270));
        pictures();
        window(QStringLiteral("NoticeText"), QPoint(480, 0), QSize(480, 270));
        text(MediaKind::SimpleText, QStringLiteral("Inserted notice"), 3);
    }

    ProjectTree &m_tree;
    QString m_display;
    const Fixtures &m_files;
    QString m_segment, m_type, m_window;
    int m_id = 1000;
};

// ---- figures --------------------------------------------------------------------

struct Sample
{
    double minute = 0;
    double programMiB = 0;
    double withHelpersMiB = 0;
    int threads = 0;     // of the program
    int descriptors = 0; // open files of the program
    double heapUsedMiB = 0; // what the allocator has handed out and not had back
    double heapFreeMiB = 0; // what it holds free inside its arenas
};

// The allocator's own count tells a leak (used grows) from memory it keeps
// after frees (free grows); -1 where the C library does not say.
void heapFigures(double *usedMiB, double *freeMiB)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    const struct mallinfo2 info = mallinfo2();
    *usedMiB = double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
    *freeMiB = double(info.fordblks) / (1024.0 * 1024.0);
#else
    *usedMiB = *freeMiB = -1;
#endif
}

Sample sampleAt(double minute)
{
    Sample sample{minute, residentKilobytes() / 1024.0, residentOfTree() / 1024.0,
                  QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(),
                  QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size()};
    heapFigures(&sample.heapUsedMiB, &sample.heapFreeMiB);
    return sample;
}

// Least-squares slope of y over the samples from `fromMinute` on, in MiB an hour.
double slopePerHour(const QList<Sample> &samples, double fromMinute, double Sample::*y)
{
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (const Sample &s : samples) {
        if (s.minute < fromMinute)
            continue;
        n += 1;
        sx += s.minute;
        sy += s.*y;
        sxx += s.minute * s.minute;
        sxy += s.minute * (s.*y);
    }
    const double denominator = n * sxx - sx * sx;
    return n < 2 || denominator == 0 ? 0 : 60.0 * (n * sxy - sx * sy) / denominator;
}

} // namespace

int main(int argc, char **argv)
{
    Allocator::limitArenas(StartupSequence::kAllocatorArenas); // as the program starts
    BenchSupport::preferOffscreen();
    if (getuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    VideoSettings::setOverride("ao", "null");
    initQvResources();
    QTextStream out(stdout);
    double minutes = 10.0;
    bool mixed = false;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--mixed"))
            mixed = true;
        else if (argument.toDouble() > 0)
            minutes = argument.toDouble();
    }
    const qint64 totalMs = qint64(qMax(0.5, minutes) * 60000);
    const double warmUpMinutes = minutes >= 45 ? 15.0 : minutes / 3;

    BenchSupport::Environment environment;
    const QString log = environment.logPath();
    LocalHttpServer weatherService;
    qputenv(WeatherService::kHostVariable, weatherService.hostAndPort().toUtf8());
    Fixtures fixtures;
    if (mixed) {
        serveWeather(weatherService);
        if (!makeFixtures(environment, &fixtures)) {
            out << "ffmpeg could not make the video clip\n";
            return 1;
        }
        // The program reads its city list from its own folder.
        AppContext::programDirPath = QFileInfo(environment.path(QStringLiteral("city.txt"))).absolutePath();
    }
    StderrFile stderrFile(environment.path(QStringLiteral("stderr.txt")));

    QList<Sample> samples;
    quint64 due = 0;
    int insertions = 0;
    QElapsedTimer wall;
    out << "platform: " << QGuiApplication::platformName() << "; " << (mixed ? "mixed areas" : "8 areas of 1 s texts")
        << " for " << minutes << " min in real time; warm-up " << warmUpMinutes << " min\n";
    out << "   min  program MiB  with helpers MiB  threads  files   CPU %   rows due  written  failed   stderr "
           "bytes  heap used  heap free\n";
    out.flush();
    {
        Widget w;
        if (mixed) {
            w.setDisplayWindowInfo(w.curDisplayName, 0, 0, 960, 270, 1);
            MixedBuilder(w, fixtures).build();
            w.requestStartupWeather();
        } else {
            BenchSupport::buildProgram(w, 8);
        }
        w.slotOverallPlay();
        wall.start();
        // Counts the timing insertions as the sequencer starts them.
        QTimer insertionWatch;
        bool inserted = false;
        QObject::connect(&insertionWatch, &QTimer::timeout, [&] {
            const bool now = w.curProjectWidget->tree()->insertedPlayMode == 2;
            insertions += now && !inserted ? 1 : 0;
            inserted = now;
        });
        insertionWatch.start(500);
        double cpuBefore = cpuSeconds();
        QTimer minute;
        QObject::connect(&minute, &QTimer::timeout, [&] {
            const double now = cpuSeconds();
            const Sample sample = sampleAt(wall.elapsed() / 60000.0);
            samples << sample;
            const Rows rows = rowsIn(log);
            out << QString::asprintf(
                "%6.1f %12.1f %17.1f %8d %6d %7.1f %10llu %8lld %7lld %14lld %10.1f %10.1f\n", sample.minute,
                sample.programMiB, sample.withHelpersMiB, sample.threads, sample.descriptors, 100.0 * (now - cpuBefore) / 60.0,
                static_cast<unsigned long long>(PlayLog::queuedRows()), rows.written, rows.failed, stderrFile.bytes(),
                sample.heapUsedMiB, sample.heapFreeMiB);
            out.flush();
            cpuBefore = now;
        });
        minute.start(60000);
        QTimer::singleShot(int(totalMs), &app, &QCoreApplication::quit);
        app.exec();
        w.slotOverallStop();
        due = PlayLog::queuedRows();
    }
    PlayLog::shutdown();
    const qint64 stderrBytes = stderrFile.bytes();
    stderrFile.restore();

    const double hours = wall.elapsed() / 3600000.0;
    const Rows rows = rowsIn(log);
    const qint64 kept = linesIn(PlayLogFallback::pathFor(log));
    out << QString::asprintf("memory slope after %.1f min: program %+.2f MiB/h, with helpers %+.2f MiB/h   "
                             "(target: under 2 MB an hour)\n",
                             warmUpMinutes, slopePerHour(samples, warmUpMinutes, &Sample::programMiB),
                             slopePerHour(samples, warmUpMinutes, &Sample::withHelpersMiB));
    out << QString::asprintf("allocator after %.1f min: in use %+.2f MiB/h, held free %+.2f MiB/h\n", warmUpMinutes,
                             slopePerHour(samples, warmUpMinutes, &Sample::heapUsedMiB),
                             slopePerHour(samples, warmUpMinutes, &Sample::heapFreeMiB));
    const auto warm = std::find_if(samples.cbegin(), samples.cend(),
                                   [&](const Sample &sample) { return sample.minute >= warmUpMinutes; });
    if (warm != samples.cend())
        out << "after warm-up: threads " << QString::asprintf("%+d", samples.last().threads - warm->threads)
            << ", open files " << QString::asprintf("%+d", samples.last().descriptors - warm->descriptors)
            << "   (target: 0)\n";
    out << "play log: rows due " << due << ", written " << rows.written << " (" << rows.failed
        << " failed), kept in the fallback file " << kept << ", dropped " << PlayLog::droppedRows()
        << "   (target: written + kept = due, none dropped)\n";
    out << "rows by item: " << rowsByName(log).join(QStringLiteral(", ")) << "\n";
    if (mixed)
        out << "timing insertions: " << insertions << "; weather service: " << weatherService.requests.size()
            << " requests (the forecast and its pictures)\n";
    out << QString::asprintf("stderr: %lld bytes, %.0f bytes an hour   (target: under 1 MB an hour)\n", stderrBytes,
                             stderrBytes / qMax(hours, 1e-6));
    const QStringList commonest = stderrFile.commonest(8);
    if (!commonest.isEmpty())
        out << "stderr, the lines written most often:\n  " << commonest.join(QStringLiteral("\n  ")) << "\n";
    return 0;
}

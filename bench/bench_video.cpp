// What a video costs in the product beside libmpv alone on the same output
// path. Built once per program's back end (bench_video: render API into an
// OpenGL widget; bench_video_embedded: libmpv into a native window).
//
// Makes a 30 s 1920x1080 H.264 clip, then runs, each in a child process and
// interleaved, twice each: (a) one 1280x720 area of a display window playing
// the clip as a video item; (b) libmpv alone on the same output path with the
// same options. Prints CPU seconds (user + system), wall seconds and the
// ratio of the CPU seconds. Then the resident memory an area keeps once its
// video ended, beside areas that never had a player.
//
//     xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_video

#include "BenchMeasure.h"
#include "base/AppContext.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/video/VideoModule.h"

#include <mpv/client.h>
#ifndef QV_EMBEDDED_BUILD
#include <mpv/render_gl.h>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#endif

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <clocale>
#include <cstdio>

namespace {

using BenchMeasure::cpuSeconds;
using BenchMeasure::residentKilobytes;

QVLedMediaObject *videoItem(const QString &path, const CommonWinObject &window, int seconds)
{
    auto *item = new QVLedMediaObject;
    item->kind = QStringLiteral("video");
    item->windowName = window.name;
    item->programName = window.programName;
    item->segmentName = window.segmentName;
    item->video.path = path;
    item->video.duration = QTime(0, 0).addSecs(seconds);
    return item;
}

CommonWinObject *windowRecord(int number, int width, int height)
{
    auto *window = new CommonWinObject;
    window->name = QStringLiteral("W%1").arg(number);
    window->programName = QStringLiteral("P");
    window->segmentName = QStringLiteral("G");
    window->width = width;
    window->height = height;
    return window;
}

// (a) the product: one area of a display window plays the clip as a video item.
int runProduct(const QString &clip)
{
    MainPlayBKLabel display(QStringLiteral("Display window1"), nullptr);
    display.setGeometry(0, 0, 1280, 720);
    display.playing = true;
    display.show();
    CommonWinObject *window = windowRecord(1, 1280, 720);
    display.addCommonWin(false, window, QStringLiteral("generalSegment"));
    CommonPlayWindow *area = display.playWindows.value(0);
    QVLedMediaObject *item = videoItem(clip, *window, 30);
    area->mediaList = {item};
    QObject::connect(&display, &MainPlayBKLabel::sigCurProgramRealPlayEnd, qApp, &QCoreApplication::quit);
    area->startRealPlay();
    const int rc = qApp->exec();
    display.removePlayWindow(area);
    delete item;
    delete window;
    return rc;
}

#ifndef QV_EMBEDDED_BUILD
// (b) libmpv alone: its render API into a 1280x720 OpenGL widget.
class BareRenderWidget : public QOpenGLWidget
{
public:
    explicit BareRenderWidget(const QString &clip) : m_clip(clip)
    {
        m_mpv = mpv_create();
        for (const auto &option : MpvOptions{{"terminal", "yes"}, {"msg-level", "all=v"}, {"vo", "libmpv"},
                                             {"hwdec", "auto"}, {"gpu-sw", "yes"}, {"ao", "null"}})
            mpv_set_option_string(m_mpv, option.first.constData(), option.second.constData());
        mpv_initialize(m_mpv);
        mpv_set_wakeup_callback(m_mpv, [](void *self) {
            QMetaObject::invokeMethod(static_cast<BareRenderWidget *>(self), [self] {
                static_cast<BareRenderWidget *>(self)->drain();
            }, Qt::QueuedConnection);
        }, this);
        connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
            if (m_gl)
                mpv_render_context_report_swap(m_gl);
        });
    }
    ~BareRenderWidget() override
    {
        makeCurrent();
        if (m_gl)
            mpv_render_context_free(m_gl);
        doneCurrent();
        mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
        mpv_terminate_destroy(m_mpv);
    }

protected:
    void initializeGL() override
    {
        mpv_opengl_init_params init{[](void *, const char *name) -> void * {
                                        QOpenGLContext *context = QOpenGLContext::currentContext();
                                        return context ? reinterpret_cast<void *>(context->getProcAddress(name))
                                                       : nullptr;
                                    },
                                    nullptr};
        mpv_render_param params[]{{MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
                                  {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &init},
                                  {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_create(&m_gl, m_mpv, params);
        mpv_render_context_set_update_callback(m_gl, [](void *self) {
            QMetaObject::invokeMethod(static_cast<BareRenderWidget *>(self), "update", Qt::QueuedConnection);
        }, this);
        const QByteArray path = m_clip.toUtf8();
        const char *command[]{"loadfile", path.constData(), nullptr};
        mpv_command(m_mpv, command);
    }
    void paintGL() override
    {
        mpv_opengl_fbo fbo{int(defaultFramebufferObject()), width(), height(), 0};
        int flip = 1;
        mpv_render_param params[]{{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                                  {MPV_RENDER_PARAM_FLIP_Y, &flip},
                                  {MPV_RENDER_PARAM_INVALID, nullptr}};
        mpv_render_context_render(m_gl, params);
    }

private:
    void drain()
    {
        while (const mpv_event *event = mpv_wait_event(m_mpv, 0)) {
            if (event->event_id == MPV_EVENT_NONE)
                return;
            if (event->event_id == MPV_EVENT_END_FILE)
                qApp->quit();
        }
    }
    QString m_clip;
    mpv_handle *m_mpv = nullptr;
    mpv_render_context *m_gl = nullptr;
};

int runBaseline(const QString &clip)
{
    BareRenderWidget widget(clip);
    widget.setGeometry(0, 0, 1280, 720);
    widget.show();
    return qApp->exec();
}
#else
// (b) libmpv alone: "wid" into a 1280x720 native window.
int runBaseline(const QString &clip)
{
    QWidget window;
    window.setGeometry(0, 0, 1280, 720);
    window.setAttribute(Qt::WA_NativeWindow);
    window.show();
    mpv_handle *mpv = mpv_create();
    for (const auto &option : MpvOptions{{"hwdec", "yes"}, {"gpu-sw", "yes"}, {"ao", "null"}})
        mpv_set_option_string(mpv, option.first.constData(), option.second.constData());
    int64_t wid = qint64(window.winId());
    mpv_set_option(mpv, "wid", MPV_FORMAT_INT64, &wid);
    mpv_observe_property(mpv, 0, "duration", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv, 0, "time-pos", MPV_FORMAT_DOUBLE);
    mpv_observe_property(mpv, 0, "track-list", MPV_FORMAT_NODE);
    mpv_observe_property(mpv, 0, "chapter-list", MPV_FORMAT_NODE);
    mpv_initialize(mpv);
    static mpv_handle *handle = mpv;
    mpv_set_wakeup_callback(mpv, [](void *) {
        QMetaObject::invokeMethod(qApp, [] {
            while (const mpv_event *event = mpv_wait_event(handle, 0)) {
                if (event->event_id == MPV_EVENT_NONE)
                    return;
                if (event->event_id == MPV_EVENT_END_FILE)
                    qApp->quit();
            }
        }, Qt::QueuedConnection);
    }, nullptr);
    const QByteArray path = clip.toUtf8();
    const char *command[]{"loadfile", path.constData(), nullptr};
    mpv_command_async(mpv, 0, command);
    const int rc = qApp->exec();
    mpv_set_wakeup_callback(mpv, nullptr, nullptr);
    mpv_terminate_destroy(mpv);
    return rc;
}
#endif

// Resident memory of areas that played a video and went idle, beside areas that never had a player.
int runMemory(const QString &shortClip)
{
    constexpr int kAreas = 4;
    MainPlayBKLabel display(QStringLiteral("Display window1"), nullptr);
    display.setGeometry(0, 0, 1280, 720);
    display.playing = true;
    display.show();
    QList<CommonWinObject *> windows;
    QList<QVLedMediaObject *> items;
    auto addAreas = [&](int first) {
        for (int i = first; i < first + kAreas; ++i) {
            windows << windowRecord(i, 320, 180);
            display.addCommonWin(false, windows.last(), QStringLiteral("generalSegment"));
        }
    };
    // One area plays first, so the libraries libmpv and OpenGL load once are not counted per area.
    addAreas(2 * kAreas);
    CommonPlayWindow *warmUp = display.playWindows.value(0);
    items << videoItem(shortClip, *windows.value(0), 2);
    warmUp->mediaList = {items.last()};
    QMetaObject::Connection warmed =
        QObject::connect(&display, &MainPlayBKLabel::sigCurProgramRealPlayEnd, qApp, &QCoreApplication::quit);
    warmUp->startRealPlay();
    qApp->exec();
    QObject::disconnect(warmed);
    while (display.playWindows.size() > 1)
        display.removePlayWindow(display.playWindows.last());
    const int firstMeasured = 1;
    QCoreApplication::processEvents();
    const long start = residentKilobytes();
    addAreas(0);
    QCoreApplication::processEvents();
    const long plain = residentKilobytes();
    addAreas(kAreas);
    int finished = 0;
    QObject::connect(&display, &MainPlayBKLabel::sigCurProgramRealPlayEnd, qApp, [&] {
        if (++finished == 1)
            QTimer::singleShot(1500, qApp, &QCoreApplication::quit); // every area has ended its item by then
    });
    for (int i = firstMeasured + kAreas; i < firstMeasured + 2 * kAreas; ++i) {
        CommonPlayWindow *area = display.playWindows.value(i);
        items << videoItem(shortClip, *area->winObject, 2);
        area->mediaList = {items.last()};
        area->startRealPlay();
    }
    qApp->exec();
    const long idle = residentKilobytes();
    std::printf("RESULT memory %.1f %.1f\n", double(plain - start) / kAreas, double(idle - plain) / kAreas);
    while (!display.playWindows.isEmpty())
        display.removePlayWindow(display.playWindows.last());
    qDeleteAll(items);
    qDeleteAll(windows);
    return 0;
}

int runChild(const QString &mode, const QString &clip)
{
    QElapsedTimer wall;
    wall.start();
    int rc = 0;
    if (mode == QLatin1String("product"))
        rc = runProduct(clip);
    else if (mode == QLatin1String("baseline"))
        rc = runBaseline(clip);
    else
        return runMemory(clip);
    std::printf("RESULT %s %.2f %.2f\n", qPrintable(mode), cpuSeconds(), wall.elapsed() / 1000.0);
    std::fflush(stdout);
    return rc;
}

bool makeClip(const QString &path, const QString &size, int seconds, int fps)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i",
                  QStringLiteral("testsrc2=size=%1:rate=%2").arg(size).arg(fps), "-t", QString::number(seconds),
                  "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p", path});
    return ffmpeg.waitForFinished(600000) && ffmpeg.exitCode() == 0;
}

// The child's RESULT line: mode, CPU seconds, wall seconds.
QStringList childResult(const QString &mode, const QString &clip)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::SeparateChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--child", mode, clip});
    child.waitForFinished(300000);
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("RESULT"))
            return QString::fromUtf8(line).split(' ').mid(1);
    }
    return {};
}

int runParent()
{
    QTemporaryDir dir;
    const QString clip = dir.filePath("clip.mp4");
    const QString shortClip = dir.filePath("short.mp4");
    std::printf("making a 30 s 1920x1080 H.264 clip at 30 fps...\n");
    std::fflush(stdout);
    if (!makeClip(clip, "1920x1080", 30, 30) || !makeClip(shortClip, "320x240", 2, 30)) {
        std::fprintf(stderr, "ffmpeg could not make the clips\n");
        return 1;
    }
    double cpu[2] = {0, 0}, wall[2] = {0, 0};
    const char *modes[2] = {"product", "baseline"};
    for (int round = 0; round < 2; ++round) {
        for (int m = 0; m < 2; ++m) {
            const QStringList result = childResult(modes[m], clip);
            std::printf("%-9s run %d: cpu %6s s  wall %6s s\n", modes[m], round + 1,
                        qPrintable(result.value(1, "?")), qPrintable(result.value(2, "?")));
            std::fflush(stdout);
            cpu[m] += result.value(1).toDouble();
            wall[m] += result.value(2).toDouble();
        }
    }
    std::printf("mean      product: cpu %.2f s wall %.2f s | baseline: cpu %.2f s wall %.2f s\n", cpu[0] / 2,
                wall[0] / 2, cpu[1] / 2, wall[1] / 2);
    std::printf("ratio     cpu product / baseline = %.3f (target <= 1.10)\n", cpu[1] > 0 ? cpu[0] / cpu[1] : 0.0);
    const QStringList memory = childResult("memory", shortClip);
    std::printf("memory    resident per area: never had a player %s kB, idle after its video %s kB\n",
                qPrintable(memory.value(1, "?")), qPrintable(memory.value(2, "?")));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList arguments = app.arguments();
    if (arguments.value(1) == QLatin1String("--child")) {
        VideoSettings::setOverride("ao", "null");
        QTemporaryDir dir;
        PlayLog::setDatabasePath(dir.filePath("log.db"));
        const int rc = runChild(arguments.value(2), arguments.value(3));
        PlayLog::shutdown();
        return rc;
    }
    return runParent();
}

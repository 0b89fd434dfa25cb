// Rolling text against a scroller of its own: phase 1 plays a 1920 x 200
// display window with a full-width rolling text (1920 x 100, 32 pt, speed 10,
// one copy) and a two-line paged text that stays; phase 2 runs a minimal
// scroller in a window of the same size that paints one pre-rendered pixmap
// at an offset every 16 ms, at the same pixels per second. Prints the CPU
// seconds (user + system) of each phase, their ratio, and how many text
// layouts and strip renders phase 1 made against how many frames it moved.
// Phase 3 rolls texts of 200,000 and 1,000,000 characters in the same area
// and prints how long showing them took, the longest the GUI thread was
// held (a 100 ms timer's worst lateness), the resident memory they added at
// their peak, and how many frames they moved on.
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench_textplay [seconds per phase] [long]   (default 60)
// With "long" only phase 3 runs.

#include "BenchMeasure.h"
#include "base/AppContext.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/PlayLog.h"
#include "playback/TextLayout.h"
#include "playback/TextStrip.h"
#include "playback/TextStyle.h"
#include "playback/content/TextContentPlayer.h"
#include "playback/textWidget.h"
#include "support/HostileProbes.h"
#include "support/NewsText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace {

const QString kText = QStringLiteral("Opening hours today: 9:00 to 18:00 - welcome to the spring sale on the second "
                                     "floor - free parking for customers");

using BenchMeasure::cpuSeconds;

void runFor(int seconds)
{
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts the moves of a widget: one per frame the rolling text moved.
class MoveCounter : public QObject
{
public:
    int moves = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move)
            ++moves;
        return false;
    }
};

CommonWinObject *areaRecord(const QString &name, int y, int height)
{
    auto *window = new CommonWinObject;
    window->name = name;
    window->programName = QStringLiteral("P");
    window->segmentName = QStringLiteral("G");
    window->displayName = QStringLiteral("Bench");
    window->segmentType = SegmentType::General;
    window->x = 0;
    window->y = y;
    window->width = 1920;
    window->height = height;
    return window;
}

QVLedMediaObject *textItem(const QString &kind, const CommonWinObject *window)
{
    auto *item = new QVLedMediaObject;
    item->kind = kind;
    item->windowName = window->name;
    item->programName = window->programName;
    item->segmentName = window->segmentName;
    item->displayName = window->displayName;
    return item;
}

struct PhaseResult
{
    double cpu = 0;
    int layouts = 0;
    int renders = 0;
    int frames = 0;
};

PhaseResult playDisplayWindow(int seconds)
{
    MainPlayBKLabel display(QStringLiteral("Bench"), nullptr);
    display.setGeometry(0, 0, 1920, 200);
    display.show();
    std::unique_ptr<CommonWinObject> rollingArea(areaRecord(QStringLiteral("Rolling"), 0, 100));
    std::unique_ptr<CommonWinObject> pagedArea(areaRecord(QStringLiteral("Paged"), 100, 100));
    std::unique_ptr<QVLedMediaObject> rolling(textItem(MediaKind::ScrollingText, rollingArea.get()));
    rolling->text.text = kText;
    rolling->text.fontSize = 32;
    rolling->text.rollingSpeed = 10;
    rolling->text.completePlay = false;
    rolling->text.playDuration = QTime(1, 0, 0);
    std::unique_ptr<QVLedMediaObject> paged(textItem(MediaKind::SimpleText, pagedArea.get()));
    paged->text.text = QStringLiteral("Spring sale\nsecond floor");
    paged->text.stayTime = 100000;

    display.playing = true;
    for (auto pair : {std::make_pair(rollingArea.get(), rolling.get()), std::make_pair(pagedArea.get(), paged.get())}) {
        display.addCommonWin(false, pair.first, SegmentType::General);
        display.updateWindowGeometry(pair.first);
    }
    CommonPlayWindow *rollingPlayer = display.playWindows.value(0);
    CommonPlayWindow *pagedPlayer = display.playWindows.value(1);
    rollingPlayer->mediaList = {rolling.get()};
    pagedPlayer->mediaList = {paged.get()};
    // Settle the windows before measuring.
    QApplication::processEvents();
    const int layouts = TextLayout::layoutsMade();
    const int renders = TextStrip::rendersMade();
    const double start = cpuSeconds();
    rollingPlayer->startRealPlay();
    pagedPlayer->startRealPlay();
    MoveCounter counter;
    auto *player = qobject_cast<TextContentPlayer *>(rollingPlayer->content().find(MediaFamily::Text));
    if (player)
        player->widget()->stripLabel->installEventFilter(&counter);
    runFor(seconds);
    PhaseResult result;
    result.cpu = cpuSeconds() - start;
    result.layouts = TextLayout::layoutsMade() - layouts;
    result.renders = TextStrip::rendersMade() - renders;
    result.frames = counter.moves;
    rollingPlayer->clearPlayList();
    pagedPlayer->clearPlayList();
    return result;
}

struct LongTextResult
{
    qint64 showMs = 0;
    qint64 longestStallMs = 0;
    qint64 addedMb = 0;
    int frames = 0;
    int renders = 0;
};

LongTextResult playLongText(int characters, int seconds)
{
    MainPlayBKLabel display(QStringLiteral("Bench"), nullptr);
    display.setGeometry(0, 0, 1920, 100);
    display.show();
    std::unique_ptr<CommonWinObject> area(areaRecord(QStringLiteral("Rolling"), 0, 100));
    std::unique_ptr<QVLedMediaObject> rolling(textItem(MediaKind::ScrollingText, area.get()));
    rolling->text.text = newsText(characters);
    rolling->text.fontSize = 32;
    rolling->text.rollingSpeed = 10;
    rolling->text.playDuration = QTime(1, 0, 0);
    display.playing = true;
    display.addCommonWin(false, area.get(), SegmentType::General);
    display.updateWindowGeometry(area.get());
    CommonPlayWindow *player = display.playWindows.value(0);
    player->mediaList = {rolling.get()};
    QApplication::processEvents();

    LongTextResult result;
    HostileProbes::PeakMemory memory;
    memory.start();
    HostileProbes::GuiStallProbe stalls;
    stalls.start();
    const int renders = TextStrip::rendersMade();
    QElapsedTimer showing;
    showing.start();
    player->startRealPlay();
    result.showMs = showing.elapsed();
    MoveCounter counter;
    auto *text = qobject_cast<TextContentPlayer *>(player->content().find(MediaFamily::Text));
    if (text)
        text->widget()->stripLabel->installEventFilter(&counter);
    runFor(seconds);
    result.longestStallMs = stalls.longestStallMs();
    result.addedMb = memory.growthMb();
    result.frames = counter.moves;
    result.renders = TextStrip::rendersMade() - renders;
    player->clearPlayList();
    return result;
}

// The scroller to measure against: one pixmap, painted at an offset every 16 ms.
class MinimalScroller : public QWidget
{
public:
    explicit MinimalScroller(qreal pixelsPerSecond) : m_speed(pixelsPerSecond)
    {
        const QFont font = TextStyle::font(QStringLiteral("Arial"), 32, false, false, false);
        const QFontMetrics metrics(font);
        m_strip = QPixmap(metrics.horizontalAdvance(kText) + 32, 100);
        m_strip.fill(Qt::transparent);
        QPainter painter(&m_strip);
        painter.setFont(font);
        painter.setPen(Qt::red);
        painter.drawText(QPoint(0, 66), kText);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_x -= m_speed * m_clock.restart() / 1000;
            if (m_x < -m_strip.width())
                m_x = width();
            update();
        });
        m_clock.start();
        m_timer.start(16);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawPixmap(int(m_x), 0, m_strip);
    }

private:
    QPixmap m_strip;
    QTimer m_timer;
    QElapsedTimer m_clock;
    qreal m_speed;
    qreal m_x = 1920;
};

double runMinimalScroller(int seconds)
{
    MinimalScroller scroller(TextStyle::textPixelsPerSecond(10, 32, 0));
    scroller.setGeometry(0, 0, 1920, 200);
    scroller.show();
    QApplication::processEvents();
    const double start = cpuSeconds();
    runFor(seconds);
    return cpuSeconds() - start;
}

void runPhasesOneAndTwo(QTextStream &out, int seconds)
{
    const PhaseResult played = playDisplayWindow(seconds);
    const double minimal = runMinimalScroller(seconds);
    out << "phase 1, display window (rolling text + paged text): " << played.cpu << " s CPU in " << seconds << " s\n";
    out << "phase 2, minimal scroller:                           " << minimal << " s CPU in " << seconds << " s\n";
    out << "ratio phase 1 / phase 2: " << (minimal > 0 ? played.cpu / minimal : 0) << " (target at most 1.0)\n";
    out << "phase 1 made " << played.layouts << " text layouts and " << played.renders << " strip renders while "
        << "moving the text on " << played.frames << " frames\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 60;
    QTemporaryDir home;
    AppContext::appDirPath = home.path();
    PlayLog::setDatabasePath(home.filePath(QStringLiteral("log.db")));
    AppContext::displayWindowParent = new QLabel;

    QTextStream out(stdout);
    const bool onlyLong = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("long");
    if (!onlyLong)
        runPhasesOneAndTwo(out, seconds);
    for (int characters : {200000, 1000000}) {
        const LongTextResult long_ = playLongText(characters, qMin(seconds, 20));
        out << "phase 3, " << characters << " characters: shown in " << long_.showMs << " ms, GUI thread held at most "
            << long_.longestStallMs << " ms, " << long_.addedMb << " MB added at the peak, moved on " << long_.frames
            << " frames, " << long_.renders << " strip renders\n";
        out.flush();
    }
    PlayLog::flush();
    return 0;
}

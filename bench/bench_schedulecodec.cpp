// Encodes and decodes a schedule of 10,000 media items spread over every
// kind and prints the time per item and the peak memory of the process.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleRecords.h"
#include "model/ScheduleWriter.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <sys/resource.h>

namespace {

constexpr int kItems = 10000;
constexpr int kItemsPerWindow = 50;
constexpr int kRounds = 5;

void buildSchedule(OwnedSchedule &owned)
{
    Schedule &s = owned.schedule();
    s.displayWindowCounter = 2;
    DisplayWindowSchedule dw;
    dw.window = new PlayWinObject;
    dw.window->name = QStringLiteral("Display window1");
    auto *segment = new GeneralObject;
    segment->name = QStringLiteral("General Segment1");
    dw.generalSegments.append(segment);
    const QStringList kinds = MediaKind::all();
    ProgramObject *program = nullptr;
    CommonWinObject *window = nullptr;
    for (int i = 0; i < kItems; ++i) {
        if (i % (kItemsPerWindow * 4) == 0) {
            program = new ProgramObject;
            program->name = QStringLiteral("Program%1").arg(segment->programs.size() + 1);
            segment->programs.append(program);
        }
        if (i % kItemsPerWindow == 0) {
            window = new CommonWinObject;
            window->name = QStringLiteral("Common Window%1").arg(program->windows.size() + 1);
            window->segmentType = SegmentType::General;
            program->windows.append(window);
        }
        auto *item = new QVLedMediaObject;
        item->id = i;
        item->kind = kinds.at(i % kinds.size());
        item->displayName = dw.window->name;
        item->segmentName = segment->name;
        item->programName = program->name;
        item->windowName = window->name;
        item->video.path = QStringLiteral("/media/video%1.mp4").arg(i);
        item->image.path = QStringLiteral("/media/picture%1.png").arg(i);
        window->media.append(item);
    }
    s.displayWindows.append(dw);
}

long peakKilobytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // items hold pixmaps: a GUI application without a display
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);

    OwnedSchedule owned;
    buildSchedule(owned);
    const long afterBuild = peakKilobytes();

    QByteArray bytes;
    QElapsedTimer timer;
    timer.start();
    for (int r = 0; r < kRounds; ++r)
        bytes = ScheduleWriter().encode(owned.schedule());
    const double encodeNs = double(timer.nsecsElapsed()) / (kRounds * kItems);

    timer.restart();
    for (int r = 0; r < kRounds; ++r) {
        ScheduleReader reader;
        if (!reader.decode(bytes)) {
            out << "decode failed: " << reader.errorString() << "\n";
            return 1;
        }
    }
    const double decodeNs = double(timer.nsecsElapsed()) / (kRounds * kItems);

    out << "items: " << kItems << ", file: " << bytes.size() << " bytes\n";
    out << "encode: " << QString::number(encodeNs / 1000.0, 'f', 2) << " us/item\n";
    out << "decode: " << QString::number(decodeNs / 1000.0, 'f', 2) << " us/item\n";
    out << "peak memory: " << peakKilobytes() / 1024 << " MiB (after building the records: "
        << afterBuild / 1024 << " MiB)\n";
    return 0;
}

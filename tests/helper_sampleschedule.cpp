// Writes a small schedule for pictures of the editor (scripts/screenshot):
// one display window with a general segment of two programs (a picture and a
// scrolling line over a clock; a plain text page) and a cycle-inserted
// segment of one program.
//   helper_sampleschedule <folder>   writes <folder>/sample.qvsc and the
//                                   picture it shows, <folder>/welcome.png

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleFile.h"
#include "model/ScheduleRecords.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTextStream>

#include <memory>

namespace {

const QString kDisplay = QStringLiteral("Display window1");

QString makePicture(const QDir &folder)
{
    QImage picture(640, 270, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sky(0, 0, 640, 270);
    sky.setColorAt(0, QColor(20, 60, 140));
    sky.setColorAt(1, QColor(0, 150, 170));
    painter.fillRect(picture.rect(), sky);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(64);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Welcome"));
    painter.end();
    const QString path = folder.filePath(QStringLiteral("welcome.png"));
    picture.save(path);
    return path;
}

class Builder
{
public:
    // A segment of every day, all day.
    template <typename Segment>
    Segment *segment(QList<Segment *> &segments, const QString &name)
    {
        auto *segment = new Segment;
        segment->name = name;
        segment->displayName = kDisplay;
        segment->weekdays = Weekday::allDays();
        segments << segment;
        return segment;
    }

    template <typename Segment>
    ProgramObject *program(Segment *segment, const QString &name, const QString &segmentType)
    {
        auto *program = new ProgramObject;
        program->name = name;
        program->segmentName = segment->name;
        program->displayName = kDisplay;
        segment->programs << program;
        segment->programCounter = segment->programs.size();
        m_segmentType = segmentType;
        return program;
    }

    CommonWinObject *window(ProgramObject *program, const QRect &area)
    {
        auto *window = new CommonWinObject;
        window->name = QStringLiteral("Common Window%1").arg(program->windows.size() + 1);
        window->programName = program->name;
        window->segmentName = program->segmentName;
        window->displayName = kDisplay;
        window->segmentType = m_segmentType;
        window->x = area.x();
        window->y = area.y();
        window->width = area.width();
        window->height = area.height();
        program->windows << window;
        program->windowCounter = program->windows.size();
        return window;
    }

    QVLedMediaObject *item(CommonWinObject *window, QLatin1String kind)
    {
        auto *item = new QVLedMediaObject;
        item->kind = kind;
        item->id = ++m_id;
        item->windowName = window->name;
        item->programName = window->programName;
        item->segmentName = window->segmentName;
        item->displayName = kDisplay;
        window->media << item;
        return item;
    }

private:
    QString m_segmentType;
    int m_id = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // fonts for the picture
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: helper_sampleschedule <folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        err << "no such folder: " << folder.path() << '\n';
        return 2;
    }

    OwnedSchedule owned;
    Schedule &schedule = owned.schedule();
    schedule.displayWindowCounter = 1;
    DisplayWindowSchedule display;
    display.window = new PlayWinObject;
    display.window->name = kDisplay;
    display.window->width = 640;
    display.window->height = 360;

    Builder build;
    GeneralObject *general = build.segment(display.generalSegments, QStringLiteral("General Segment1"));

    ProgramObject *morning = build.program(general, QStringLiteral("Program1"), SegmentType::General);
    CommonWinObject *top = build.window(morning, QRect(0, 0, 640, 270));
    build.item(top, MediaKind::Image)->image.path = makePicture(folder);
    build.item(top, MediaKind::DigitalClock);
    CommonWinObject *bottom = build.window(morning, QRect(0, 270, 640, 90));
    QVLedMediaObject *line = build.item(bottom, MediaKind::ScrollingText);
    line->text.text = QStringLiteral("Opening hours 9:00 - 18:00");
    line->text.fontSize = 40;

    ProgramObject *notice = build.program(general, QStringLiteral("Program2"), SegmentType::General);
    QVLedMediaObject *page = build.item(build.window(notice, QRect(0, 0, 640, 360)), MediaKind::SimpleText);
    page->text.text = QStringLiteral("Please keep the exits clear");

    CycleObject *cycle = build.segment(display.cycleSegments, QStringLiteral("Cycle Inserted Segment1"));
    ProgramObject *advert = build.program(cycle, QStringLiteral("Program1"), SegmentType::Cycle);
    build.item(build.window(advert, QRect(0, 0, 640, 360)), MediaKind::AnalogClock);

    schedule.displayWindows << display;
    QString error;
    if (!ScheduleFile::save(folder.filePath(QStringLiteral("sample.qvsc")), schedule, &error)) {
        err << error << '\n';
        return 1;
    }
    return 0;
}

#include "shell/Prodoc.h"

#include "base/Log.h"
#include "editor/OfficePages.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/DisplayGeometry.h"
#include "model/KindNames.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleFile.h"
#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/OpenGlWindows.h"
#include "shell/Widget.h"

#include <QPointer>
#include <QSet>

namespace {
// Building a schedule shows and hides its areas again and again before
// anything is painted; each display window applies only the outcome, once,
// when the whole schedule is built.
class AreaBatches
{
public:
    AreaBatches() = default;
    AreaBatches(const AreaBatches &) = delete;
    AreaBatches &operator=(const AreaBatches &) = delete;
    ~AreaBatches()
    {
        for (const QPointer<MainPlayBKLabel> &displayWindow : qAsConst(m_displayWindows)) {
            if (displayWindow)
                displayWindow->endAreaBatch();
        }
    }
    void add(const QList<MainPlayBKLabel *> &displayWindows, const QString &name)
    {
        for (MainPlayBKLabel *displayWindow : displayWindows) {
            if (displayWindow->name == name) {
                displayWindow->beginAreaBatch();
                m_displayWindows << displayWindow;
            }
        }
    }

private:
    QList<QPointer<MainPlayBKLabel>> m_displayWindows;
};
} // namespace

Prodoc::Prodoc(Widget *mainWindow) : m_mainWindow(mainWindow)
{ }

Schedule Prodoc::currentSchedule() const
{
    Schedule schedule;
    schedule.displayWindowCounter = m_mainWindow->displayWindowCounter;
    for (PlayWinObject *record : m_mainWindow->playWinObjects) {
        DisplayWindowSchedule displayWindow;
        displayWindow.window = record;
        if (ProjectWidget *panel = m_mainWindow->projectWidgets.value(record->name)) {
            displayWindow.generalSegments = panel->tree()->generalSegments;
            displayWindow.cycleSegments = panel->tree()->cycleSegments;
            displayWindow.timingSegments = panel->tree()->timingSegments;
        }
        schedule.displayWindows.append(displayWindow);
    }
    return schedule;
}

bool Prodoc::saveSchedule(const QString &path)
{
    m_error.clear();
    return ScheduleFile::save(path, currentSchedule(), &m_error);
}

bool Prodoc::loadSchedule(const QString &path)
{
    m_error.clear();
    std::unique_ptr<OwnedSchedule> decoded = ScheduleFile::load(path, &m_error);
    if (!decoded)
        return false;
    Schedule &schedule = decoded->schedule();

    // Every display window is known by its name alone; two of one name cannot be shown.
    QSet<QString> names;
    for (const DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        const QString &name = displayWindow.window->name;
        if (names.contains(name)) {
            m_error = tr("%1 is damaged or not a schedule: the display window \"%2\" appears twice").arg(path, name);
            return false;
        }
        names.insert(name);
    }

    keepGeometryInBounds(path, schedule);
    // The Office documents are prepared in the background once the schedule is up; their items wait meanwhile.
    OfficePages::prepareSchedule(schedule);
    m_mainWindow->slotClearCurrentAllScheme();
    // Display windows that will show videos or web pages are made able to at once, not again later.
    OpenGlWindows::allowFor(schedule);
    AreaBatches batches;
    m_mainWindow->displayWindowCounter = schedule.displayWindowCounter;
    for (DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        const PlayWinObject &record = *displayWindow.window;
        m_mainWindow->createDisplayWindowButton(record.name);
        m_mainWindow->createDisplayWindowBackground(record.name, record.x, record.y, record.width, record.height);
        batches.add(m_mainWindow->displayWindows, record.name);
        m_mainWindow->createDisplayWindowProject(record.name);
        m_mainWindow->setDisplayWindowInfo(record.name, record.x, record.y, record.width, record.height,
                                           record.onTopMode);
        ProjectTree *tree = m_mainWindow->curProjectWidget->tree();
        tree->addScheduleRootItem();
        readGeneralSegments(tree, displayWindow.generalSegments);
        readCycleSegments(tree, displayWindow.cycleSegments);
        readTimingSegments(tree, displayWindow.timingSegments);
        // Every tree ends with its root selected, whichever display window is shown first.
        tree->curItem = tree->topLevelItem(0);
        tree->setCurrentItem(tree->curItem);
    }

    if (!schedule.displayWindows.isEmpty()) {
        m_mainWindow->uncheckAllDisplayWindowButtons();
        m_mainWindow->curProjectWidget->tree()->slotSelectItemChecked();
    }
    return true;
}

namespace {
template <typename Segment>
int clampAreas(const QList<Segment *> &segments)
{
    int clamped = 0;
    for (const Segment *segment : segments)
        for (const ProgramObject *program : segment->programs)
            for (CommonWinObject *window : program->windows)
                clamped += DisplayGeometry::clamp(*window) ? 1 : 0;
    return clamped;
}
} // namespace

void Prodoc::keepGeometryInBounds(const QString &path, Schedule &schedule)
{
    int clamped = 0;
    for (DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        clamped += DisplayGeometry::clamp(*displayWindow.window) ? 1 : 0;
        clamped += clampAreas(displayWindow.generalSegments);
        clamped += clampAreas(displayWindow.cycleSegments);
        clamped += clampAreas(displayWindow.timingSegments);
    }
    if (clamped > 0)
        qCWarning(lcShell).noquote()
            << tr("%1: %n display window(s) or area(s) lay outside positions %2 to %3 or sizes up to %4 "
                  "and were brought inside",
                  nullptr, clamped)
                   .arg(path)
                   .arg(DisplayGeometry::kMinPosition)
                   .arg(DisplayGeometry::kMaxPosition)
                   .arg(DisplayGeometry::kMaxSize);
}

void Prodoc::readGeneralSegments(ProjectTree *tree, const QList<GeneralObject *> &segments)
{
    for (const GeneralObject *s : segments) {
        tree->loadGeneralSegment(s->name, s->displayName, s->specifiedDate, s->startDate, s->endDate, s->weekdays,
                                 s->allTime, s->startTime, s->endTime, s->programCounter);
        readPrograms(tree, s->programs, SegmentType::General);
    }
}

void Prodoc::readCycleSegments(ProjectTree *tree, const QList<CycleObject *> &segments)
{
    for (const CycleObject *s : segments) {
        tree->loadCycleSegment(s->name, s->displayName, s->intervalMinutes, s->playMode, s->playMinutes, s->playSeconds,
                               s->playTimes, s->specifiedDate, s->startDate, s->endDate, s->weekdays, s->allTime,
                               s->startTime, s->endTime, s->programCounter);
        readPrograms(tree, s->programs, SegmentType::Cycle);
    }
}

void Prodoc::readTimingSegments(ProjectTree *tree, QList<TimingObject *> &segments)
{
    for (TimingObject *s : segments) {
        // The tree takes the time points over.
        const QList<TimePoint *> points = s->timePoints;
        s->timePoints.clear();
        tree->loadTimingSegment(s->name, s->displayName, points, s->playMode, s->playMinutes, s->playSeconds,
                                s->playTimes, s->programCounter);
        readPrograms(tree, s->programs, SegmentType::Timing);
    }
}

void Prodoc::readPrograms(ProjectTree *tree, const QList<ProgramObject *> &programs, const QString &segmentType)
{
    for (const ProgramObject *p : programs) {
        tree->loadProgram(p->name, segmentType, p->displayName, p->bgColour, p->bgPicture, p->displayType, p->bgMusic,
                          p->playMode, p->playTimes, p->playLength, p->windowCounter);
        readCommonWindows(tree, p->windows);
        tree->loadSegmentFinished();
    }
}

void Prodoc::readCommonWindows(ProjectTree *tree, const QList<CommonWinObject *> &windows)
{
    for (const CommonWinObject *w : windows) {
        tree->loadCommonWindow(w->name, w->segmentType, w->borderEnabled, w->borderWidth, w->borderColour, w->x, w->y,
                               w->width, w->height);
        readMediaItems(tree, w);
    }
}

void Prodoc::readMediaItems(ProjectTree *tree, const CommonWinObject *window)
{
    for (QVLedMediaObject *item : window->media) {
        const MediaKindRow *row = MediaKinds::find(item->kind);
        if (!row)
            continue; // the reader keeps no item of an unknown kind
        const int id = item->id;
        const QString &d = item->displayName, &s = item->segmentName, &p = item->programName, &w = item->windowName;
        switch (row->family) {
        case MediaFamily::Video: {
            const VideoProperty &v = item->video;
            tree->loadVideoObject(id, v.path, d, s, p, w, v.volume, v.duration, v.rangeOn, v.startTime, v.endTime,
                                  v.scaleType, v.rotate, v.bgIsColour, v.bgColour, v.bgPicture, v.bgImageStyle,
                                  v.bgTransparent, v.coverOn, v.coverFontFamily, v.coverFontSize, v.coverBold,
                                  v.coverItalic, v.coverUnderline, v.coverColour, v.coverText, v.coverColourful,
                                  v.coverRolling, v.coverDirection, v.coverSpeed, v.coverY);
            break;
        }
        case MediaFamily::Image:
            if (row->id == MediaKindId::Office) {
                tree->loadOfficeObject(id, d, s, p, w, item->image);
            } else {
                // The picture itself is not stored, nor decoded here: play decodes it in the
                // background when it is first shown, so no picture holds up the schedule.
                tree->loadImageObject(id, d, s, p, w, item->image);
            }
            break;
        case MediaFamily::AnalogClock:
            tree->loadAnalogClockObject(id, d, s, p, w, item->analogClock);
            break;
        case MediaFamily::DigitalClock:
            tree->loadDigitalClockObject(id, d, s, p, w, item->digitalClock);
            break;
        case MediaFamily::DigitalTimer:
            tree->loadDigitalTimerObject(id, d, s, p, w, item->digitalTimer);
            break;
        case MediaFamily::Text:
            tree->loadTextObject(item->kind, id, d, s, p, w, item->text);
            break;
        case MediaFamily::Url:
            tree->loadUrlObject(id, d, s, p, w, item->url);
            break;
        case MediaFamily::VideoDevice:
            tree->loadVideoDeviceObject(id, d, s, p, w, item->videoDevice);
            break;
        case MediaFamily::Streaming:
            tree->loadStreamingObject(id, d, s, p, w, item->streaming);
            break;
        case MediaFamily::Weather:
            tree->loadWeatherObject(id, d, s, p, w, item->weather);
            break;
        }
    }
}

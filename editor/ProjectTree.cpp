// The schedule tree: construction, wiring to the main window, the default
// schedule, the loaders and the selection.

#include "editor/ProjectTree.h"
#include "base/Log.h"

#include "base/Prompts.h"
#include "editor/NoFocusRectangleStyle.h"
#include "editor/ProjectTreeItem.h"
#include "model/Counter.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordDisposal.h"
#include "model/RecordLookup.h"
#include "model/ScheduleRecords.h"
#include "shell/Widget.h"

#include <QAction>
#include <QDebug>
#include <QKeyEvent>
#include <QMenu>

#include <iterator>

namespace {
const QSize kItemSizeHint(50, 25);

template <typename Segment>
QList<CommonWinObject *> windowsOf(const Segment *segment)
{
    QList<CommonWinObject *> windows;
    for (const ProgramObject *program : segment->programs)
        windows += program->windows;
    return windows;
}
} // namespace

ProjectTree::ProjectTree(int, Widget *mainWindow, QWidget *parent)
    : QTreeWidget(parent), mainWindow(mainWindow)
{
    displayName = mainWindow->curDisplayName;
    setHeaderHidden(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    createRootMenu();
    createSegmentMenu();
    createProgramMenu();
    createWindowMenu();
    setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette textPalette = palette();
    textPalette.setColor(QPalette::Text, QColor(51, 51, 51));
    setPalette(textPalette);
    auto *style = new NoFocusRectangleStyle;
    style->setParent(this);
    setStyle(style);
    connectWidgetSignals();
    createPlayTimers();
}

ProjectTree::~ProjectTree()
{
    for (QMenu *menu : {rootMenu, segmentMenu, programMenu, windowMenu})
        delete menu; // submenus are the menus' children
    forgetSelection();
    RecordDisposal::deleteAll(generalSegments);
    RecordDisposal::deleteAll(cycleSegments);
    RecordDisposal::deleteAll(timingSegments);
}

void ProjectTree::connectWidgetSignals()
{
    // Every tree hears every main-window signal; each slot filters by display-window name.
    connect(mainWindow, &Widget::sigModifySchedule, this, &ProjectTree::modifyScheduleSlot);
    connect(mainWindow, &Widget::sigSegmentChanged, this, &ProjectTree::slotSegmentChanged);
    connect(mainWindow, &Widget::sigCycleSegmentChanged, this, &ProjectTree::slotCycleSegmentChanged);
    connect(mainWindow, &Widget::sigTimingSegmentChanged, this, &ProjectTree::slotTimingSegmentChanged);
    connect(mainWindow, &Widget::sigProgramChanged, this, &ProjectTree::slotProgramChanged);
    connect(mainWindow, &Widget::sigUpdateCommon, this, &ProjectTree::sloUpdateCommonObject);
    connect(mainWindow, &Widget::sigStartPlay, this, &ProjectTree::slotStartPlay);
    connect(mainWindow, &Widget::sigStopPlay, this, &ProjectTree::slotStopPlay);
    connect(mainWindow, &Widget::sigShowSegmentInfo, this, &ProjectTree::slotShowSegmentInfo);
    connect(mainWindow, &Widget::sigSwapMedia, this, &ProjectTree::slotSwapMedia);
    connect(mainWindow, &Widget::sigDeleteMedia, this, &ProjectTree::slotDeleteMedia);
    connect(mainWindow, &Widget::sigPasteMedia, this, &ProjectTree::slotPasteMedia);
    connect(mainWindow, &Widget::sigSelectedMedia, this, &ProjectTree::slotSelectMedia);
    connect(mainWindow, &Widget::sigCurProgramRealPlayEnd, this, &ProjectTree::slotCurProgramRealPlayEnd);

    connect(this, &ProjectTree::deleteCommonWinObj, mainWindow, &Widget::slotDeleteCommonWinObj);
    connect(this, &ProjectTree::deleteProgramObj, mainWindow, &Widget::slotDeleteProgramObj);
    connect(this, &ProjectTree::clearCommonWinObjs, mainWindow, &Widget::sloClearCommonWinObjs);
    connect(this, &ProjectTree::deleteSegmentObj, mainWindow, &Widget::slotdeleteSegmentObj);
    connect(this, &ProjectTree::deleteTimingSegmentObj, mainWindow, &Widget::slotdeleteTimingSegmentObj);
    connect(this, &ProjectTree::deleteCycleSegmentObj, mainWindow, &Widget::slotdeleteCycleSegmentObj);
    connect(this, &ProjectTree::clearSegmentObj, mainWindow, &Widget::slotclearSegmentObj);
    connect(this, &ProjectTree::sigSelectMediaObject, mainWindow, &Widget::slotSelectMediaObject);
    connect(this, &ProjectTree::sigDeleteMediaObject, mainWindow, &Widget::slotDeleteMediaObject);
    connect(this, &ProjectTree::sigAddVideoObject, mainWindow, &Widget::slotaddVideoObject);
    connect(this, &ProjectTree::sigAddImageObject, mainWindow, &Widget::slotaddImageObject);
    connect(this, &ProjectTree::sigAddSimpleTextObject, mainWindow, &Widget::slotaddSimpleTextObject);
    connect(this, &ProjectTree::sigAddSingleLineTextObject, mainWindow, &Widget::slotaddSingleLineTextObject);
    connect(this, &ProjectTree::sigAddRollingTextObject, mainWindow, &Widget::slotaddTRollingTextObject);
    connect(this, &ProjectTree::sigMoveupCommonWin, mainWindow, &Widget::slotMoveupCommonWin);
    connect(this, &ProjectTree::sigMovedownCommonWin, mainWindow, &Widget::slotMovedownCommonWin);
    connect(this, &ProjectTree::sigAddDigitalClockObject, mainWindow, &Widget::slotaddDigitalClockObject);
    connect(this, &ProjectTree::sigAddAnalogClockObject, mainWindow, &Widget::slotaddAnalogClockObject);
    connect(this, &ProjectTree::sigAddDigitalTimerObject, mainWindow, &Widget::slotaddDigitalTimerObject);
    connect(this, &ProjectTree::sigAddUrlObject, mainWindow, &Widget::slotAddUrlObject);
    connect(this, &ProjectTree::sigAddStreamingObject, mainWindow, &Widget::slotAddStreamingObject);
    connect(this, &ProjectTree::sigAddVideoDeviceObject, mainWindow, &Widget::slotAddSVideoDeviceObject);
    connect(this, &ProjectTree::sigAddWeatherObject, mainWindow, &Widget::slotAddWeatherObject);
    connect(this, &ProjectTree::sigPreviewVideo, mainWindow, &Widget::slotPreviewVideo);
    connect(this, &ProjectTree::sigBeginPlayFailed, mainWindow, &Widget::slotBeginPlayFailed);
    connect(this, &ProjectTree::sigAddCommonWin, mainWindow, &Widget::slotAddCommonWin);

    // The window menu's position and size entries act in the main window.
    using Preset = void (Widget::*)();
    const Preset positions[] = {&Widget::setWinPosCenterSlot, &Widget::setWinPosCenterHSlot,
                                &Widget::setWinPosCenterVSlot, &Widget::setWinPosLeftSlot,
                                &Widget::setWinPosRightSlot,  &Widget::setWinPosTopSlot,
                                &Widget::setWinPosBottomSlot};
    for (int i = 0; i < windowPositionActions.size() && i < int(std::size(positions)); ++i)
        connect(windowPositionActions.at(i), &QAction::triggered, mainWindow, positions[i]);
    const Preset sizes[] = {&Widget::setWinSizeFullscreenSlot, &Widget::setWinSizeHFullscreenSlot,
                            &Widget::setWinSizeHHalfSlot,      &Widget::setWinSizeHThirdSlot,
                            &Widget::setWinSizeHQuarterSlot,   &Widget::setWinSizeVFullscreenSlot,
                            &Widget::setWinSizeVHalfSlot,      &Widget::setWinSizeVThirdSlot,
                            &Widget::setWinSizeVQuarterSlot};
    for (int i = 0; i < windowSizeActions.size() && i < int(std::size(sizes)); ++i)
        connect(windowSizeActions.at(i), &QAction::triggered, mainWindow, sizes[i]);
}

void ProjectTree::forgetSelection()
{
    curItem = nullptr;
    lastClickedItem = nullptr;
    curGeneralSegment = nullptr;
    curCycleSegment = nullptr;
    curTimingSegment = nullptr;
    curProgram = nullptr;
    curCommonWin = nullptr;
    curMediaObject = nullptr;
}

RecordSet ProjectTree::wholeSchedule() const
{
    RecordSet all;
    for (const GeneralObject *segment : generalSegments)
        all.add(segment);
    for (const CycleObject *segment : cycleSegments)
        all.add(segment);
    for (const TimingObject *segment : timingSegments)
        all.add(segment);
    for (int i = 0; i < topLevelItemCount(); ++i)
        addItems(all, topLevelItem(i));
    return all;
}

void ProjectTree::forgetRecords(const RecordSet &doomed)
{
    doomed.forget(curItem);
    doomed.forget(lastClickedItem);
    doomed.forget(rootItem);
    doomed.forget(newSegmentItem);
    doomed.forget(newProgramItem);
    doomed.forget(newWindowItem);
    doomed.forget(curGeneralSegment);
    doomed.forget(curCycleSegment);
    doomed.forget(curTimingSegment);
    doomed.forget(curProgram);
    doomed.forget(curCommonWin);
    doomed.forget(curMediaObject);
}

// ---- what the editing files ask of the main window ----------------------

QString ProjectTree::currentDisplayName() const
{
    return mainWindow->curDisplayName;
}

bool ProjectTree::confirm(const QString &question)
{
    return Prompts::current().question(mainWindow, tr("info"), question, QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::NoButton)
           == QMessageBox::Yes;
}

void ProjectTree::forgetBeforeFreeing(const RecordSet &doomed)
{
    mainWindow->forgetRecords(doomed);
}

void ProjectTree::clearMediaTable()
{
    Widget::clearTableWidget(mainWindow->madeMediaTable());
}

ProjectTreeItem *ProjectTree::makeItem(const QString &type, const QString &text)
{
    auto *item = new ProjectTreeItem(type, text);
    item->setSizeHint(0, kItemSizeHint);
    item->setToolTip(0, text);
    return item;
}

void ProjectTree::addScheduleRootItem()
{
    rootItem = makeItem(TreeItemType::Root, tr("Add Schedule"));
    rootFont.setWeight(QFont::Bold);
    rootItem->setFont(0, rootFont);
    addTopLevelItem(rootItem);
    rootItem->setExpanded(true);
    curItem = rootItem;
}

void ProjectTree::createDefaultSchedule()
{
    addScheduleRootItem();
    const QString display = mainWindow->curDisplayName;
    loadGeneralSegment(tr("General Segment") + QLatin1String("1"), display, false, QDate(), QDate(),
                       Weekday::allDays(), true, QTime(), QTime(), 0);
    loadProgram(tr("Program") + QLatin1String("1"), SegmentType::General, display, QColor(0, 0, 0), QString(), 1,
                QStringList(), 0, 1, QTime(0, 6, 0), 0);
    loadCommonWindow(tr("Common Window") + QLatin1String("1"), SegmentType::General, false, 0, QColor(255, 0, 0), 0,
                     0, 0, 0);
    setCurrentItem(rootItem);
    curItem = rootItem;
    mainWindow->checkSchedule(rootItem->text(0));
}

// ---- structure loaders -------------------------------------------------

namespace {
// The fields general and cycle segments share: when they apply.
template <typename Segment>
void setWhen(Segment *segment, bool specifiedDate, const QDate &startDate, const QDate &endDate,
             const QStringList &weekdays, bool allTime, const QTime &startTime, const QTime &endTime)
{
    segment->specifiedDate = specifiedDate;
    segment->startDate = startDate;
    segment->endDate = endDate;
    segment->weekdays = weekdays;
    segment->allTime = allTime;
    segment->startTime = startTime;
    segment->endTime = endTime;
}

// The fields cycle and timing segments share: how long one insertion plays.
template <typename Segment>
void setInsertedPlay(Segment *segment, int playMode, int playMinutes, int playSeconds, int playTimes)
{
    segment->playMode = playMode;
    segment->playMinutes = playMinutes;
    segment->playSeconds = playSeconds;
    segment->playTimes = playTimes;
}
} // namespace

template <typename Segment>
Segment *ProjectTree::newSegment(const QString &type, const QString &name, const QString &displayName,
                                 int programCounter, QList<Segment *> &segments, Segment *&current,
                                 Segment *&mainWindowCurrent)
{
    newSegmentItem = makeItem(type, name);
    rootItem->addChild(newSegmentItem);
    newSegmentItem->setExpanded(true);
    auto *segment = new Segment;
    segment->name = newSegmentItem->text(0);
    segment->displayName = displayName;
    segment->programCounter = Counter::next(programCounter);
    current = segment;
    mainWindowCurrent = segment;
    segments.append(segment);
    return segment;
}

void ProjectTree::loadGeneralSegment(const QString &name, const QString &displayName, bool specifiedDate,
                                     const QDate &startDate, const QDate &endDate, const QStringList &weekdays,
                                     bool allTime, const QTime &startTime, const QTime &endTime, int programCounter)
{
    GeneralObject *segment = newSegment(QString(SegmentType::General), name, displayName, programCounter,
                                        generalSegments, curGeneralSegment, mainWindow->curGeneralSegment);
    setWhen(segment, specifiedDate, startDate, endDate, weekdays, allTime, startTime, endTime);
}

void ProjectTree::loadCycleSegment(const QString &name, const QString &displayName, int intervalMinutes,
                                   int playMode, int playMinutes, int playSeconds, int playTimes, bool specifiedDate,
                                   const QDate &startDate, const QDate &endDate, const QStringList &weekdays,
                                   bool allTime, const QTime &startTime, const QTime &endTime, int programCounter)
{
    CycleObject *segment = newSegment(QString(SegmentType::Cycle), name, displayName, programCounter, cycleSegments,
                                      curCycleSegment, mainWindow->curCycleSegment);
    segment->intervalMinutes = intervalMinutes;
    setInsertedPlay(segment, playMode, playMinutes, playSeconds, playTimes);
    setWhen(segment, specifiedDate, startDate, endDate, weekdays, allTime, startTime, endTime);
}

void ProjectTree::loadTimingSegment(const QString &name, const QString &displayName,
                                    const QList<TimePoint *> &timePoints, int playMode, int playMinutes,
                                    int playSeconds, int playTimes, int programCounter)
{
    TimingObject *segment = newSegment(QString(SegmentType::Timing), name, displayName, programCounter,
                                       timingSegments, curTimingSegment, mainWindow->curTimingSegment);
    segment->timePoints = timePoints;
    setInsertedPlay(segment, playMode, playMinutes, playSeconds, playTimes);
}

void ProjectTree::loadProgram(const QString &name, const QString &segmentType, const QString &displayName,
                              const QColor &bgColour, const QString &bgPicture, int displayType,
                              const QStringList &bgMusic, int playMode, int playTimes, const QTime &playLength,
                              int windowCounter)
{
    // A program belongs to the segment loaded last, never to every segment that shares its name.
    QList<ProgramObject *> *programs = nullptr;
    if (segmentType == SegmentType::General && curGeneralSegment)
        programs = &curGeneralSegment->programs;
    else if (segmentType == SegmentType::Cycle && curCycleSegment)
        programs = &curCycleSegment->programs;
    else if (segmentType == SegmentType::Timing && curTimingSegment)
        programs = &curTimingSegment->programs;
    if (!programs || !newSegmentItem) {
        qCWarning(lcEditor) << "program" << name << "has no segment of type" << segmentType << "to belong to";
        return;
    }

    newProgramItem = makeItem(TreeItemType::Program, name);
    newSegmentItem->addChild(newProgramItem);
    newProgramItem->setExpanded(true);

    auto *program = new ProgramObject;
    program->name = newProgramItem->text(0);
    program->segmentName = newSegmentItem->text(0);
    program->displayName = displayName;
    program->bgColour = bgColour;
    program->bgPicture = bgPicture;
    program->displayType = displayType;
    program->bgMusic = bgMusic;
    program->playMode = playMode;
    program->playTimes = playTimes;
    program->playLength = playLength;
    program->windowCounter = Counter::next(windowCounter);
    curProgram = program;
    programs->append(program);
}

void ProjectTree::loadCommonWindow(const QString &name, const QString &segmentType, bool borderEnabled,
                                   int borderWidth, const QColor &borderColour, int x, int y, int width, int height)
{
    // A window belongs to the program loaded last.
    const bool knownType = segmentType == SegmentType::General || segmentType == SegmentType::Cycle
                           || segmentType == SegmentType::Timing;
    if (!knownType || !curProgram || !newProgramItem) {
        qCWarning(lcEditor) << "window" << name << "has no program of a" << segmentType << "to belong to";
        return;
    }

    newWindowItem = makeItem(TreeItemType::Window, name);
    newProgramItem->insertChild(0, newWindowItem);
    newWindowItem->setExpanded(true);

    auto *window = new CommonWinObject;
    window->name = newWindowItem->text(0);
    window->programName = newProgramItem->text(0);
    window->segmentName = newSegmentItem->text(0);
    window->displayName = mainWindow->curDisplayName;
    window->segmentType = segmentType;
    window->borderEnabled = borderEnabled;
    window->borderWidth = borderWidth;
    window->borderColour = borderColour;
    window->x = x;
    window->y = y;
    window->width = width;
    window->height = height;
    curCommonWin = window;
    curProgram->windows.append(window);
    emit sigAddCommonWin(window, window->displayName, segmentType);
}

void ProjectTree::loadSegmentFinished()
{
    curItem = newProgramItem;
    // The program just read is the one the item stands for: looking it up
    // again by name among thousands of programs would make loading quadratic.
    if (curProgram && newProgramItem && newSegmentItem && curProgram->name == newProgramItem->text(0)
        && curProgram->segmentName == newSegmentItem->text(0)
        && curProgram->displayName == mainWindow->curDisplayName) {
        lastClickedItem = curItem;
        mainWindow->checkProgram(curProgram->windows, curProgram, asProjectItem(newSegmentItem)->getItemType());
        return;
    }
    slotSelectItemChecked();
}

// ---- media loaders -----------------------------------------------------

QVLedMediaObject *ProjectTree::beginMediaItem(const QString &kind, int id, const QString &displayName,
                                              const QString &segmentName, const QString &programName,
                                              const QString &windowName)
{
    if (!curCommonWin) {
        qCWarning(lcEditor) << "media item" << id << "has no window to belong to";
        return nullptr;
    }
    auto *item = new QVLedMediaObject;
    curMediaObject = item;
    item->kind = kind;
    item->windowName = windowName;
    item->programName = programName;
    item->segmentName = segmentName;
    item->displayName = displayName;
    mediaIdCounter = id;
    item->id = id;
    curCommonWin->media.append(item);
    return item;
}

void ProjectTree::loadVideoObject(int id, const QString &path, const QString &displayName,
                                  const QString &segmentName, const QString &programName, const QString &windowName,
                                  int volume, const QTime &duration, bool rangeOn, const QTime &startTime,
                                  const QTime &endTime, int scaleType, int rotate, bool bgIsColour,
                                  const QColor &bgColour, const QString &bgPicture, int bgImageStyle,
                                  bool bgTransparent, bool coverOn, const QString &coverFontFamily,
                                  int coverFontSize, bool coverBold, bool coverItalic, bool coverUnderline,
                                  const QColor &coverColour, const QString &coverText, int coverColourful,
                                  bool coverRolling, int coverDirection, int coverSpeed, int coverY)
{
    QVLedMediaObject *item = beginMediaItem(MediaKind::Video, id, displayName, segmentName, programName, windowName);
    if (!item)
        return;
    VideoProperty &v = item->video;
    v.path = path;
    v.volume = volume;
    v.duration = duration;
    v.rangeOn = rangeOn;
    v.startTime = startTime;
    v.endTime = endTime;
    v.scaleType = scaleType;
    v.rotate = rotate;
    v.bgIsColour = bgIsColour;
    v.bgColour = bgColour;
    v.bgPicture = bgPicture;
    v.bgImageStyle = bgImageStyle;
    v.bgTransparent = bgTransparent;
    v.coverOn = coverOn;
    v.coverFontFamily = coverFontFamily;
    v.coverFontSize = coverFontSize;
    v.coverBold = coverBold;
    v.coverItalic = coverItalic;
    v.coverUnderline = coverUnderline;
    v.coverColour = coverColour;
    v.coverText = coverText;
    v.coverColourful = coverColourful;
    v.coverRolling = coverRolling;
    v.coverDirection = coverDirection;
    v.coverSpeed = coverSpeed;
    v.coverY = coverY;
    emit sigPreviewVideo(item);
}

template <typename Block>
QVLedMediaObject *ProjectTree::loadMedia(const QString &kind, Block QVLedMediaObject::*blockMember, int id,
                                         const QString &displayName, const QString &segmentName,
                                         const QString &programName, const QString &windowName, const Block &block)
{
    QVLedMediaObject *item = beginMediaItem(kind, id, displayName, segmentName, programName, windowName);
    if (item)
        item->*blockMember = block;
    return item;
}

void ProjectTree::loadImageObject(int id, const QString &displayName, const QString &segmentName,
                                  const QString &programName, const QString &windowName, const ImageProperty &block)
{
    if (QVLedMediaObject *item = loadMedia(QString(MediaKind::Image), &QVLedMediaObject::image, id, displayName,
                                           segmentName, programName, windowName, block))
        item->image.pages.clear();
}

void ProjectTree::loadOfficeObject(int id, const QString &displayName, const QString &segmentName,
                                   const QString &programName, const QString &windowName,
                                   const ImageProperty &block)
{
    // The pages come from the document's preparation, which reading the schedule started; they are never stored.
    if (QVLedMediaObject *item = loadMedia(QString(MediaKind::Office), &QVLedMediaObject::image, id, displayName,
                                           segmentName, programName, windowName, block))
        item->image.pixmap = QPixmap();
}

void ProjectTree::loadAnalogClockObject(int id, const QString &displayName, const QString &segmentName,
                                        const QString &programName, const QString &windowName,
                                        const AnalogClockProperty &block)
{
    loadMedia(QString(MediaKind::AnalogClock), &QVLedMediaObject::analogClock, id, displayName, segmentName,
              programName, windowName, block);
}

void ProjectTree::loadDigitalClockObject(int id, const QString &displayName, const QString &segmentName,
                                         const QString &programName, const QString &windowName,
                                         const DigitalClockProperty &block)
{
    loadMedia(QString(MediaKind::DigitalClock), &QVLedMediaObject::digitalClock, id, displayName, segmentName,
              programName, windowName, block);
}

void ProjectTree::loadDigitalTimerObject(int id, const QString &displayName, const QString &segmentName,
                                         const QString &programName, const QString &windowName,
                                         const DigitalTimerProperty &block)
{
    loadMedia(QString(MediaKind::DigitalTimer), &QVLedMediaObject::digitalTimer, id, displayName, segmentName,
              programName, windowName, block);
}

void ProjectTree::loadTextObject(const QString &kind, int id, const QString &displayName,
                                 const QString &segmentName, const QString &programName, const QString &windowName,
                                 const TextProperty &block)
{
    loadMedia(kind, &QVLedMediaObject::text, id, displayName, segmentName, programName, windowName, block);
}

void ProjectTree::loadUrlObject(int id, const QString &displayName, const QString &segmentName,
                                const QString &programName, const QString &windowName, const UrlProperty &block)
{
    loadMedia(QString(MediaKind::Url), &QVLedMediaObject::url, id, displayName, segmentName, programName,
              windowName, block);
}

void ProjectTree::loadVideoDeviceObject(int id, const QString &displayName, const QString &segmentName,
                                        const QString &programName, const QString &windowName,
                                        const VideoDeviceProperty &block)
{
    loadMedia(QString(MediaKind::VideoDevice), &QVLedMediaObject::videoDevice, id, displayName, segmentName,
              programName, windowName, block);
}

void ProjectTree::loadStreamingObject(int id, const QString &displayName, const QString &segmentName,
                                      const QString &programName, const QString &windowName,
                                      const StreamingProperty &block)
{
    loadMedia(QString(MediaKind::Streaming), &QVLedMediaObject::streaming, id, displayName, segmentName,
              programName, windowName, block);
}

void ProjectTree::loadWeatherObject(int id, const QString &displayName, const QString &segmentName,
                                    const QString &programName, const QString &windowName,
                                    const WeatherProperty &block)
{
    if (loadMedia(QString(MediaKind::Weather), &QVLedMediaObject::weather, id, displayName, segmentName, programName,
                  windowName, block))
        mainWindow->curCommonWin = curCommonWin;
}

// ---- lookups and selection ---------------------------------------------

SegmentLists ProjectTree::segmentLists() const
{
    return SegmentLists{&generalSegments, &cycleSegments, &timingSegments};
}

CommonWinObject *ProjectTree::windowRecordOf(const QTreeWidgetItem *item) const
{
    const QTreeWidgetItem *program = item ? item->parent() : nullptr;
    const QTreeWidgetItem *segment = program ? program->parent() : nullptr;
    if (!segment)
        return nullptr;
    const OwnerNames names{mainWindow->curDisplayName, segment->text(0), program->text(0), item->text(0)};
    return RecordLookup::window(segmentLists(), asProjectItem(segment)->getItemType(), names);
}

ProgramObject *ProjectTree::programRecordOf(const QTreeWidgetItem *item) const
{
    const QTreeWidgetItem *segment = item ? item->parent() : nullptr;
    if (!segment)
        return nullptr;
    const OwnerNames names{mainWindow->curDisplayName, segment->text(0), item->text(0), QString()};
    return RecordLookup::program(segmentLists(), asProjectItem(segment)->getItemType(), names);
}

CommonWinObject *ProjectTree::getCurCommonWin()
{
    return windowRecordOf(curItem);
}

ProjectTree::ImportContext ProjectTree::importContext() const
{
    return {mainWindow, mainWindow->curDisplayName};
}

void ProjectTree::slotShowSegmentInfo()
{
    if (displayName != mainWindow->curDisplayName)
        return;
    mainWindow->curGeneralSegment = generalSegments.isEmpty() ? nullptr : generalSegments.last();
    mainWindow->curCycleSegment = cycleSegments.isEmpty() ? nullptr : cycleSegments.last();
    mainWindow->curTimingSegment = timingSegments.isEmpty() ? nullptr : timingSegments.last();
}

void ProjectTree::slotSelectItemChecked()
{
    if (!curItem)
        return;
    // What the property area shows now counts as clicked, so a later click
    // on another item, or back on the one the operator clicked before, is
    // never mistaken for a repeat.
    lastClickedItem = curItem;
    selectionDispatch(curItem);
}

void ProjectTree::slotSelectMedia(const QString &, int row)
{
    // Another display window's tree finds no window of the current display window.
    if (const CommonWinObject *window = windowRecordOf(curItem)) {
        if (QVLedMediaObject *item = window->media.value(row))
            emit sigSelectMediaObject(item);
    }
}

void ProjectTree::selectionDispatch(QTreeWidgetItem *item)
{
    const QString type = asProjectItem(item)->getItemType();
    const QString text = item->text(0);
    const QString current = mainWindow->curDisplayName;
    if (type == TreeItemType::Root) {
        mainWindow->checkSchedule(text);
    } else if (type == SegmentType::General) {
        for (GeneralObject *segment : generalSegments) {
            if (segment->name == text && segment->displayName == current) {
                curGeneralSegment = segment;
                mainWindow->checkSegment(windowsOf(segment), segment);
                return;
            }
        }
    } else if (type == SegmentType::Cycle) {
        for (CycleObject *segment : cycleSegments) {
            if (segment->name == text && segment->displayName == current) {
                curCycleSegment = segment;
                mainWindow->checkCycleSegment(windowsOf(segment), segment);
                return;
            }
        }
    } else if (type == SegmentType::Timing) {
        for (TimingObject *segment : timingSegments) {
            if (segment->name == text && segment->displayName == current) {
                curTimingSegment = segment;
                mainWindow->checkTimingSegment(windowsOf(segment), segment);
                return;
            }
        }
    } else if (type == TreeItemType::Program) {
        slotProgramSelected();
    } else if (type == TreeItemType::Window) {
        slotCommonSelected();
    }
}


void ProjectTree::slotProgramSelected()
{
    if (ProgramObject *program = programRecordOf(curItem)) {
        curProgram = program;
        mainWindow->checkProgram(program->windows, program, asProjectItem(curItem->parent())->getItemType());
    }
}

void ProjectTree::slotCommonSelected()
{
    if (CommonWinObject *window = windowRecordOf(curItem)) {
        curCommonWin = window;
        const QString segmentType = asProjectItem(curItem->parent()->parent())->getItemType();
        mainWindow->checkWindow(window, window->media, segmentType);
    }
}

void ProjectTree::keyPressEvent(QKeyEvent *event)
{
    event->accept(); // no keyboard navigation: the selection follows the mouse only
}

void ProjectTree::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

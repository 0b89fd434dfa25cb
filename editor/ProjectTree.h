#pragma once

// The schedule tree of one display window: the editor of its schedule and
// the owner of its records. Items and records are matched by name (item
// text, parent text, grandparent text and the display-window name).

#include <QColor>
#include <QDate>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTime>
#include <QTreeWidget>

#include "model/MediaProperties.h"
#include "model/RecordLookup.h"
#include "model/RecordSet.h"

class CommonWinObject;
class CycleObject;
class GeneralObject;
class PlayWinObject;
class ProgramObject;
class ProjectTreeItem;
class QVLedMediaObject;
class TimePoint;
class TimingObject;
class Widget;
class MusicPlayer;
class QAction;
class QMediaPlayer;
class QMediaPlaylist;
class QMenu;
class QTimer;

class ProjectTree : public QTreeWidget
{
    Q_OBJECT

public:
    ProjectTree(int flag, Widget *mainWindow, QWidget *parent);
    // Frees every record the tree owns; the main window clears its pointers into them first.
    ~ProjectTree() override;

    QString displayName;
    QTreeWidgetItem *curItem = nullptr;
    QTreeWidgetItem *lastClickedItem = nullptr;
    bool playing = false;
    bool paused = false;
    CycleObject *curCycleSegment = nullptr;
    QList<CycleObject *> cycleSegments;
    TimingObject *curTimingSegment = nullptr;
    QList<TimingObject *> timingSegments;
    GeneralObject *curGeneralSegment = nullptr;
    QList<GeneralObject *> generalSegments;
    int insertedPlayMode = -1;
    ProjectTreeItem *rootItem = nullptr;
    ProjectTreeItem *newSegmentItem = nullptr;
    ProjectTreeItem *newProgramItem = nullptr;
    ProjectTreeItem *newWindowItem = nullptr;
    ProgramObject *curProgram = nullptr;
    CommonWinObject *curCommonWin = nullptr;
    QVLedMediaObject *curMediaObject = nullptr;
    Widget *mainWindow = nullptr;
    QFont rootFont;
    int mediaIdCounter = 0;

    // ---- the sequencer of real play ---------------------------------------
    bool generalSegmentActive = false;
    bool cyclePaused = false;
    bool cyclePlaying = false;
    bool timingPaused = false;
    bool timingPlaying = false;
    QString currentSegmentType;
    QTimer *generalCheckTimer = nullptr;
    QTimer *cycleTimer = nullptr;
    QTimer *timingCheckTimer = nullptr;
    QTimer *timingPlayTimer = nullptr;
    QTimer *cyclePlayTimer = nullptr;
    QTimer *programTimer = nullptr;
    QTimer *restartTimer = nullptr; // the restart after midnight; a stop cancels it
    int generalPlayCount = 0;
    QMediaPlayer *musicPlayer = nullptr; // the music module's, made when a program first has music
    QMediaPlaylist *musicPlaylist = nullptr;
    QList<ProgramObject *> generalPrograms;
    QList<ProgramObject *> cyclePrograms;
    QList<ProgramObject *> timingPrograms;
    int generalProgramIndex = 0;
    int cycleProgramIndex = 0;
    int timingProgramIndex = 0;
    QList<CommonWinObject *> generalWindows;
    QList<CommonWinObject *> cycleWindows;
    QList<CommonWinObject *> timingWindows;
    GeneralObject *currentGeneralSegment = nullptr;
    int currentGeneralIndex = 0;

    void playGeneralWindow(CommonWinObject *window);
    void playCycleWindow(CommonWinObject *window);
    void playTimingWindow(CommonWinObject *window);
    // Media items of every segment, program and window of the schedule.
    int countMedia() const;

    // ---- context menus (no parent; their actions belong to the tree) ----
    QMenu *rootMenu = nullptr;
    QMenu *insertedSegmentMenu = nullptr;
    QMenu *segmentMenu = nullptr;
    QMenu *programMenu = nullptr;
    QMenu *windowMenu = nullptr;
    QMenu *addMediaMenu = nullptr;
    QMenu *windowPositionMenu = nullptr;
    QMenu *windowSizeMenu = nullptr;
    QAction *addSegmentAction = nullptr, *addTimingSegmentAction = nullptr, *addCycleSegmentAction = nullptr,
            *addCopiedSegmentAction = nullptr, *clearAllAction = nullptr;
    QAction *addProgramAction = nullptr, *copySegmentAction = nullptr, *pasteSegmentAction = nullptr,
            *moveupSegmentAction = nullptr, *movedownSegmentAction = nullptr, *deleteSegmentAction = nullptr,
            *clearProgramAction = nullptr;
    QAction *addWindowAction = nullptr, *moveupProgramAction = nullptr, *movedownProgramAction = nullptr,
            *copyProgramAction = nullptr, *pasteProgramAction = nullptr, *deleteProgramAction = nullptr,
            *addCopiedWindowAction = nullptr, *clearWindowAction = nullptr;
    QAction *clearMediaAction = nullptr, *moveupLayerAction = nullptr, *movedownLayerAction = nullptr,
            *copyWindowAction = nullptr, *pasteWindowAction = nullptr, *deleteWindowAction = nullptr;
    QAction *addFileAction = nullptr, *addSimpleTextAction = nullptr, *addSingleRowTextAction = nullptr,
            *addScrollingTextAction = nullptr, *addAnalogClockAction = nullptr, *addDigitalClockAction = nullptr,
            *addDigitalTimerAction = nullptr, *addWeatherAction = nullptr, *addUrlAction = nullptr,
            *addStreamingAction = nullptr, *addVideoDeviceAction = nullptr;
    QList<QAction *> windowPositionActions; // centre, horizontally, vertically, left, right, top, bottom
    QList<QAction *> windowSizeActions;     // full, H full, H 1/2, 1/3, 1/4, V full, V 1/2, 1/3, 1/4

    void createRootMenu();
    void createSegmentMenu();
    void createProgramMenu();
    void createWindowMenu();

    void addScheduleRootItem();
    void createDefaultSchedule();
    void updateMenuTexts();
    // Forgets every pointer into records (before they are freed elsewhere).
    void forgetSelection();
    // Every record of the tree's three lists, with every item of the tree.
    RecordSet wholeSchedule() const;
    // Drops every pointer of the tree (current records, current, clicked and
    // new items) into what is about to be freed.
    void forgetRecords(const RecordSet &doomed);

    // The tree's three segment lists, for lookups by owner names.
    SegmentLists segmentLists() const;
    // The record of a window (program) item, found by its names and the current display window's; null when none.
    CommonWinObject *windowRecordOf(const QTreeWidgetItem *item) const;
    ProgramObject *programRecordOf(const QTreeWidgetItem *item) const;

    // ---- loaders: build items and records in reading order -------------
    void loadGeneralSegment(const QString &name, const QString &displayName, bool specifiedDate,
                            const QDate &startDate, const QDate &endDate, const QStringList &weekdays,
                            bool allTime, const QTime &startTime, const QTime &endTime, int programCounter);
    void loadCycleSegment(const QString &name, const QString &displayName, int intervalMinutes, int playMode,
                          int playMinutes, int playSeconds, int playTimes, bool specifiedDate,
                          const QDate &startDate, const QDate &endDate, const QStringList &weekdays, bool allTime,
                          const QTime &startTime, const QTime &endTime, int programCounter);
    // Takes over the time points.
    void loadTimingSegment(const QString &name, const QString &displayName, const QList<TimePoint *> &timePoints,
                           int playMode, int playMinutes, int playSeconds, int playTimes, int programCounter);
    void loadProgram(const QString &name, const QString &segmentType, const QString &displayName,
                     const QColor &bgColour, const QString &bgPicture, int displayType, const QStringList &bgMusic,
                     int playMode, int playTimes, const QTime &playLength, int windowCounter);
    void loadCommonWindow(const QString &name, const QString &segmentType, bool borderEnabled, int borderWidth,
                          const QColor &borderColour, int x, int y, int width, int height);
    void loadSegmentFinished();

    void loadVideoObject(int id, const QString &path, const QString &displayName, const QString &segmentName,
                         const QString &programName, const QString &windowName, int volume, const QTime &duration,
                         bool rangeOn, const QTime &startTime, const QTime &endTime, int scaleType, int rotate,
                         bool bgIsColour, const QColor &bgColour, const QString &bgPicture, int bgImageStyle,
                         bool bgTransparent, bool coverOn, const QString &coverFontFamily, int coverFontSize,
                         bool coverBold, bool coverItalic, bool coverUnderline, const QColor &coverColour,
                         const QString &coverText, int coverColourful, bool coverRolling, int coverDirection,
                         int coverSpeed, int coverY);
    void loadImageObject(int id, const QString &displayName, const QString &segmentName, const QString &programName,
                         const QString &windowName, const ImageProperty &block);
    void loadOfficeObject(int id, const QString &displayName, const QString &segmentName, const QString &programName,
                          const QString &windowName, const ImageProperty &block);
    void loadAnalogClockObject(int id, const QString &displayName, const QString &segmentName,
                               const QString &programName, const QString &windowName,
                               const AnalogClockProperty &block);
    void loadDigitalClockObject(int id, const QString &displayName, const QString &segmentName,
                                const QString &programName, const QString &windowName,
                                const DigitalClockProperty &block);
    void loadDigitalTimerObject(int id, const QString &displayName, const QString &segmentName,
                                const QString &programName, const QString &windowName,
                                const DigitalTimerProperty &block);
    void loadTextObject(const QString &kind, int id, const QString &displayName, const QString &segmentName,
                        const QString &programName, const QString &windowName, const TextProperty &block);
    void loadUrlObject(int id, const QString &displayName, const QString &segmentName, const QString &programName,
                       const QString &windowName, const UrlProperty &block);
    void loadVideoDeviceObject(int id, const QString &displayName, const QString &segmentName,
                               const QString &programName, const QString &windowName,
                               const VideoDeviceProperty &block);
    void loadStreamingObject(int id, const QString &displayName, const QString &segmentName,
                             const QString &programName, const QString &windowName, const StreamingProperty &block);
    void loadWeatherObject(int id, const QString &displayName, const QString &segmentName, const QString &programName,
                           const QString &windowName, const WeatherProperty &block);

public slots:
    CommonWinObject *getCurCommonWin();
    // "Add Media" -> "File": the chosen files become items of the selected window.
    void addMediaFileSlot();
    void slotShowSegmentInfo();
    void slotSelectItemChecked();
    void slotProgramSelected();
    void slotCommonSelected();
    void slotSelectMedia(const QString &displayName, int row);

    void slotStartPlay(const QString &name);
    void slotStartCyclePlay(const QString &name);
    void slotStartTimePlay(const QString &name);
    void slotStopPlay(const QString &name);
    void slotRestart();
    void slotPlayTimeout();
    void slotPlayLowLevelGeneralObj();
    void slotPlayCycleObj();
    void slotPlayTimingObj();
    void slotCyclePlayTimeout();
    void slotTimingPlayTimeout();
    void slotGeneralProTimeout();
    void slotCurProgramRealPlayEnd(const QString &name, CommonWinObject *window);

    // ---- editing (ProjectTreeAdd, ProjectTreeDelete, ProjectTreePaste, ProjectTreeEdit) ----
    void addSegmentSlot();
    void addCycleSegmentSlot();
    void addTimingSegmentSlot();
    void addProgramSlot();
    void addCommonWindowSlot();
    void addSimpleTextSlot();
    void addSingleRowTextSlot();
    void addScrollingTextSlot();
    void addAnalogClockSlot();
    void addDigitalClockSlot();
    void addDigitalTimerSlot();
    void addWeatherSlot();
    void addUrlSlot();
    void addStreamingSlot();
    void addVideoDeviceSlot();

    void clearAllTimesSlot();
    void clearProgramSlot();
    void clearWindowSlot();
    void clearMediaFileSlot();
    void deleteSegmentSlot();
    void deleteProgramSlot();
    void deleteWindowSlot();

    void copySegmentSlot();
    void pasteSegmentSlot();
    void addCopyedTimesSlot();
    void copyProgramSlot();
    void pasteProgramSlot();
    void copyWindowSlot();
    void pasteWindowSlot();
    void addCopiedWindowSlot();
    void slotPasteMedia(QVLedMediaObject *source, CommonWinObject *window, int row);

    void moveupSegmentSlot();
    void movedownSegmentSlot();
    void moveupProgramSlot();
    void movedownProgramSlot();
    void moveupLayerSlot();
    void movedownLayerSlot();
    void modifyScheduleSlot(const QString &previousName, PlayWinObject *record);
    void slotSegmentChanged(GeneralObject *segment);
    void slotCycleSegmentChanged(CycleObject *segment);
    void slotTimingSegmentChanged(TimingObject *segment);
    void slotProgramChanged(ProgramObject *program);
    void sloUpdateCommonObject(CommonWinObject *window);
    void slotDeleteMedia(QVLedMediaObject *item, int row);
    void slotSwapMedia(int first, int second);

signals:
    void deleteCommonWinObj(CommonWinObject *window);
    void deleteProgramObj(ProgramObject *program);
    void clearCommonWinObjs(ProgramObject *program);
    void deleteSegmentObj(GeneralObject *segment);
    void deleteTimingSegmentObj(TimingObject *segment);
    void deleteCycleSegmentObj(CycleObject *segment);
    void clearSegmentObj();
    void sigSelectMediaObject(QVLedMediaObject *item);
    void sigDeleteMediaObject(int row);
    void sigAddVideoObject(int row, QVLedMediaObject *item);
    void sigAddImageObject(int row, QVLedMediaObject *item);
    void sigAddSimpleTextObject(int row, QVLedMediaObject *item);
    void sigAddSingleLineTextObject(int row, QVLedMediaObject *item);
    void sigAddRollingTextObject(int row, QVLedMediaObject *item);
    void sigMoveupCommonWin(int index);
    void sigMovedownCommonWin(int index);
    void sigAddDigitalClockObject(int row, QVLedMediaObject *item);
    void sigAddAnalogClockObject(int row, QVLedMediaObject *item);
    void sigAddDigitalTimerObject(int row, QVLedMediaObject *item);
    void sigAddUrlObject(int row, QVLedMediaObject *item);
    void sigAddStreamingObject(int row, QVLedMediaObject *item);
    void sigAddVideoDeviceObject(int row, QVLedMediaObject *item);
    void sigAddWeatherObject(int row, QVLedMediaObject *item);
    void sigBeginPlayFailed();
    void sigAddCommonWin(CommonWinObject *window, QString displayName, QString segmentType);
    void sigPreviewVideo(QVLedMediaObject *item);
    // A program was added; nothing in the main window listens.
    void sigAddProgram(ProgramObject *program);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // What the media import needs of the main window: the parent of its
    // dialogs and the name of the display window being edited.
    struct ImportContext
    {
        QWidget *dialogParent = nullptr;
        QString displayName;
    };
    ImportContext importContext() const;
    void connectWidgetSignals();
    void createPlayTimers();
    void startGeneralSegment(GeneralObject *segment, int index);
    void invalidateGeneralPrograms();
    // The insertion is over: the general program due now shows again.
    void returnToGeneral();
    // The areas of an inserted segment's programs stop and hide: its time is over.
    void endInsertedAreas(const QList<ProgramObject *> &programs, const QString &segmentType);
    void startProgramMusic(const ProgramObject *program);
    void stopMusic();
    void handOver(CommonWinObject *window, const QString &segmentType);
    // A pause holds the program length and the inserted durations: each
    // running one stops, keeping the time it had left, and play starts it
    // again with that time.
    void holdPlayTimers();
    void releasePlayTimers();
    QList<QPair<QTimer *, int>> m_heldTimers;
    // An insertion holds the general program's length the same way: the
    // program plays its whole length on screen, before and after it.
    void holdProgramLength();
    void releaseProgramLength();
    int m_heldProgramMs = -1;           // -1: not held
    MusicPlayer *m_music = nullptr;     // made when a program first has music (multimedia module)
    QDateTime m_lastGeneralTick;
    QDateTime m_lastTimingTick;
    QMenu *menuForType(const QString &type) const;
    ProjectTreeItem *makeItem(const QString &type, const QString &text);
    void selectionDispatch(QTreeWidgetItem *item);
    // A segment item and record appended to its list and made current everywhere.
    template <typename Segment>
    Segment *newSegment(const QString &type, const QString &name, const QString &displayName, int programCounter,
                        QList<Segment *> &segments, Segment *&current, Segment *&mainWindowCurrent);
    // A media item of the kind with the block copied in, for the window loaded last.
    template <typename Block>
    QVLedMediaObject *loadMedia(const QString &kind, Block QVLedMediaObject::*blockMember, int id,
                                const QString &displayName, const QString &segmentName, const QString &programName,
                                const QString &windowName, const Block &block);
    // Starts a media item for the window loaded last; null when there is none.
    QVLedMediaObject *beginMediaItem(const QString &kind, int id, const QString &displayName,
                                     const QString &segmentName, const QString &programName,
                                     const QString &windowName);

    // ---- editing helpers (ProjectTreeItems.cpp) ---------------------------
    // The segment record a segment item stands for, of whichever kind: the
    // first of its kind's list with the item's text and this tree's display
    // name, with that record's programs and program counter. Invalid when none.
    struct SegmentRef {
        GeneralObject *general = nullptr;
        CycleObject *cycle = nullptr;
        TimingObject *timing = nullptr;
        QList<ProgramObject *> *programs = nullptr;
        int *programCounter = nullptr;
        bool isValid() const { return programs != nullptr; }
        void addTo(RecordSet &doomed) const;
    };
    SegmentRef segmentRecordOf(const QTreeWidgetItem *segmentItem);
    // The main window drops the segment's play areas (the signal of its kind).
    void emitSegmentGoing(const SegmentRef &segment);
    // Takes the item out of the tree, frees it with its children and selects what follows it.
    void deleteItemAndSelectNext(QTreeWidgetItem *item);
    // Frees every record of the list, and the owner item's children, which stays current.
    template <typename Record>
    void freeAllOf(QList<Record *> &records, QTreeWidgetItem *ownerItem);
    // base + number, the number raised until no child of parent bears that text.
    static QString freeChildName(const QTreeWidgetItem *parent, const QString &base, int &number);
    // The item's whole subtree of tree items, into the set.
    static void addItems(RecordSet &doomed, QTreeWidgetItem *item);
    // Items for a copied program's windows (reverse record order, as loaded) and, for a
    // segment, for its programs; none gets an icon, the children stay collapsed.
    void addCopiedWindowItems(QTreeWidgetItem *programItem, const ProgramObject *program);
    void addCopiedProgramItems(QTreeWidgetItem *segmentItem, const QList<ProgramObject *> &programs);
    // The item made current, selected and expanded, and its page shown.
    void selectNewItem(QTreeWidgetItem *item, bool expand);
    // The new current item after `item` leaves its parent: the parent's first
    // other child, else the parent.
    static QTreeWidgetItem *currentAfterRemoving(QTreeWidgetItem *item);
    // A media item of the kind for the window of the current item, appended,
    // numbered and announced by the signal; nothing when the item shows no window.
    void addMediaItem(const QString &kind, void (ProjectTree::*announce)(int, QVLedMediaObject *));
    // One place up (-1) or down (+1) among the siblings; -1 when it cannot move, else its old index.
    int moveCurrentItem(int step, bool expand);
    void moveSegment(int step);
    void moveProgram(int step);
    void moveLayer(int step);
    // A copy of the copied segment; its item at insertAt among the root's children (-1: last).
    void pasteSegment(int insertAt);
    template <typename Segment>
    void pasteSegmentOf(const Segment *source, QList<Segment *> &segments, int insertAt);
    // A copy of the copied window into the program: its item at itemIndex, its record at recordIndex.
    void pasteWindow(QTreeWidgetItem *programItem, ProgramObject *program, int itemIndex, int recordIndex);

    // ---- what the editing files ask of the main window (ProjectTree.cpp) ----
    QString currentDisplayName() const;
    // The Yes/No question titled "info" with the main window as parent; true on Yes.
    bool confirm(const QString &question);
    // Clears every pointer into what goes (main window, every tree, copy buffers, area players).
    void forgetBeforeFreeing(const RecordSet &doomed);
    void clearMediaTable();
};

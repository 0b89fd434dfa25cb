#pragma once

// The editor's main window. It coordinates: the schedule lives in the trees
// (one per display window), the frame, display-window management, selection
// and document commands are spread over files of their own
// (Widget*.cpp, DisplaySettingsDialog, newDisplayWindowButton).

#include "model/MediaKinds.h"
#include "model/WindowGeometry.h"

#include <QLabel>
#include <QList>
#include <QMap>
#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class AnalogClockPanel;
class BootSetupWin;
class CalendarPopup;
class JournalWin;
class LanguageSetupWin;
class MonitorWin;
class CommonPlayWindow;
class CommonWinObject;
class CycleObject;
class DigitalClockPanel;
class DigitalTimerPanel;
class GeneralObject;
class ImagePanel;
class MainMenuBKLabel;
class MainPlayBKLabel;
class MediaPanel;
class PanelHost;
class PlayLabel;
class PlayWinObject;
class ProgramObject;
class ProgramPanel;
class Prodoc;
class ProjectWidget;
class PropertyPanel;
class QHBoxLayout;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QTableWidget;
class QVLedMediaObject;
class RecordSet;
class SchedulePanel;
class SegmentPanel;
class StreamingPanel;
class TextPanel;
class TimingObject;
class TimingSegmentPanel;
class TimingSegmentTimePropertyWin;
class UrlPanel;
class VideoDevicePanel;
class VideoLengthProbe;
class VideoPanel;
class VideoProperty;
class WeatherPanel;
class WeatherService;
class WindowPanel;
class menuButton;
class newDisplayWindowButton;

// The media item copied in the window panel (not owned), shared by all display windows.
extern QVLedMediaObject *copiedMedia;

class Widget : public QLabel
{
    Q_OBJECT

public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // ---- frame --------------------------------------------------------
    QLabel *titleBar = nullptr;
    QLabel *logoLabel = nullptr;
    QPushButton *minimizeButton = nullptr;
    QPushButton *maximizeButton = nullptr;
    QPushButton *restoreButton = nullptr;
    QPushButton *closeButton = nullptr;
    QLabel *toolBar = nullptr;
    menuButton *menuToolButton = nullptr;
    menuButton *monitorButton = nullptr;
    menuButton *backstageButton = nullptr;
    menuButton *winUpButton = nullptr;
    menuButton *lockButton = nullptr;
    menuButton *hideButton = nullptr;
    menuButton *playButton = nullptr;
    menuButton *stopButton = nullptr;
    MainMenuBKLabel *mainMenu = nullptr;
    QLabel *workArea = nullptr;
    QLabel *tabRow = nullptr;
    QHBoxLayout *tabLayout = nullptr;
    QLabel *treeArea = nullptr;
    QLabel *treeHeader = nullptr;
    QLabel *treeHolder = nullptr;
    QNetworkAccessManager *networkManager = nullptr;
    Prodoc *document = nullptr;
    bool maximized = false;
    bool dragging = false;
    QPoint dragOffset;

    // ---- dialogs made on first use, hidden between uses -----------------
    JournalWin *journalWin();
    LanguageSetupWin *languageWin();
    BootSetupWin *bootSetupWin();

    // ---- property panels (one shown at a time) -----------------------
    // The schedule panel shows at start; each other one is made the first
    // time it is asked for.
    SchedulePanel *scheduleSetupLabel = nullptr;
    SegmentPanel *segmentSetupLabel(); // general and cycle segments
    TimingSegmentPanel *timingSegmentSetupLabel();
    ProgramPanel *programSetupLabel();
    WindowPanel *commonWinSetupLabel();
    QTableWidget *mediaTable(); // the window panel's
    QTableWidget *madeMediaTable() const { return m_mediaTable; } // null until the window panel is made
    // The ten media panels inside the window panel, at most one shown. Each
    // is made the first time it is asked for: an editor whose schedule has
    // no clocks never builds the clock panels.
    VideoPanel *videoSetupLabel();
    ImagePanel *imageSetupLabel();
    TextPanel *textSetupLabel();
    DigitalClockPanel *digitalClockSetupLabel();
    AnalogClockPanel *analogClockSetupLabel();
    DigitalTimerPanel *digitalTimerSetupLabel();
    UrlPanel *urlSetupLabel();
    StreamingPanel *streamingSetupLabel();
    VideoDevicePanel *videoDeviceSetupLabel();
    WeatherPanel *weatherSetupLabel();
    // The media panel that shows items of the kind (made now if need be), or null.
    MediaPanel *mediaPanelOf(const QString &kind);
    // the dialog of the timing-segment panel's time points, made with that panel
    TimingSegmentTimePropertyWin *timePointDialog();

    // ---- display windows ----------------------------------------------
    QList<PlayWinObject *> playWinObjects;
    QList<newDisplayWindowButton *> displayWindowButtons;
    QMap<QString, ProjectWidget *> projectWidgets;
    QList<MainPlayBKLabel *> displayWindows;
    int displayWindowCounter = 0;
    QString curDisplayName;
    QString previousDisplayName;
    PlayWinObject *currentPlayWinObject = nullptr;
    ProjectWidget *curProjectWidget = nullptr;
    bool playPaused = true;
    QStringList realPlayDisplayNames;
    QString playingSegmentType;
    bool playButtonShowsPlay = true;
    // Set while start-up starts play by itself: nothing may wait for an operator then.
    bool startingUnattended = false;

    // ---- selection ----------------------------------------------------
    TimingObject *curTimingSegment = nullptr;
    CycleObject *curCycleSegment = nullptr;
    GeneralObject *curGeneralSegment = nullptr;
    ProgramObject *curProgram = nullptr;
    CommonWinObject *curCommonWin = nullptr;
    QVLedMediaObject *curMedia = nullptr;
    QList<QVLedMediaObject *> curMediaList;

    // ---- display-window creation (also used by the schedule reader) ----
    void createDisplayWindowButton(const QString &name);
    void createDisplayWindowBackground(const QString &name, int x, int y, int width, int height);
    void createDisplayWindowProject(const QString &name);
    void setDisplayWindowInfo(const QString &name, int x, int y, int width, int height, int onTopMode);
    void uncheckAllDisplayWindowButtons();
    // Height of a tree panel in the tree area.
    int treePanelHeight() const;

    // ---- selection handlers, called by the trees ------------------------
    void checkSchedule(const QString &rootText);
    void checkSegment(const QList<CommonWinObject *> &windows, GeneralObject *segment);
    void checkCycleSegment(const QList<CommonWinObject *> &windows, CycleObject *segment);
    void checkTimingSegment(const QList<CommonWinObject *> &windows, TimingObject *segment);
    void checkProgram(const QList<CommonWinObject *> &windows, ProgramObject *program, const QString &segmentType);
    void checkWindow(CommonWinObject *window, const QList<QVLedMediaObject *> &media, const QString &segmentType);

    void hideAllSetupLabel();
    // Sets every text of the panels again in the current language, panel by
    // panel in the order of retranslation.
    void trUpdate();

    // ---- preview of the current media item ------------------------------
    // Shows curMedia again in the current display window, by the helper of
    // its family below; nothing happens without a current item or while that
    // display window plays. The media panels ask for it through PanelHost.
    void refreshPreview(MediaFamily family);
    void refreshAnalogClockPreview();
    void refreshDigitalClockPreview();
    void refreshDigitalTimerPreview();
    void refreshImagePreview();
    void refreshStreamingPreview();
    void refreshTextPreview();
    void refreshUrlPreview();
    void refreshVideoDevicePreview();
    void refreshWeatherPreview();
    static void clearTableWidget(QTableWidget *table);
    void updateCommonWinGeometry(CommonWinObject *window);

    // ---- video items (WidgetVideo.cpp) ----------------------------------
    void updateVideoProperty(VideoProperty *video);
    // The current item's length and position, from the preview player.
    void setVideoRange(float seconds);
    void setVideoProgress(int seconds);
    // The video player of the current item's area in the current display
    // window: the first area of a window named as curCommonWin, or with
    // allNames the first whose four owner names match; null when none.
    PlayLabel *videoPlayerOfCurrentWindow(bool allNames) const;
    // Applies curMedia's cover settings again, unless the display window plays.
    void refreshVideoCoverPreview();

    // ---- fillers of the image and text panels (WidgetImageText.cpp) ----
    void updateImageProperty(QVLedMediaObject *item);
    void updateSimpleTextProperty(QVLedMediaObject *item);
    void updateSingleRowTextProperty(QVLedMediaObject *item);
    void updateScrollingTextProperty(QVLedMediaObject *item);

    // Forgets every pointer into the records of one display window's tree
    // (or of all trees when name is empty), before those records are freed.
    void clearSelectionInto(const QString &displayName = QString());
    // The one step before records are freed: drops every pointer into them
    // (the copy buffers, the selection here and in every tree) and the area
    // players that show a window or item that goes.
    void forgetRecords(const RecordSet &doomed);

    // The main window's name for the first display window: "Display window" + number.
    static QString displayWindowName(int number);

    // ---- language, start-up settings, play log, desktop commands ---------
    // Whether the process runs as 32 bits under 64-bit Windows.
    static bool isWow64();
    // The open monitor window, or null.
    MonitorWin *monitorWin() const;

    // ---- live content: clocks, count timer, web page, stream, camera, weather ----
    // Fillers: each shows the item's block in its panel, storing nothing.
    void updateDigitalClockProperty(QVLedMediaObject *item);
    void updateAnalogClockProperty(QVLedMediaObject *item);
    void updateDigitalTimerProperty(QVLedMediaObject *item);
    void updateUrlProperty(QVLedMediaObject *item);
    void updateStreamingProperty(QVLedMediaObject *item);
    void updateVideoDeviceProperty(QVLedMediaObject *item);
    void updateWeatherProperty(QVLedMediaObject *item);
    // Where weather requests go and how often an error reply asks again.
    WeatherService &weatherService() const { return *m_weatherService; }
    // The first weather request, for the weather panel's city, that start-up
    // sends as the main window is built: its reply normally comes before the
    // delayed start of play. Nothing happens without a city.
    void requestStartupWeather();
    // The stream of the current window's area (curCommonWin itself: default
    // window names repeat in every program) takes the volume, unless the
    // current display window plays.
    void applyLiveStreamingVolume(int volume);

public slots:
    void slotWeatherProvinceChange(int index);
    // Asks for the forecast of the weather panel's city at `index`.
    void slotweatherCityChange(int index);
    // Reads and frees a reply of the weather service.
    void replyFinished(QNetworkReply *reply);
    void parseWeatherJsonData(const QByteArray &data);

public slots:
    // frame
    void slotShowMaximized();
    void slotResume();
    void slotShowMainMenu();
    void slotWinup();
    void slotClose();
    void slotRaiseWindow();

    // display windows
    void slotAddDisplayWindow();
    void slotDisplayWindowChecked(const QString &name);
    void slotDisplayWindowSetting();
    void slotDeleteDisplayWindow();
    void slotAddCommonWin(CommonWinObject *window, const QString &displayName, const QString &segmentType);
    void slotDeleteCommonWinObj(CommonWinObject *window);

    // document
    void slotNewDoc();
    void slotOpenDoc();
    void slotSaveDoc();
    void slotSaveAsDoc();
    void slotClearCurrentAllScheme();
    void slotOpenSettingsDoc(const QString &path);
    void slotOpenLastDoc(const QString &unused);
    void slotStartLast();
    void slotStopCurPreview();
    void stopRealPlay(const QString &displayName);

    // real play
    void slotRealPlayCommonWinObj(const QString &displayName, const QString &segmentType, CommonWinObject *window,
                                  const QList<QVLedMediaObject *> &media);
    void slotRealPlayContinue(const QString &segmentType);
    void slotPlayInvalid(const QString &displayName, const QString &segmentType, CommonWinObject *window);
    void slotGetRealBeginWinInfo(const QString &displayName);
    void slotOverallPlay();
    void slotOverallStop();
    void slotMenuPlay();
    void slotMenuPause();
    void slotMenuStop();
    void slotBeginPlayFailed();
    void slotCurProgramRealPlayEnd(const QString &displayName, CommonWinObject *window);

    // media table rows, one slot per family of kinds
    void slotaddVideoObject(int row, QVLedMediaObject *item);
    void slotaddImageObject(int row, QVLedMediaObject *item);
    void slotaddSimpleTextObject(int row, QVLedMediaObject *item);
    void slotaddSingleLineTextObject(int row, QVLedMediaObject *item);
    void slotaddTRollingTextObject(int row, QVLedMediaObject *item);
    void slotaddDigitalClockObject(int row, QVLedMediaObject *item);
    void slotaddAnalogClockObject(int row, QVLedMediaObject *item);
    void slotaddDigitalTimerObject(int row, QVLedMediaObject *item);
    void slotAddUrlObject(int row, QVLedMediaObject *item);
    void slotAddStreamingObject(int row, QVLedMediaObject *item);
    void slotAddSVideoDeviceObject(int row, QVLedMediaObject *item);
    void slotAddWeatherObject(int row, QVLedMediaObject *item);

    // media selection
    void slotSelectMediaObject(QVLedMediaObject *item);
    void slotCommonItemTableSelectionChanged();
    void slotCommonItemTableUnSelected();

    // ---- video items (WidgetVideo.cpp) ----------------------------------
    // The editor's look at a video item just loaded: its file is opened
    // hidden and muted until it reports its length.
    void slotPreviewVideo(QVLedMediaObject *item);
    void slotEditVideoText();
    void slotvideoCoverTextBox(bool checked);
    void slotvideoCoverTextBoxChecked(bool on);
    void slotVideoCoverTextFamily(const QString &family);
    void slotVideoCoverTextFontSize(const QString &size);
    void slotVideoCoverTextBChecked(bool on);
    void slotVideoCoverTextIChecked(bool on);
    void slotVideoCoverTextUChecked(bool on);
    void slotVideoCoverTextColorSet(const QColor &colour);
    void slotVideoCoverColorful(int index);
    void slotVideoCoverRollState(int state);
    void slotVideoCoverDirect(int index);
    void slotVideoCoverSpeed(int index);
    void slotRollTextYChange(int y);
    void slotVideoCoverTextChanged(const QString &text);
    // A display window's video player reported the length or position of the
    // file of `item`: the length goes into that item, and both reach the
    // panel when it is the current item.
    void slotVideoRangeReported(QVLedMediaObject *item, float seconds);
    void slotVideoProgressReported(QVLedMediaObject *item, float seconds);
    // language, start-up settings and the play log (WidgetLanguage.cpp, WidgetSystem.cpp)
    void slotSetupLanguage();
    void slotSetBoot();
    void slotSetPlay();
    // lock, hide, back-stage and monitor (WidgetDesktop.cpp)
    void slotOverallLock();
    void slotWinHide();
    void slotBackstage();
    void slotAutoBackState();
    void slotMonitor();
    // ---- tree edits, the window panel and play-window editing (WidgetWindowEdit.cpp) ----
    // play areas that go with the tree's records
    void slotDeleteMediaObject(int row);
    void slotDeleteProgramObj(ProgramObject *program);
    void sloClearCommonWinObjs(ProgramObject *program);
    void slotdeleteSegmentObj(GeneralObject *segment);
    void slotdeleteCycleSegmentObj(CycleObject *segment);
    void slotdeleteTimingSegmentObj(TimingObject *segment);
    void slotclearSegmentObj();
    // a window item moved one layer in the tree
    void slotMoveupCommonWin(int index);
    void slotMovedownCommonWin(int index);
    // the window menu's presets
    void setWinPosCenterSlot();
    void setWinPosCenterHSlot();
    void setWinPosCenterVSlot();
    void setWinPosLeftSlot();
    void setWinPosRightSlot();
    void setWinPosTopSlot();
    void setWinPosBottomSlot();
    void setWinSizeFullscreenSlot();
    void setWinSizeHFullscreenSlot();
    void setWinSizeHHalfSlot();
    void setWinSizeHThirdSlot();
    void setWinSizeHQuarterSlot();
    void setWinSizeVFullscreenSlot();
    void setWinSizeVHalfSlot();
    void setWinSizeVThirdSlot();
    void setWinSizeVQuarterSlot();
    // the window panel (WindowPanel does the work)
    void slotCommonWinNameChange(const QString &text);
    void slotEnabledCommonFrame(bool on);
    void slotCommonWinColorSet();
    void slotCommonFrameBorderWindthChanged(int value);
    void slotCommonWinXChanged(int value);
    void slotCommonWinYChanged(int value);
    void slotCommonWinWidthChanged(int value);
    void slotCommonWinHeightChanged(int value);
    void slotShowCommonWinColorDialog();
    void slotCopyCommonItem();
    void slotPasteCommonItem();
    void slotDeleteCommonItem();
    void slotUpCommonItem();
    void slotDownCommonItem();

signals:
    void sigModifySchedule(QString previousName, PlayWinObject *record);
    void sigSegmentChanged(GeneralObject *segment);
    void sigCycleSegmentChanged(CycleObject *segment);
    void sigTimingSegmentChanged(TimingObject *segment);
    void sigProgramChanged(ProgramObject *program);
    void sigCommonWinChanged(CommonWinObject *window);
    void sigCommonWinNameChanged(QString previousName, CommonWinObject *window);
    void sigQVMediaChanged(int row, QVLedMediaObject *item);
    void sigUpdateCommon(CommonWinObject *window);
    void sigStartPlay(QString displayName);
    void sigStopPlay(QString displayName);
    void sigShowSegmentInfo();
    void sigSwapMedia(int first, int second);
    void sigDeleteMedia(QVLedMediaObject *item, int row);
    void sigPasteMedia(QVLedMediaObject *item, CommonWinObject *window, int row);
    void sigSelectedMedia(QString displayName, int row);
    void sigCurProgramRealPlayEnd(QString displayName, CommonWinObject *window);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTitleBar();
    void buildToolBar();
    void buildWorkArea();
    // ---- panel builders: each makes its panel when it is first asked for ----
    void initScheduleSetupLabel();
    void initSegmentSetupLabel();
    // The panel and its time-point dialog.
    void initTimingSegmentSetupLabel();
    void initProgramSetupLabel();
    // The window panel; its media panels come when first asked for.
    void initCommonWinSetupLabel();
    // A panel made after start takes the state the made ones have: hidden,
    // placed, enabled or not, in the current language.
    void adoptLatePanel(PropertyPanel *panel);
    // The property panels made so far.
    QList<PropertyPanel *> madePropertyPanels() const;
    SegmentPanel *m_segmentPanel = nullptr;
    TimingSegmentPanel *m_timingSegmentPanel = nullptr;
    ProgramPanel *m_programPanel = nullptr;
    WindowPanel *m_windowPanel = nullptr;
    QTableWidget *m_mediaTable = nullptr;
    TimingSegmentTimePropertyWin *m_timePointDialog = nullptr;
    bool m_editingEnabled = true;
    // The weather service and the replies of the network manager.
    void initWeather();
    // The media panel of `family`, made now if it was not yet.
    MediaPanel *mediaPanel(MediaFamily family);
    template <typename Panel>
    Panel *mediaPanelAs(MediaFamily family)
    {
        return static_cast<Panel *>(mediaPanel(family));
    }
    // The panel of `family` if it was made already, else null (nothing made).
    template <typename Panel>
    Panel *madePanel(MediaFamily family) const
    {
        return static_cast<Panel *>(m_mediaPanels.value(family));
    }
    MediaPanel *buildMediaPanel(MediaFamily family);
    // Makes a media panel in the window panel, enters it in the family map
    // and relays its change reports as this window's own.
    template <typename Panel>
    Panel *makeMediaPanel();
    bool m_panelsRelaidOut = false; // a panel made later takes the same place
    // Places the panels again after the work area took its new size.
    void relayoutPanels();
    // The walk every preview helper shares: the current display window drops
    // its name marks and, unless it plays, shows curMedia in its area.
    void previewCurrentMedia(void (MainPlayBKLabel::*preview)(QVLedMediaObject *));
    // A preview could not get its player: the operator is told each reason once.
    void tellPreviewFailed(const QString &why);
    QStringList m_toldPreviewFailures;
    void layoutWorkArea();
    void moveMainMenuUnderToolBar();
    void rebuildTabRow();
    void connectTab(newDisplayWindowButton *tab);
    void applyOnTopMode(MainPlayBKLabel *displayWindow, int onTopMode);
    void setEditingEnabled(bool enabled);
    // The commands that act on a display window (play, stop, hide, lock,
    // back-stage, monitor) are enabled exactly while there is one.
    void updateDisplayWindowCommands();
    void showPlayButton(bool showsPlay);
    // Area players of every display window whose window belongs to the named display window.
    QList<CommonPlayWindow *> areasOf(const QString &displayName) const;
    void showPanel(PropertyPanel *panel);
    // The media-table row slot of the kind, or null for a kind that gets no row.
    using AddRow = void (Widget::*)(int, QVLedMediaObject *);
    static AddRow addRowSlotFor(const QString &kind);
    void addMediaRow(int row, QVLedMediaObject *item, const QString &label);
    // Clears the name marks of the current display window and stops its previews.
    void stopCurrentPreviews();
    // Asks whether to save; false when the command must stop (a save that failed).
    bool askToSave();
    // Saves to the path and tells the operator how it went.
    bool saveAndReport(const QString &path);
    void createFirstDisplayWindow();
    // Display window named curDisplayName that is not playing, or null.
    MainPlayBKLabel *previewDisplayWindow() const;
    MainPlayBKLabel *displayWindowNamed(const QString &name) const;
    // A display window on the desktop, its reports connected to this window.
    MainPlayBKLabel *newDisplayWindow(const QString &name);
    PlayWinObject *recordNamed(const QString &name) const;
    QStringList displayWindowNames() const;
    void openStartupDocument(const QString &path);
    void showFirstTreePanel();

    // ---- language, dialogs and desktop commands -----------------------
    JournalWin *m_journalWin = nullptr;
    LanguageSetupWin *m_languageWin = nullptr;
    BootSetupWin *m_bootSetupWin = nullptr;
    // The tool strip's captions from the window's state, in the current language.
    void updateToolStripCaptions();
    // Fills the shown panels again from their records after their boxes were refilled.
    void refillShownPanels();
    // Every text of every window again, after the catalogues changed.
    void retranslateAll();
    // The hide button's caption and the hidden flag, which follow the current display window.
    void setHideState(bool hidden);
    // Closes and destroys the monitor window, when one is open.
    void closeMonitor();
    // Moves a display window (and its cover windows) to its record's place
    // shifted by the origin of a screen; a null origin puts it back.
    void placeDisplayWindow(const QString &name, const QPoint &screenOrigin);
    // Where a display window's record places it now: its back-stage screen's origin, or 0,0.
    QPoint backStageOrigin(const QString &name) const;
    void writeBackStageFlag(int value);

    bool m_displayWindowsLocked = false;
    bool m_currentHidden = false; // the current display window is hidden
    QPointer<MonitorWin> m_monitor;
    // The screen origin each display window in back-stage is shown at.
    QHash<QString, QPoint> m_backStageOrigins;
    // ---- tree edits and play-window editing (WidgetWindowEdit.cpp) ----
    // Deletes every area player, in every display window, whose window record goes.
    void removeAreasWhere(const std::function<bool(const CommonWinObject &)> &goes);
    // The current display window's area of the moved window item goes directly
    // above (up) or under the area of the item at `index`, the one it passed.
    void restackMovedWindow(int index, bool up);
    void applyWindowPreset(WindowGeometry::Preset preset);

    // A selected picture, Office or text item: its panel filled and its
    // preview shown; false for items of other kinds (WidgetImageText.cpp).
    bool selectImageOrTextItem(QVLedMediaObject *item);

    std::unique_ptr<PanelHost> m_panelHost;
    WeatherService *m_weatherService = nullptr; // a child of this window
    // A weather request of the operator's (a city chosen, an edit): error replies may ask again.
    void requestWeatherFromPanel(int cityIndex);
    // The media panel of each family of kinds made so far.
    QMap<MediaFamily, MediaPanel *> m_mediaPanels;
    bool m_startArmed = false; // one delayed start, however often start-up opens a schedule
    // The date buttons' calendar, over every panel; hidden whenever the panel or display window changes.
    CalendarPopup *m_calendarPopup = nullptr;
    // Measures the video items whose length is not known yet (made on first use, a child).
    VideoLengthProbe &lengthProbe();
    VideoLengthProbe *m_lengthProbe = nullptr;
    // Before the first preview of a web page: when the web module is missing,
    // broken or not this program's, the operator is told once.
    void tellOnceWhenWebPagesCannotShow();
    bool m_toldWebPagesCannotShow = false;
};

// The property panels of the main window: where each is made, the map from
// family of kinds to media panel, placing them again, their retranslation,
// and the preview the media panels ask for.

#include "base/Prompts.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/AnalogClockPanel.h"
#include "panels/DigitalClockPanel.h"
#include "panels/DigitalTimerPanel.h"
#include "panels/ImagePanel.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/StreamingPanel.h"
#include "panels/TextPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/UrlPanel.h"
#include "panels/VideoDevicePanel.h"
#include "panels/VideoPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/WeatherPanel.h"
#include "panels/WindowPanel.h"
#include "panels/controls/CalendarPopup.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/content/WebEngineCheck.h"
#include "shell/WeatherService.h"
#include "shell/Widget.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTableWidget>

#include <initializer_list>

void Widget::initScheduleSetupLabel()
{
    m_calendarPopup = new CalendarPopup(this);
    scheduleSetupLabel = new SchedulePanel(*m_panelHost, workArea, m_calendarPopup);
    connect(scheduleSetupLabel, &SchedulePanel::sigShowSegmentInfo, this, &Widget::sigShowSegmentInfo);
}

void Widget::initSegmentSetupLabel()
{
    m_segmentPanel = new SegmentPanel(*m_panelHost, workArea, m_calendarPopup);
    connect(m_segmentPanel, &SegmentPanel::sigSegmentChanged, this, &Widget::sigSegmentChanged);
    connect(m_segmentPanel, &SegmentPanel::sigCycleSegmentChanged, this, &Widget::sigCycleSegmentChanged);
    adoptLatePanel(m_segmentPanel);
}

void Widget::initTimingSegmentSetupLabel()
{
    m_timingSegmentPanel = new TimingSegmentPanel(*m_panelHost, workArea);
    connect(m_timingSegmentPanel, &TimingSegmentPanel::sigTimingSegmentChanged, this,
            &Widget::sigTimingSegmentChanged);
    m_timePointDialog = new TimingSegmentTimePropertyWin(this);
    m_timePointDialog->trUpdate();
    m_timingSegmentPanel->setTimePointDialog(m_timePointDialog);
    adoptLatePanel(m_timingSegmentPanel);
}

void Widget::initProgramSetupLabel()
{
    m_programPanel = new ProgramPanel(*m_panelHost, workArea);
    connect(m_programPanel, &ProgramPanel::sigProgramChanged, this, &Widget::sigProgramChanged);
    adoptLatePanel(m_programPanel);
}

void Widget::initCommonWinSetupLabel()
{
    m_windowPanel = new WindowPanel(*m_panelHost, workArea);
    m_mediaTable = m_windowPanel->mediaTable();
    connect(m_mediaTable, &QTableWidget::itemClicked, this, &Widget::slotCommonItemTableSelectionChanged);
    connect(m_mediaTable, &QTableWidget::itemSelectionChanged, this, &Widget::slotCommonItemTableUnSelected);
    // The window panel's edits and media-table commands go out as the main window's own.
    connect(m_windowPanel, &WindowPanel::sigCommonWinChanged, this, &Widget::sigCommonWinChanged);
    connect(m_windowPanel, &WindowPanel::sigCommonWinNameChanged, this, &Widget::sigCommonWinNameChanged);
    connect(m_windowPanel, &WindowPanel::sigDeleteMedia, this, &Widget::sigDeleteMedia);
    connect(m_windowPanel, &WindowPanel::sigPasteMedia, this, &Widget::sigPasteMedia);
    connect(m_windowPanel, &WindowPanel::sigSwapMedia, this, &Widget::sigSwapMedia);
    adoptLatePanel(m_windowPanel);
    if (m_panelsRelaidOut)
        m_windowPanel->relayout();
}

void Widget::adoptLatePanel(PropertyPanel *panel)
{
    panel->hide(); // shown by whoever selects a record of its kind
    panel->setEnabled(m_editingEnabled);
    panel->trUpdate();
}

SegmentPanel *Widget::segmentSetupLabel()
{
    if (!m_segmentPanel)
        initSegmentSetupLabel();
    return m_segmentPanel;
}

TimingSegmentPanel *Widget::timingSegmentSetupLabel()
{
    if (!m_timingSegmentPanel)
        initTimingSegmentSetupLabel();
    return m_timingSegmentPanel;
}

TimingSegmentTimePropertyWin *Widget::timePointDialog()
{
    timingSegmentSetupLabel();
    return m_timePointDialog;
}

ProgramPanel *Widget::programSetupLabel()
{
    if (!m_programPanel)
        initProgramSetupLabel();
    return m_programPanel;
}

WindowPanel *Widget::commonWinSetupLabel()
{
    if (!m_windowPanel)
        initCommonWinSetupLabel();
    return m_windowPanel;
}

QTableWidget *Widget::mediaTable()
{
    commonWinSetupLabel();
    return m_mediaTable;
}

QList<PropertyPanel *> Widget::madePropertyPanels() const
{
    QList<PropertyPanel *> made;
    for (PropertyPanel *panel : std::initializer_list<PropertyPanel *>{
             scheduleSetupLabel, m_segmentPanel, m_timingSegmentPanel, m_programPanel, m_windowPanel})
        if (panel)
            made.append(panel);
    return made;
}

void Widget::initWeather()
{
    // Made with the window: the start-up request goes out before any weather panel exists.
    m_weatherService = new WeatherService(this);
    connect(networkManager, &QNetworkAccessManager::finished, this, &Widget::replyFinished);
}

template <typename Panel>
Panel *Widget::makeMediaPanel()
{
    auto *panel = new Panel(*m_panelHost, commonWinSetupLabel());
    m_mediaPanels.insert(panel->family(), panel);
    connect(panel, &MediaPanel::sigQVMediaChanged, this, &Widget::sigQVMediaChanged);
    return panel;
}

MediaPanel *Widget::buildMediaPanel(MediaFamily family)
{
    switch (family) {
    case MediaFamily::Video:
        return makeMediaPanel<VideoPanel>();
    case MediaFamily::Image:
        return makeMediaPanel<ImagePanel>();
    case MediaFamily::AnalogClock:
        return makeMediaPanel<AnalogClockPanel>();
    case MediaFamily::DigitalClock:
        return makeMediaPanel<DigitalClockPanel>();
    case MediaFamily::DigitalTimer:
        return makeMediaPanel<DigitalTimerPanel>();
    case MediaFamily::Text:
        return makeMediaPanel<TextPanel>();
    case MediaFamily::Url:
        return makeMediaPanel<UrlPanel>();
    case MediaFamily::VideoDevice:
        return makeMediaPanel<VideoDevicePanel>();
    case MediaFamily::Streaming: {
        auto *panel = makeMediaPanel<StreamingPanel>();
        connect(panel, &StreamingPanel::sigLiveVolumeChanged, this, &Widget::applyLiveStreamingVolume);
        return panel;
    }
    case MediaFamily::Weather: {
        auto *panel = makeMediaPanel<WeatherPanel>();
        connect(panel, &WeatherPanel::sigCityChosen, this, &Widget::requestWeatherFromPanel);
        return panel;
    }
    }
    return nullptr;
}

MediaPanel *Widget::mediaPanel(MediaFamily family)
{
    if (MediaPanel *made = m_mediaPanels.value(family))
        return made;
    MediaPanel *panel = buildMediaPanel(family);
    panel->hide(); // shown by whoever selects an item of its kind
    if (m_panelsRelaidOut)
        panel->relayout();
    panel->trUpdate();
    return panel;
}

VideoPanel *Widget::videoSetupLabel()
{
    return mediaPanelAs<VideoPanel>(MediaFamily::Video);
}

ImagePanel *Widget::imageSetupLabel()
{
    return mediaPanelAs<ImagePanel>(MediaFamily::Image);
}

TextPanel *Widget::textSetupLabel()
{
    return mediaPanelAs<TextPanel>(MediaFamily::Text);
}

DigitalClockPanel *Widget::digitalClockSetupLabel()
{
    return mediaPanelAs<DigitalClockPanel>(MediaFamily::DigitalClock);
}

AnalogClockPanel *Widget::analogClockSetupLabel()
{
    return mediaPanelAs<AnalogClockPanel>(MediaFamily::AnalogClock);
}

DigitalTimerPanel *Widget::digitalTimerSetupLabel()
{
    return mediaPanelAs<DigitalTimerPanel>(MediaFamily::DigitalTimer);
}

UrlPanel *Widget::urlSetupLabel()
{
    return mediaPanelAs<UrlPanel>(MediaFamily::Url);
}

StreamingPanel *Widget::streamingSetupLabel()
{
    return mediaPanelAs<StreamingPanel>(MediaFamily::Streaming);
}

VideoDevicePanel *Widget::videoDeviceSetupLabel()
{
    return mediaPanelAs<VideoDevicePanel>(MediaFamily::VideoDevice);
}

WeatherPanel *Widget::weatherSetupLabel()
{
    return mediaPanelAs<WeatherPanel>(MediaFamily::Weather);
}

MediaPanel *Widget::mediaPanelOf(const QString &kind)
{
    MediaFamily family;
    return MediaKinds::familyOf(kind, &family) ? mediaPanel(family) : nullptr;
}

void Widget::hideAllSetupLabel()
{
    for (MediaPanel *panel : qAsConst(m_mediaPanels))
        panel->hide();
}

void Widget::relayoutPanels()
{
    // The segment, timing-segment and program panels keep the size they were built with.
    scheduleSetupLabel->relayout();
    if (m_windowPanel)
        m_windowPanel->relayout();
    m_panelsRelaidOut = true;
    for (MediaPanel *panel : qAsConst(m_mediaPanels))
        panel->relayout();
}

void Widget::trUpdate()
{
    updateToolStripCaptions();
    for (PropertyPanel *panel : madePropertyPanels())
        panel->trUpdate();
    for (MediaPanel *panel : qAsConst(m_mediaPanels))
        panel->trUpdate();
    refillShownPanels();
}

void Widget::refreshPreview(MediaFamily family)
{
    switch (family) {
    case MediaFamily::Video:
        previewCurrentMedia(&MainPlayBKLabel::previewVideo); // a video item has no helper of its own
        return;
    case MediaFamily::Image:
        refreshImagePreview();
        return;
    case MediaFamily::AnalogClock:
        refreshAnalogClockPreview();
        return;
    case MediaFamily::DigitalClock:
        refreshDigitalClockPreview();
        return;
    case MediaFamily::DigitalTimer:
        refreshDigitalTimerPreview();
        return;
    case MediaFamily::Text:
        refreshTextPreview();
        return;
    case MediaFamily::Url:
        refreshUrlPreview();
        return;
    case MediaFamily::VideoDevice:
        refreshVideoDevicePreview();
        return;
    case MediaFamily::Streaming:
        refreshStreamingPreview();
        return;
    case MediaFamily::Weather:
        refreshWeatherPreview();
        return;
    }
}

void Widget::previewCurrentMedia(void (MainPlayBKLabel::*preview)(QVLedMediaObject *))
{
    if (!curMedia)
        return;
    MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName);
    if (!displayWindow)
        return;
    displayWindow->showNameMarks = false;
    displayWindow->update();
    // A playing display window shows the schedule, never the editor's preview.
    if (!displayWindow->playing)
        (displayWindow->*preview)(curMedia);
}

void Widget::tellPreviewFailed(const QString &why)
{
    if (m_toldPreviewFailures.contains(why))
        return;
    m_toldPreviewFailures << why;
    Prompts::current().information(this, tr("info"), tr("This item cannot be shown here: %1").arg(why));
}

void Widget::refreshAnalogClockPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewAnalogClock);
}

void Widget::refreshDigitalClockPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewDigitalClock);
}

void Widget::refreshDigitalTimerPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewDigitalTimer);
}

void Widget::refreshImagePreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewImage);
}

void Widget::refreshStreamingPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewStreaming);
}

void Widget::refreshTextPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewSimpleText);
}

void Widget::refreshUrlPreview()
{
    if (curMedia && previewDisplayWindow())
        tellOnceWhenWebPagesCannotShow();
    previewCurrentMedia(&MainPlayBKLabel::previewUrl);
}

void Widget::tellOnceWhenWebPagesCannotShow()
{
    // A display without shared OpenGL is only logged (WebEngineCheck), as ever;
    // what is told is a program that lacks its module.
    QString why;
    if (m_toldWebPagesCannotShow || !WebEngineCheck::usable() || WebEngineCheck::module(&why))
        return;
    m_toldWebPagesCannotShow = true;
    m_toldPreviewFailures << why; // the preview's own report of it says nothing more
    Prompts::current().information(this, tr("info"), tr("Web pages cannot be shown on this computer: %1").arg(why));
}

void Widget::refreshVideoDevicePreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewVideoDevice);
}


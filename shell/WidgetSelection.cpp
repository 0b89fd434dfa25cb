// What the main window does when the tree selects a record: the property
// page of its level, the current-record pointers and the preview in the
// current display window.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/WindowPanel.h"
#include "panels/controls/CalendarPopup.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"

#include <QTableWidget>


void Widget::showPanel(PropertyPanel *panel)
{
    // A calendar left open would write into a record that is no longer shown.
    m_calendarPopup->hide();
    for (PropertyPanel *page : madePropertyPanels())
        page->setVisible(page == panel);
}

MainPlayBKLabel *Widget::previewDisplayWindow() const
{
    for (MainPlayBKLabel *displayWindow : displayWindows) {
        if (displayWindow->playing)
            continue;
        if (displayWindow->name == curDisplayName)
            return displayWindow;
    }
    return nullptr;
}

namespace {
// Marks the display window's name and hides the areas of the listed windows.
void previewSegment(MainPlayBKLabel *displayWindow, const QList<CommonWinObject *> &windows)
{
    if (!displayWindow)
        return;
    displayWindow->showNameMarks = true;
    displayWindow->update();
    for (const CommonWinObject *window : windows)
        displayWindow->hideWindowsNamed(window);
}
} // namespace

void Widget::checkSchedule(const QString &)
{
    curCommonWin = nullptr;
    showPanel(scheduleSetupLabel);
    if (MainPlayBKLabel *displayWindow = previewDisplayWindow()) {
        displayWindow->showNameMarks = true;
        displayWindow->update();
        displayWindow->hideAllWindows();
    }
}

void Widget::checkSegment(const QList<CommonWinObject *> &windows, GeneralObject *segment)
{
    curGeneralSegment = segment;
    curCommonWin = nullptr;
    curCycleSegment = nullptr;
    curTimingSegment = nullptr;
    showPanel(segmentSetupLabel());
    segmentSetupLabel()->fillGeneral(segment);
    previewSegment(previewDisplayWindow(), windows);
}

void Widget::checkCycleSegment(const QList<CommonWinObject *> &windows, CycleObject *segment)
{
    curCycleSegment = segment;
    curCommonWin = nullptr;
    curGeneralSegment = nullptr;
    curTimingSegment = nullptr;
    showPanel(segmentSetupLabel());
    segmentSetupLabel()->fillCycle(segment);
    previewSegment(previewDisplayWindow(), windows);
}

void Widget::checkTimingSegment(const QList<CommonWinObject *> &windows, TimingObject *segment)
{
    curTimingSegment = segment;
    curCommonWin = nullptr;
    curGeneralSegment = nullptr;
    curCycleSegment = nullptr;
    showPanel(timingSegmentSetupLabel());
    timingSegmentSetupLabel()->fill(segment);
    previewSegment(previewDisplayWindow(), windows);
}

void Widget::checkProgram(const QList<CommonWinObject *> &windows, ProgramObject *program,
                          const QString &segmentType)
{
    curCommonWin = nullptr;
    curProgram = program;
    showPanel(programSetupLabel());
    programSetupLabel()->fill(program, segmentType);
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->playing || displayWindow->name != curDisplayName)
            continue;
        displayWindow->showNameMarks = false;
        displayWindow->update();
        displayWindow->backgroundColour = program->bgColour;
        // The program's own picture, so that none of the program shown before stays behind it.
        displayWindow->setBackgroundImage(program->bgPicture);
        displayWindow->hideAllWindows();
        for (CommonWinObject *window : windows) {
            if (window->programName == program->name) {
                displayWindow->addCommonWin(false, window, segmentType);
                displayWindow->updateWindowGeometry(window);
                displayWindow->setWindowSelected(window, false);
            } else {
                displayWindow->hideWindowsNamed(window);
            }
        }
    }
}

void Widget::checkWindow(CommonWinObject *window, const QList<QVLedMediaObject *> &media,
                         const QString &segmentType)
{
    if (window == curCommonWin)
        return;
    clearTableWidget(mediaTable());
    showPanel(commonWinSetupLabel());
    curCommonWin = window;
    // A window of no size takes the size of its display window there.
    commonWinSetupLabel()->fillFrom(*window);
    if (!realPlayDisplayNames.contains(curDisplayName)) {
        if (MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName)) {
            displayWindow->showNameMarks = false;
            displayWindow->update();
            displayWindow->addCommonWin(true, window, segmentType);
            displayWindow->updateWindowGeometry(window);
            displayWindow->setWindowSelected(window, true);
            // Other windows' videos stop: only the selected window previews.
            for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows)) {
                if (area->winObject->name != window->name)
                    area->closeVideo();
            }
        }
    }
    if (media.isEmpty()) {
        hideAllSetupLabel();
        return;
    }
    curMediaList = media;
    // One row per item; each row makes its item current, so the last one ends current.
    for (int i = 0; i < media.size(); ++i) {
        if (AddRow addRow = addRowSlotFor(media.at(i)->kind))
            (this->*addRow)(i, media.at(i));
    }
}

Widget::AddRow Widget::addRowSlotFor(const QString &kind)
{
    const MediaKindRow *row = MediaKinds::find(kind);
    if (!row)
        return nullptr;
    switch (row->id) {
    case MediaKindId::Video:
        return &Widget::slotaddVideoObject;
    case MediaKindId::Image:
    case MediaKindId::Office:
        return &Widget::slotaddImageObject;
    case MediaKindId::SimpleText:
    case MediaKindId::Txt:
        return &Widget::slotaddSimpleTextObject;
    case MediaKindId::SingleRowText:
        return &Widget::slotaddSingleLineTextObject;
    case MediaKindId::ScrollingText:
        return &Widget::slotaddTRollingTextObject;
    case MediaKindId::DigitalClock:
        return &Widget::slotaddDigitalClockObject;
    case MediaKindId::AnalogClock:
        return &Widget::slotaddAnalogClockObject;
    case MediaKindId::DigitalTimer:
        return &Widget::slotaddDigitalTimerObject;
    case MediaKindId::Url:
        return &Widget::slotAddUrlObject;
    case MediaKindId::Streaming:
        return &Widget::slotAddStreamingObject;
    case MediaKindId::VideoDevice:
        return &Widget::slotAddSVideoDeviceObject;
    case MediaKindId::Weather:
        return &Widget::slotAddWeatherObject;
    }
    return nullptr;
}

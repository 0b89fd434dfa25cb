// The panels' view of the main window.

#include "shell/WidgetPanelHost.h"

#include "model/ScheduleRecords.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/video/PlayLabel.h"
#include "shell/Widget.h"

#include <QTableWidget>

QVLedMediaObject *WidgetPanelHost::curMedia() const
{
    return m_widget.curMedia;
}

GeneralObject *WidgetPanelHost::curGeneralSegment() const
{
    return m_widget.curGeneralSegment;
}

CycleObject *WidgetPanelHost::curCycleSegment() const
{
    return m_widget.curCycleSegment;
}

TimingObject *WidgetPanelHost::curTimingSegment() const
{
    return m_widget.curTimingSegment;
}

ProgramObject *WidgetPanelHost::curProgram() const
{
    return m_widget.curProgram;
}

CommonWinObject *WidgetPanelHost::curCommonWin() const
{
    return m_widget.curCommonWin;
}

QString WidgetPanelHost::curDisplayName() const
{
    return m_widget.curDisplayName;
}

QSize WidgetPanelHost::curDisplaySize() const
{
    const PlayWinObject *record = m_widget.currentPlayWinObject;
    return record ? QSize(record->width, record->height) : QSize();
}

bool WidgetPanelHost::curDisplayPlays() const
{
    return m_widget.realPlayDisplayNames.contains(m_widget.curDisplayName);
}

int WidgetPanelHost::mediaRowCount() const
{
    const QTableWidget *table = m_widget.madeMediaTable();
    return table ? table->rowCount() : 0;
}

int WidgetPanelHost::currentMediaRow() const
{
    const QTableWidget *table = m_widget.madeMediaTable();
    return table ? table->currentRow() : -1;
}

void WidgetPanelHost::refreshPreview(MediaFamily family)
{
    m_widget.refreshPreview(family);
}

void WidgetPanelHost::editVideoPlayer(VideoEdit edit, int value)
{
    PlayLabel *player = m_widget.videoPlayerOfCurrentWindow(edit == VideoEdit::Volume);
    if (!player)
        return;
    switch (edit) {
    case VideoEdit::Volume:
        player->on_file_volume(value);
        return;
    case VideoEdit::Seek:
        player->on_file_seek(value);
        return;
    case VideoEdit::Scale:
        player->on_file_Scale(value);
        return;
    case VideoEdit::Rotate:
        player->video_rotate(value);
        return;
    }
}

void WidgetPanelHost::refreshVideoCover()
{
    m_widget.refreshVideoCoverPreview();
}

QWidget *WidgetPanelHost::dialogParent() const
{
    return &m_widget;
}

void WidgetPanelHost::setDisplayBackgroundColour(const QColor &colour)
{
    for (MainPlayBKLabel *displayWindow : qAsConst(m_widget.displayWindows)) {
        if (displayWindow->name != m_widget.curDisplayName)
            continue;
        displayWindow->backgroundColour = colour;
        displayWindow->update();
    }
}

void WidgetPanelHost::setDisplayBackgroundPicture(const QString &path)
{
    for (MainPlayBKLabel *displayWindow : qAsConst(m_widget.displayWindows)) {
        if (displayWindow->name != m_widget.curDisplayName)
            continue;
        displayWindow->setBackgroundImage(path);
        displayWindow->update();
    }
}

void WidgetPanelHost::refreshWindowArea(CommonWinObject *window, bool dropNameMarks)
{
    if (!window)
        return;
    for (MainPlayBKLabel *displayWindow : qAsConst(m_widget.displayWindows)) {
        if (displayWindow->name != m_widget.curDisplayName)
            continue;
        if (displayWindow->playing)
            return;
        if (dropNameMarks)
            displayWindow->showNameMarks = false;
        displayWindow->updateWindowGeometry(window);
        displayWindow->update();
        return;
    }
}

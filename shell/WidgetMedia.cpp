// The media table of the window panel and the media panels below it: which
// item is current and which panel shows it.

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/MediaPanel.h"
#include "panels/WindowPanel.h"
#include "playback/MainPlayBKLabel.h"
#include "model/VideoLength.h"
#include "playback/video/VideoLengthProbe.h"
#include "shell/Widget.h"

#include <QTableWidget>

void Widget::clearTableWidget(QTableWidget *table)
{
    if (!table || table->rowCount() == 0 || table->columnCount() == 0)
        return;
    const int rows = table->rowCount();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < table->columnCount(); ++c)
            delete table->takeItem(0, c);
        table->removeRow(0);
    }
}

void Widget::stopCurrentPreviews()
{
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != curDisplayName)
            continue;
        displayWindow->showNameMarks = false;
        displayWindow->update();
        if (!displayWindow->playing)
            displayWindow->stopAllWindows();
        return;
    }
}

void Widget::addMediaRow(int row, QVLedMediaObject *item, const QString &label)
{
    curMedia = item;
    QTableWidget *table = mediaTable();
    const int at = qBound(0, row, table->rowCount());
    table->insertRow(at);
    hideAllSetupLabel();
    if (MediaPanel *panel = mediaPanelOf(item->kind))
        panel->show();
    table->selectRow(at);
    table->setItem(at, 0, new QTableWidgetItem(label));
}

void Widget::slotaddVideoObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateVideoProperty(&item->video);
    refreshPreview(MediaFamily::Video);
    // The preview's player reports the length where it can show the file; the
    // probe learns it also where it cannot (a hidden display window).
    if (VideoLength::isUnknown(item->video.duration))
        lengthProbe().probe(item);
}

void Widget::slotaddImageObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateImageProperty(item);
    refreshImagePreview();
}

void Widget::slotaddSimpleTextObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateSimpleTextProperty(item);
    refreshTextPreview();
}

void Widget::slotaddSingleLineTextObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateSingleRowTextProperty(item);
    refreshTextPreview();
}

void Widget::slotaddTRollingTextObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateScrollingTextProperty(item); // a rolling text is not previewed when it is added
}

void Widget::slotSelectMediaObject(QVLedMediaObject *item)
{
    curMedia = item;
    MediaPanel *panel = item ? mediaPanelOf(item->kind) : nullptr;
    if (!panel)
        return;
    hideAllSetupLabel();
    panel->show();
    if (panel->family() == MediaFamily::Video) {
        updateVideoProperty(&item->video);
        refreshPreview(MediaFamily::Video);
        return;
    }
    if (selectImageOrTextItem(item))
        return;
    panel->fill(item);
    refreshPreview(panel->family());
}

void Widget::slotCommonItemTableSelectionChanged()
{
    curMedia = nullptr;
    hideAllSetupLabel();
    stopCurrentPreviews();
    const QList<QTableWidgetSelectionRange> ranges = mediaTable()->selectedRanges();
    if (!ranges.isEmpty())
        emit sigSelectedMedia(curDisplayName, ranges.first().topRow());
}

void Widget::slotCommonItemTableUnSelected()
{
    if (!mediaTable()->selectedRanges().isEmpty())
        return;
    curMedia = nullptr;
    hideAllSetupLabel();
    stopCurrentPreviews();
}

void Widget::updateCommonWinGeometry(CommonWinObject *window)
{
    // The fields follow when the panel shows that window (known by its names).
    const CommonWinObject *shown = curCommonWin;
    if (window && shown && shown->name == window->name && shown->displayName == window->displayName
        && shown->programName == window->programName && shown->segmentName == window->segmentName)
        commonWinSetupLabel()->showGeometry(*window);
    emit sigUpdateCommon(window);
}

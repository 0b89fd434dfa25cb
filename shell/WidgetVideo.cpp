// The main window's part in video items: the panel's filler and reports, the
// preview of a video just loaded, the live edits' player and the cover slots,
// each forwarding to the video panel or the display window.

#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/VideoPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "model/VideoLength.h"
#include "playback/video/VideoLengthProbe.h"
#include "shell/Widget.h"

void Widget::updateVideoProperty(VideoProperty *video)
{
    if (video)
        videoSetupLabel()->fill(*video);
}

void Widget::setVideoRange(float seconds)
{
    videoSetupLabel()->setVideoRange(curMedia, seconds);
}

void Widget::setVideoProgress(int seconds)
{
    if (VideoPanel *panel = madePanel<VideoPanel>(MediaFamily::Video)) // nothing to show before it is made
        panel->setVideoProgress(seconds);
}

void Widget::slotVideoRangeReported(QVLedMediaObject *item, float seconds)
{
    // Areas forget an item before it is freed, so a report names a live item.
    if (item)
        videoSetupLabel()->setVideoRange(item, seconds);
}

void Widget::slotVideoProgressReported(QVLedMediaObject *item, float seconds)
{
    if (item && item == curMedia)
        setVideoProgress(int(seconds));
}

VideoLengthProbe &Widget::lengthProbe()
{
    if (!m_lengthProbe) {
        m_lengthProbe = new VideoLengthProbe(this);
        connect(m_lengthProbe, &VideoLengthProbe::sigLengthKnown, this,
                [this](QVLedMediaObject *item, double seconds) { slotVideoRangeReported(item, float(seconds)); });
    }
    return *m_lengthProbe;
}

void Widget::slotPreviewVideo(QVLedMediaObject *item)
{
    MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName);
    if (!displayWindow || !item)
        return;
    displayWindow->showNameMarks = false;
    displayWindow->update();
    // Read unseen and unheard: neither a drawing surface nor a sound device is
    // needed. A length the item already stores rules its play and stays.
    if (!displayWindow->playing && VideoLength::isUnknown(item->video.duration))
        lengthProbe().probe(item);
}

PlayLabel *Widget::videoPlayerOfCurrentWindow(bool allNames) const
{
    const CommonWinObject *window = curCommonWin;
    MainPlayBKLabel *displayWindow = displayWindowNamed(curDisplayName);
    if (!window || !displayWindow)
        return nullptr;
    for (const CommonPlayWindow *area : qAsConst(displayWindow->playWindows)) {
        const CommonWinObject *shown = area->winObject;
        const bool matches = shown->name == window->name
                             && (!allNames
                                 || (shown->displayName == window->displayName
                                     && shown->programName == window->programName
                                     && shown->segmentName == window->segmentName));
        if (matches)
            return area->videoPlayer();
    }
    return nullptr;
}

void Widget::refreshVideoCoverPreview()
{
    previewCurrentMedia(&MainPlayBKLabel::previewVideoCover);
}

void Widget::slotEditVideoText()
{
    videoSetupLabel()->editCoverText();
}

void Widget::slotvideoCoverTextBox(bool checked)
{
    videoSetupLabel()->slotvideoCoverTextBox(checked);
}

void Widget::slotvideoCoverTextBoxChecked(bool on)
{
    videoSetupLabel()->slotvideoCoverTextBoxChecked(on);
}

void Widget::slotVideoCoverTextFamily(const QString &family)
{
    videoSetupLabel()->slotVideoCoverTextFamily(family);
}

void Widget::slotVideoCoverTextFontSize(const QString &size)
{
    videoSetupLabel()->slotVideoCoverTextFontSize(size);
}

void Widget::slotVideoCoverTextBChecked(bool on)
{
    videoSetupLabel()->slotVideoCoverTextBChecked(on);
}

void Widget::slotVideoCoverTextIChecked(bool on)
{
    videoSetupLabel()->slotVideoCoverTextIChecked(on);
}

void Widget::slotVideoCoverTextUChecked(bool on)
{
    videoSetupLabel()->slotVideoCoverTextUChecked(on);
}

void Widget::slotVideoCoverTextColorSet(const QColor &colour)
{
    videoSetupLabel()->slotVideoCoverTextColorSet(colour);
}

void Widget::slotVideoCoverColorful(int index)
{
    videoSetupLabel()->slotVideoCoverColorful(index);
}

void Widget::slotVideoCoverRollState(int state)
{
    videoSetupLabel()->slotVideoCoverRollState(state);
}

void Widget::slotVideoCoverDirect(int index)
{
    videoSetupLabel()->slotVideoCoverDirect(index);
}

void Widget::slotVideoCoverSpeed(int index)
{
    videoSetupLabel()->slotVideoCoverSpeed(index);
}

void Widget::slotRollTextYChange(int y)
{
    videoSetupLabel()->slotRollTextYChange(y);
}

void Widget::slotVideoCoverTextChanged(const QString &text)
{
    videoSetupLabel()->slotVideoCoverTextChanged(text);
}

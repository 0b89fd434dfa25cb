// The camera panel: its controls, its filler and its property slots.

#include "panels/VideoDevicePanel.h"

#include "model/QVLedMediaObject.h"
#include "panels/controls/BackgroundRow.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "panels/controls/PanelControls.h"

#include <QComboBox>

namespace {
BackgroundFieldRefs cameraBackground(QVLedMediaObject &item)
{
    VideoDeviceProperty &p = item.videoDevice;
    return {&p.bgIsColour, &p.bgColour, &p.bgPicture, &p.bgImageStyle, nullptr};
}
} // namespace

// 200 pixels high when built, 220 once the main window was maximised or restored.
VideoDevicePanel::VideoDevicePanel(PanelHost &host, QWidget *windowPanel)
    : MediaPanel(host, MediaFamily::VideoDevice, windowPanel, 200, 220)
{
    const BackgroundRow::Policy policy{MediaKindId::VideoDevice, false, true, false, false};
    m_background = new BackgroundRow(this, 4, policy, &cameraBackground, [this](bool ofKind, const Write &write) {
        ofKind ? (void)editCurrentOfKind(MediaKindId::VideoDevice, write) : (void)editCurrent(write);
    });
    connect(m_background->chooser(), &BackgroundChooser::sigChosen, this,
            &VideoDevicePanel::slotVideoDeviceBackgroundChange);
    connect(m_background->colourButton(), &ColourButton::sigColourChosen, this,
            &VideoDevicePanel::slotVideoDeviceBKColorSet);
    connect(m_background->styleBox(), qOverload<int>(&QComboBox::activated), this,
            &VideoDevicePanel::slotvideoDeviceBKImageStyleChange);

    m_texts.label(this, QT_TR_NOOP("Play time:"), QRect(10, 40, 90, 26));
    m_timeLengthEdit = PanelControls::timeEdit(this, QRect(100, 40, 100, 26));
    m_timeLengthEdit->setObjectName(QStringLiteral("timeLength"));
    connect(m_timeLengthEdit, &QTimeEdit::timeChanged, this, &VideoDevicePanel::slotVideoDeviceTimeLength);
    trUpdate();
}

void VideoDevicePanel::trUpdate()
{
    m_texts.retranslate();
    m_background->retranslate();
}

void VideoDevicePanel::updateVideoDeviceProperty(QVLedMediaObject *item)
{
    if (!item)
        return;
    m_background->fill(*item);
    const FillGuard guard{m_timeLengthEdit};
    m_timeLengthEdit->setTime(item->videoDevice.timeLength);
}

void VideoDevicePanel::slotVideoDeviceBackgroundChange(BackgroundChooser::Choice choice, const QString &picture)
{
    m_background->choose(choice, picture);
}

void VideoDevicePanel::slotVideoDeviceBKColorSet(const QColor &colour)
{
    m_background->storeColour(colour);
}

void VideoDevicePanel::slotvideoDeviceBKImageStyleChange(int index)
{
    m_background->storeImageStyle(index);
}

void VideoDevicePanel::slotVideoDeviceTimeLength(const QTime &time)
{
    editCurrent([time](QVLedMediaObject &i) { i.videoDevice.timeLength = time; });
}

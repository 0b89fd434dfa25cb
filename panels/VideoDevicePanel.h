#pragma once

// The camera panel: background and play time of a "videoDevice" item.

#include "panels/MediaPanel.h"
#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/PanelTexts.h"

#include <QColor>
#include <QTime>

class BackgroundRow;
class QTimeEdit;

class VideoDevicePanel : public MediaPanel
{
    Q_OBJECT

public:
    VideoDevicePanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
    void fill(QVLedMediaObject *item) override { updateVideoDeviceProperty(item); }
    void updateVideoDeviceProperty(QVLedMediaObject *item);

public slots:
    void slotVideoDeviceBackgroundChange(BackgroundChooser::Choice choice, const QString &picture);
    // The colour is stored in a camera item only; the colour mode stays as it is.
    void slotVideoDeviceBKColorSet(const QColor &colour);
    void slotvideoDeviceBKImageStyleChange(int index);
    void slotVideoDeviceTimeLength(const QTime &time);

private:
    PanelTexts m_texts{"VideoDevicePanel"};
    BackgroundRow *m_background = nullptr;
    QTimeEdit *m_timeLengthEdit = nullptr;
};

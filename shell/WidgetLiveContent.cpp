// The main window's side of the live-content panels (clocks, count timer,
// web page, stream, camera, weather): their fillers and their media-table
// rows. The panels hold the controls and the property slots.

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "panels/AnalogClockPanel.h"
#include "panels/DigitalClockPanel.h"
#include "panels/DigitalTimerPanel.h"
#include "panels/StreamingPanel.h"
#include "panels/UrlPanel.h"
#include "panels/VideoDevicePanel.h"
#include "panels/WeatherPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"

void Widget::updateDigitalClockProperty(QVLedMediaObject *item)
{
    digitalClockSetupLabel()->updateDigitalClockProperty(item);
}

void Widget::updateAnalogClockProperty(QVLedMediaObject *item)
{
    analogClockSetupLabel()->updateAnalogClockProperty(item);
}

void Widget::updateDigitalTimerProperty(QVLedMediaObject *item)
{
    digitalTimerSetupLabel()->updateDigitalTimerProperty(item);
}

void Widget::updateUrlProperty(QVLedMediaObject *item)
{
    urlSetupLabel()->updateUrlProperty(item);
}

void Widget::updateStreamingProperty(QVLedMediaObject *item)
{
    streamingSetupLabel()->updateStreamingProperty(item);
}

void Widget::updateVideoDeviceProperty(QVLedMediaObject *item)
{
    videoDeviceSetupLabel()->updateVideoDeviceProperty(item);
}

void Widget::updateWeatherProperty(QVLedMediaObject *item)
{
    weatherSetupLabel()->updateWeatherProperty(item);
}

void Widget::applyLiveStreamingVolume(int volume)
{
    if (!curCommonWin || realPlayDisplayNames.contains(curDisplayName))
        return;
    for (MainPlayBKLabel *displayWindow : qAsConst(displayWindows)) {
        if (displayWindow->name != curDisplayName)
            continue;
        for (CommonPlayWindow *area : qAsConst(displayWindow->playWindows)) {
            if (area->winObject == curCommonWin) {
                area->setStreamVolume(volume);
                break;
            }
        }
    }
}

// ---- media-table rows: the row, the panel filled, the preview ----------

void Widget::slotaddDigitalClockObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateDigitalClockProperty(item);
    refreshDigitalClockPreview();
}

void Widget::slotaddAnalogClockObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateAnalogClockProperty(item);
    refreshAnalogClockPreview();
}

void Widget::slotaddDigitalTimerObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateDigitalTimerProperty(item);
    refreshDigitalTimerPreview();
}

void Widget::slotAddUrlObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateUrlProperty(item);
    refreshUrlPreview();
}

void Widget::slotAddStreamingObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateStreamingProperty(item);
    refreshStreamingPreview();
}

void Widget::slotAddSVideoDeviceObject(int row, QVLedMediaObject *item)
{
    // No preview: adding a camera item does not open the camera.
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateVideoDeviceProperty(item);
}

void Widget::slotAddWeatherObject(int row, QVLedMediaObject *item)
{
    addMediaRow(row, item, MediaKinds::tableLabel(*item));
    updateWeatherProperty(item);
    refreshWeatherPreview();
}

#pragma once

// The player of camera items. The camera window, and with it the camera and
// the sound devices, is made the first time a camera item shows; capture
// runs only while the item shows.

#include "playback/content/WidgetContentPlayer.h"

class VideoDeviceWindow;

class CameraPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override;
    void resume() override;
    VideoDeviceWindow *window() const { return m_window; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void halt() override;

private:
    VideoDeviceWindow *m_window = nullptr;
};

#pragma once

// The player of camera items. The camera window, and with it the camera and
// the sound devices, is made the first time a camera item shows; capture
// runs only while the item shows. A camera item on a machine whose camera is
// missing or will not start shows nothing and ends as failed (after the
// area's shortest stay); why is written to the log once, not at every round
// of the list.

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
    // The camera of the item shown cannot show: nothing is captured, the item ends as failed.
    void fail(const QString &reason);

    VideoDeviceWindow *m_window = nullptr;
};

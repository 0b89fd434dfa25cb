// The camera player: capture while the item shows.

#include "playback/content/CameraPlayer.h"

#include "playback/content/VideoDeviceWindow.h"

void CameraPlayer::showItem(QVLedMediaObject *, Purpose)
{
    if (!m_window) {
        m_window = new VideoDeviceWindow(area());
        adoptView(m_window);
    }
    m_window->startCapture();
    showView();
}

void CameraPlayer::pause()
{
    halt();
}

void CameraPlayer::resume()
{
    if (!m_window)
        return;
    m_window->startCapture();
    showView();
}

void CameraPlayer::halt()
{
    if (m_window && m_window->capturing())
        m_window->stopCapture();
}

// The camera player: capture while the item shows; a missing camera fails the item.

#include "modules/multimedia/CameraPlayer.h"

#include "base/Log.h"
#include "modules/multimedia/VideoDeviceWindow.h"

namespace {
// The reason written last: a camera that stays missing is reported once for the
// whole process, whichever area shows it; another reason is reported again.
QString &reportedReason()
{
    static QString reason;
    return reason;
}
} // namespace

void CameraPlayer::showItem(QVLedMediaObject *, Purpose)
{
    if (!m_window) {
        m_window = new VideoDeviceWindow(area());
        adoptView(m_window);
        // A camera that fails once started ends the item it was capturing for.
        connect(m_window, &VideoDeviceWindow::sigCameraFailed, this, [this](const QString &reason) {
            if (m_window->capturing())
                fail(reason);
        });
    }
    const QString problem = m_window->cameraProblem();
    if (!problem.isEmpty()) {
        fail(problem);
        return;
    }
    m_window->startCapture();
    showView();
}

void CameraPlayer::fail(const QString &reason)
{
    halt();
    if (view())
        view()->hide();
    if (reportedReason() != reason) {
        reportedReason() = reason;
        qCWarning(lcPlayback).noquote() << "a camera item cannot show:" << reason;
    }
    reportFinished(false);
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

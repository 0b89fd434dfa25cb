// On X11 translucency needs a compositing manager; other platforms of this
// build (Wayland, offscreen) always compose.

#include "platform/Compositing.h"

#include <QX11Info>

namespace Compositing {

bool translucentWindowsShow()
{
    if (!QX11Info::isPlatformX11())
        return true;
    return QX11Info::isCompositingManagerRunning();
}

} // namespace Compositing

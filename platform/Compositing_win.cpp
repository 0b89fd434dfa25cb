// Windows composes every top-level window (the desktop window manager is
// always on), so translucent windows show what lies beneath them.

#include "platform/Compositing.h"

namespace Compositing {

bool translucentWindowsShow()
{
    return true;
}

} // namespace Compositing

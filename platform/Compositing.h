#pragma once

// Whether a translucent top-level window shows what lies beneath it. A
// desktop without a compositing manager (a bare X server, as on many player
// machines) draws the transparent parts of such a window black; a window
// meant to lay text over a video then has to be cut to the shape of its text.

namespace Compositing {

bool translucentWindowsShow();

} // namespace Compositing

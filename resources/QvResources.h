#pragma once

// Registers the compiled-in images and translation catalogues (":/images/...").
// qvcore is a static library, so its resources are not registered by
// themselves: call this once after the QApplication exists and before
// anything loads a ":/images/" path. Calling it again is harmless.
void initQvResources();

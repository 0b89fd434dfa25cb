// The program's logging categories, defined once.

#include "base/Log.h"

Q_LOGGING_CATEGORY(lcModel, "qv.model")
Q_LOGGING_CATEGORY(lcEditor, "qv.editor")
Q_LOGGING_CATEGORY(lcPlayback, "qv.playback")
Q_LOGGING_CATEGORY(lcVideo, "qv.video")
Q_LOGGING_CATEGORY(lcShell, "qv.shell")

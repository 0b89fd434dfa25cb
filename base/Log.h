#pragma once

// Logging categories of the program. Failures nobody is there to see (an
// unattended player, a file that could not be read at start-up) are written
// through one of these, never through a bare qWarning, so an operator can
// switch a whole area on or off with QT_LOGGING_RULES.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcModel)    // "qv.model": records and schedule files
Q_DECLARE_LOGGING_CATEGORY(lcEditor)   // "qv.editor": the schedule trees and their loaders
Q_DECLARE_LOGGING_CATEGORY(lcPlayback) // "qv.playback": display windows, areas, play log
Q_DECLARE_LOGGING_CATEGORY(lcVideo)    // "qv.video": the video and stream players
Q_DECLARE_LOGGING_CATEGORY(lcShell)    // "qv.shell": start-up, settings, documents, platform services

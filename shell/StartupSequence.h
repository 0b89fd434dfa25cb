#pragma once

// What happens between the program's entry point and its event loop, and the
// schedules start-up opens on its own.

#include <QString>

class Widget;

// The start-up of the program, step by step.
namespace StartupSequence {

// The whole program: returns the process result (0 in every case).
int run(int argc, char *argv[]);

// Opens the chosen schedule when "Play" is 1 (by "PlayType"); returns the
// path it named (empty: none).
QString openStartupSchedules(Widget &mainWindow);

// The recovery check: a "CloseType" of "normal" is reset for this run; any
// other reopens "LastSchemePath", unless that is the file `openedAtStart`
// named, which is open already: a schedule is loaded once.
void checkCloseType(Widget &mainWindow, const QString &openedAtStart);

} // namespace StartupSequence

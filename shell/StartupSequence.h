#pragma once

// What happens between the program's entry point and its event loop, and the
// schedules start-up opens on its own.

#include <QString>

class Widget;

// The start-up of the program, step by step.
namespace StartupSequence {

// The allocator's arenas all threads share (the soak bench plays with the same).
constexpr int kAllocatorArenas = 2;

// The whole program: returns the process result (0 in every case).
// `lockFolder` names the folder of the single-instance lock; empty (as the
// program passes it) means the user's own. Only the tests' build of the
// program names another, so test runs never meet a player at the lock.
int run(int argc, char *argv[], const QString &lockFolder = QString());

// Makes the settings folder (AppContext::appDirPath) when it is missing, as
// on a user's first start. Empty when it is there and can be written; else
// what to tell the operator, naming the folder and the system's reason.
QString prepareSettingsFolder();

// Opens the chosen schedule when "Play" is 1 (by "PlayType"); returns the
// path it named (empty: none).
QString openStartupSchedules(Widget &mainWindow);

// The recovery check: a "CloseType" of "normal" is reset for this run; any
// other reopens "LastSchemePath", unless that is the file `openedAtStart`
// named, which is open already: a schedule is loaded once. Returns what to
// tell the operator when the reset could not be written (a crash of this
// run would then not be recovered); empty otherwise.
QString checkCloseType(Widget &mainWindow, const QString &openedAtStart);

} // namespace StartupSequence

#pragma once

// What happens between the program's entry point and its event loop, and the
// schedules start-up opens on its own.

#include <QString>

class Widget;

// The start-up of the program, step by step.
namespace StartupSequence {

// The whole program: returns the process result (0 in every case).
// `lockFolder` names the folder of the single-instance lock; empty (as the
// program passes it) means the user's own. Only the tests' build of the
// program names another, so test runs never meet a player at the lock.
int run(int argc, char *argv[], const QString &lockFolder = QString());

// Makes the settings folder (AppContext::appDirPath) when it is missing, as
// on a user's first start. Empty when it is there and can be written; else
// what to tell the operator, naming the folder and the system's reason.
QString prepareSettingsFolder();

// Opens what start-up opens: the chosen schedule when "Play" is 1 (by
// "PlayType"), then the recovery of "LastSchemePath" unless the last run
// ended normally ("CloseType"), which is reset for this run.
void openStartupSchedules(Widget &mainWindow);

} // namespace StartupSequence

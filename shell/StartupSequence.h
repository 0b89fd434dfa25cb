#pragma once

// What happens between the program's entry point and its event loop, and the
// schedules start-up opens on its own.

class Widget;

// The start-up of the program, step by step.
namespace StartupSequence {

// The whole program: returns the process result (0 in every case).
int run(int argc, char *argv[]);

// Opens what start-up opens: the chosen schedule when "Play" is 1 (by
// "PlayType"), then the recovery of "LastSchemePath" unless the last run
// ended normally ("CloseType"), which is reset for this run.
void openStartupSchedules(Widget &mainWindow);

} // namespace StartupSequence

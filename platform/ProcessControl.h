#pragma once

// Starting and ending programs of the same product that live outside this one.

#include <QString>

namespace ProcessControl {
// The file name of a program: baseName + ".exe" on Windows, baseName elsewhere.
QString executableName(const QString &baseName);

// Starts programPath detached, without arguments, in our working directory.
// False, with a debug line, when the file is missing or does not start.
bool startDetached(const QString &programPath);

// Force-ends every process whose image name is exactly imageName, never our
// own process and never by pattern. Linux: the image name is the file name
// of /proc/<pid>/exe; only when that cannot be read does the kernel's command
// name count, and then only for names short enough to be held whole.
// Returns how many processes were signalled; on Windows the ending is left
// to TASKKILL, whose outcome is not waited for, and the result is -1.
int endProcessesNamed(const QString &imageName);

// Whether the process runs with the rights of the system's super-user
// (effective user 0 on Unix). False on Windows, where elevation does not
// change how the programs we start behave.
bool runsAsSuperUser();
} // namespace ProcessControl

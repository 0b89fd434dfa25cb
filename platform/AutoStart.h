#pragma once

// Starting the program when the operator logs on. Windows keeps a value
// "QVDIDUDODID" under the machine's Run key; Linux an XDG autostart entry
// "QVDIDUDODID.desktop" in $XDG_CONFIG_HOME/autostart (~/.config/autostart
// by default). Either names the running program's own directory plus the
// fixed program file name, whatever the settings folder is. The Linux entry
// also starts the program in the working folder it had when the entry was
// written, so the play log "log.db" the operator looks at there is the one
// the program started at log-on writes.

#include <QString>

namespace AutoStart {

// Why an entry could not be written or removed: the file (or registry key)
// and the reason in the words of the system.
struct Failure
{
    QString file;
    QString reason;
};

// The program file the entry starts: the running program's directory plus
// "QVDidUdodid" (".exe" on Windows).
QString programPath();

// Writes the entry (on) or takes it away (off: Windows keeps the value with
// empty data, Linux removes the file, since an empty Exec is not valid).
// False, with the file and the reason in *failure, when that failed.
bool apply(bool on, Failure *failure);

// Whether the process runs as 32 bits under 64-bit Windows; false elsewhere.
bool isWow64();

// ---- the texts of the entries, pure functions ------------------------

// The Run value's data for a program directory: the quoted full path of
// "QVDidUdodid.exe", every "/" turned into "\".
QString runValueText(const QString &programDir);

// The autostart folder: $XDG_CONFIG_HOME/autostart, ~/.config/autostart
// when the variable is unset or empty.
QString entryFolder();
QString entryPath();

// One argument of an Exec line, quoted and escaped by the Desktop Entry rules
// (quotes around reserved characters, "%" doubled, backslashes of the string
// value doubled).
QString execArgument(const QString &argument);

// A plain string value of an entry, escaped by the Desktop Entry rules.
QString stringValue(const QString &text);

// The whole entry for the program; with a settings folder (the program's
// QVDIDUDODID_HOME) the Exec line passes it on through env; with a working
// folder the entry starts the program there (Path).
QString desktopEntry(const QString &programPath, const QString &settingsHome, const QString &workingFolder = {});

} // namespace AutoStart

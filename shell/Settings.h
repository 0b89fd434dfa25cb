#pragma once

// Moves the settings values of AppContext to and from "setting.ini" in the
// settings folder (INI, flat keys). Each call opens the file for itself and
// closes it before returning. A write that the file refuses is logged as a
// warning naming the file and the system's reason, and handed back for the
// operator; the in-memory values stay as set.

#include <QString>

// Reads the nine keys; an absent key leaves its value as it is, and an integer
// key whose text is not a number reads 0.
void readSettings();
// Writes Language, Start, Play, PlayType, SchemePath and LastSchemePath only;
// the file keeps its BackStageFlag, HardDecode and CloseType. False when the
// file could not be written; *problem then says so for the operator, with the
// file's name and the system's reason.
bool writeSettings(QString *problem = nullptr);
// Writes the one key "CloseType"; the in-memory CloseType is left alone.
// False, with *problem, as writeSettings.
bool writeCloseType(const QString &value, QString *problem = nullptr);

#pragma once

// Folders the program writes into (the settings folder, the Office page
// folder): made when missing, and checked, so that a failure can be told
// to the operator with the folder's name and the system's own reason.

#include <QString>

namespace Folders {

// The folder at `path` exists (it is made, with its parents, when missing)
// and this user may make files in it. Otherwise false, and *reason says
// why in the system's words (e.g. "Permission denied", "Not a directory").
bool makeWritable(const QString &path, QString *reason);

} // namespace Folders

#pragma once

// What the import of media files decides about a chosen file: the kind it
// becomes by its suffix, the file dialog's filter, and how a text file is read.

#include "model/MediaKinds.h"

#include <QString>

namespace MediaFileImport {

// The kind of item a file becomes: video, image, txt or office, by the text
// after the last "." of the whole path, whatever its case. False for any
// other suffix (a .vob file, a path whose only "." is in a folder's name).
bool kindOfFile(const QString &path, MediaKindId *kind);

// The filter of the open-files dialog.
QString dialogFilter();

// The whole text of a .txt file, line ends as stored: UTF-8 when the bytes
// are valid UTF-8 (a byte-order mark dropped), else the local 8-bit code
// page. Empty when the file cannot be read.
QString readTextFile(const QString &path);

} // namespace MediaFileImport

#pragma once

// Files named by a schedule, a setting or a panel are made by somebody else:
// such a path may name a FIFO (whose open() waits for a writer for ever), a
// device that never ends, or a folder. These calls read regular files only,
// and never wait for one to open.

#include <QString>

class QFile;

namespace RegularFile {

// What a regular file is now, to tell it from the same path changed or
// replaced since it was last read.
struct Identity
{
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 device = 0;
    quint64 inode = 0;

    bool operator==(const Identity &other) const
    {
        return size == other.size && modifiedNs == other.modifiedNs && device == other.device && inode == other.inode;
    }
    bool operator!=(const Identity &other) const { return !(*this == other); }
};

// True when `path` names a regular file (links followed), with what it is
// now; otherwise false and why, in words for the operator. Opens nothing.
bool identify(const QString &path, Identity *identity, QString *reason);

// Opens `file` (by its fileName()) read-only when it names a regular file.
// The path is looked at before it is opened, and the file opened is looked
// at again, so nothing swapped in between is read. On failure the file stays
// closed and `reason` says why.
bool open(QFile &file, QString *reason, Identity *identity = nullptr);

} // namespace RegularFile

// Making a folder on Windows: the system's last error is the reason.

#include "platform/Folders.h"

#include <QDir>
#include <QFileInfo>

namespace Folders {

bool makeWritable(const QString &path, QString *reason)
{
    if (QDir().mkpath(path) && QFileInfo(path).isDir() && QFileInfo(path).isWritable())
        return true;
    if (reason)
        *reason = qt_error_string();
    return false;
}

} // namespace Folders

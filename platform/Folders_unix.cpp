// Making a folder step by step, so the step that fails gives its reason.

#include "platform/Folders.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace Folders {

bool makeWritable(const QString &path, QString *reason)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    const auto fail = [reason](int error) {
        if (reason)
            *reason = qt_error_string(error);
        return false;
    };
    // From the top down: an existing step is fine; a file in the way shows
    // at the next step (ENOTDIR) or at the end.
    QString current;
    for (const QString &part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        current += QLatin1Char('/') + part;
        if (::mkdir(QFile::encodeName(current).constData(), 0777) != 0 && errno != EEXIST)
            return fail(errno);
    }
    const QByteArray native = QFile::encodeName(absolute);
    struct stat status;
    if (::stat(native.constData(), &status) != 0)
        return fail(errno);
    if (!S_ISDIR(status.st_mode))
        return fail(ENOTDIR);
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return fail(errno);
    return true;
}

} // namespace Folders

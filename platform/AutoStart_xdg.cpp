// Start at log-on on Linux desktops: an XDG autostart entry, written
// atomically, removed when the operator no longer wants it.

#include "platform/AutoStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace AutoStart {

bool isWow64()
{
    return false;
}

bool apply(bool on, Failure *failure)
{
    const QString path = entryPath();
    auto fail = [&](const QString &file, const QString &reason) {
        if (failure)
            *failure = Failure{file, reason};
        return false;
    };
    if (!on) {
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return true;
        QFile entry(path);
        return entry.remove() || fail(path, entry.errorString());
    }

    const QString folder = entryFolder();
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir())
        return fail(folder, QStringLiteral("it is a file, not a folder"));
    if (!QDir().mkpath(folder))
        return fail(folder, QStringLiteral("the folder cannot be made"));

    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly | QIODevice::Text))
        return fail(path, entry.errorString());
    const QString settingsHome = qEnvironmentVariable("QVDIDUDODID_HOME");
    entry.write(desktopEntry(programPath(), settingsHome, QDir::currentPath()).toUtf8());
    if (!entry.commit())
        return fail(path, entry.errorString());
    return true;
}

} // namespace AutoStart

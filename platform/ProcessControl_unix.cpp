#include "platform/ProcessControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

#include <climits>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {
// The kernel keeps at most this many bytes of a command name.
constexpr int CommandNameLength = 15;

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

// Whether process pid runs the image imageName. The executable's file name
// decides; the command name is only a fallback, and a truncated one never
// matches because it could belong to any longer name.
bool runsImage(const QString &pid, const QString &imageName)
{
    const QByteArray exeLink = QFile::encodeName(QStringLiteral("/proc/%1/exe").arg(pid));
    char target[PATH_MAX];
    const ssize_t length = ::readlink(exeLink.constData(), target, sizeof target);
    if (length > 0) {
        QByteArray path(target, int(length));
        // An image that was replaced or removed while running is still it.
        const QByteArray deleted(" (deleted)");
        if (path.endsWith(deleted))
            path.chop(deleted.size());
        return QFileInfo(QFile::decodeName(path)).fileName() == imageName;
    }

    // Kernel threads and zombies have no command line and ignore signals.
    if (readProcFile(QStringLiteral("/proc/%1/cmdline").arg(pid)).isEmpty())
        return false;
    const QByteArray wanted = QFile::encodeName(imageName);
    if (wanted.isEmpty() || wanted.size() > CommandNameLength)
        return false;
    QByteArray command = readProcFile(QStringLiteral("/proc/%1/comm").arg(pid));
    if (command.endsWith('\n'))
        command.chop(1);
    return command == wanted;
}
} // namespace

namespace ProcessControl {
QString executableName(const QString &baseName)
{
    return baseName;
}

int endProcessesNamed(const QString &imageName)
{
    if (imageName.isEmpty())
        return 0;
    const pid_t self = ::getpid();
    int signalled = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        const pid_t pid = pid_t(entry.toLong(&isPid));
        if (!isPid || pid <= 0 || pid == self)
            continue;
        if (runsImage(entry, imageName) && ::kill(pid, SIGKILL) == 0)
            ++signalled;
    }
    return signalled;
}

bool runsAsSuperUser()
{
    return ::geteuid() == 0;
}
} // namespace ProcessControl

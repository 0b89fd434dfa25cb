// What starting the companion program looks like on every platform.

#include "platform/ProcessControl.h"
#include "base/Log.h"

#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

namespace ProcessControl {

bool startDetached(const QString &programPath)
{
    if (!QFileInfo(programPath).isFile()) {
        qCWarning(lcShell).noquote() << QStringLiteral("cannot start %1: no such file").arg(programPath);
        return false;
    }
    if (!QProcess::startDetached(programPath, QStringList())) {
        qCWarning(lcShell).noquote() << QStringLiteral("cannot start %1").arg(programPath);
        return false;
    }
    return true;
}

} // namespace ProcessControl

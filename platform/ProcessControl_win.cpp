#include "platform/ProcessControl.h"

#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

#include <windows.h>
#include <shellapi.h>

namespace ProcessControl {
QString executableName(const QString &baseName)
{
    return baseName + QStringLiteral(".exe");
}

int endProcessesNamed(const QString &imageName)
{
    // TASKKILL would read "*" as a wildcard: only an exact name is taken.
    if (imageName.isEmpty() || imageName.contains(QLatin1Char('*')))
        return 0;
    const QString parameters = QStringLiteral("/F /IM \"%1\" /FI \"PID ne %2\"")
                                   .arg(imageName)
                                   .arg(GetCurrentProcessId());
    ShellExecuteW(nullptr, L"open", L"TASKKILL", reinterpret_cast<LPCWSTR>(parameters.utf16()), nullptr,
                  SW_HIDE);
    return -1;
}

bool runsAsSuperUser()
{
    return false;
}
} // namespace ProcessControl

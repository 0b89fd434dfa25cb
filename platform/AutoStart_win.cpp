// Start with Windows: the value "QVDIDUDODID" under the machine's Run key,
// the 32-bit view's key when the process runs under WOW64. Unchecking keeps
// the value with empty data.

#include "platform/AutoStart.h"

#include <QCoreApplication>
#include <QSettings>

#include <windows.h>

namespace AutoStart {

bool isWow64()
{
    using IsWow64ProcessFn = BOOL(WINAPI *)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleW(L"kernel32");
    if (!kernel)
        return false;
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(GetProcAddress(kernel, "IsWow64Process"));
    if (!isWow64Process)
        return false;
    BOOL wow64 = FALSE;
    if (!isWow64Process(GetCurrentProcess(), &wow64))
        return false;
    return wow64 != FALSE;
}

bool apply(bool on, Failure *failure)
{
    const QString key
        = isWow64()
              ? QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run")
              : QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
    QSettings run(key, QSettings::NativeFormat);
    QString dir = QCoreApplication::applicationDirPath();
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    run.setValue(QStringLiteral("QVDIDUDODID"), on ? runValueText(dir) : QString());
    run.sync();
    if (run.status() == QSettings::NoError)
        return true;
    if (failure)
        *failure = Failure{key, QStringLiteral("the registry refused the value (administrator rights?)")};
    return false;
}

} // namespace AutoStart

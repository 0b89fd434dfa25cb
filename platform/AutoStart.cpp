// The texts of the autostart entries, the same on every system so that both
// can be checked anywhere.

#include "platform/AutoStart.h"

#include <QCoreApplication>
#include <QDir>

namespace AutoStart {

namespace {
const char kProgramBaseName[] = "QVDidUdodid";
// Characters that make the Desktop Entry rules want an argument quoted.
const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
} // namespace

QString programPath()
{
    QString name = QLatin1String(kProgramBaseName);
#ifdef Q_OS_WIN
    name += QStringLiteral(".exe");
#endif
    QString dir = QCoreApplication::applicationDirPath();
    dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return dir + QLatin1Char('/') + name;
}

QString runValueText(const QString &programDir)
{
    QString text
        = QLatin1Char('"') + programDir + QLatin1Char('/') + QLatin1String(kProgramBaseName) + QStringLiteral(".exe\"");
    text.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return text;
}

QString entryFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart");
}

QString entryPath()
{
    return entryFolder() + QStringLiteral("/QVDIDUDODID.desktop");
}

QString execArgument(const QString &argument)
{
    QString quoted = argument;
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || kReserved.contains(c);
    if (needsQuotes) {
        QString inner;
        for (const QChar c : argument) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                inner += QLatin1Char('\\');
            inner += c;
        }
        quoted = QLatin1Char('"') + inner + QLatin1Char('"');
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The value's own escapes come last: a reader undoes them first.
    return stringValue(quoted);
}

QString stringValue(const QString &text)
{
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t'))
            value += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r'))
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QString desktopEntry(const QString &programPath, const QString &settingsHome, const QString &workingFolder)
{
    QString exec = execArgument(programPath);
    if (!settingsHome.isEmpty())
        exec = QStringLiteral("env ") + execArgument(QStringLiteral("QVDIDUDODID_HOME=") + settingsHome)
               + QLatin1Char(' ') + exec;
    QString entry = QStringLiteral("[Desktop Entry]\n"
                                   "Type=Application\n"
                                   "Name=QV LED Player\n"
                                   "Exec=%1\n"
                                   "Terminal=false\n")
                        .arg(exec);
    if (!workingFolder.isEmpty())
        entry += QStringLiteral("Path=%1\n").arg(stringValue(workingFolder));
    return entry;
}

} // namespace AutoStart

#include "shell/Settings.h"
#include "base/Log.h"

#include "base/AppContext.h"

#include <QSettings>
#include <QtDebug>

namespace {
const char *statusText(QSettings::Status status)
{
    return status == QSettings::AccessError ? "access error" : "format error";
}

// Stores what was set and says so when the file refused it, so a lost write
// shows up in the log instead of at the next start.
void store(QSettings &settings)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcShell).noquote() << QStringLiteral("settings file %1 could not be written (%2)")
                                    .arg(settings.fileName(), QLatin1String(statusText(settings.status())));
}
} // namespace

void readSettings()
{
    using namespace AppContext;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        qCWarning(lcShell).noquote() << QStringLiteral("settings file %1 could not be read (%2)")
                                    .arg(settings.fileName(), QLatin1String(statusText(settings.status())));
    Language = settings.value(QStringLiteral("Language"), Language).toInt();
    BackStageFlag = settings.value(QStringLiteral("BackStageFlag"), BackStageFlag).toInt();
    Start = settings.value(QStringLiteral("Start"), Start).toInt();
    Play = settings.value(QStringLiteral("Play"), Play).toInt();
    PlayType = settings.value(QStringLiteral("PlayType"), PlayType).toInt();
    SchemePath = settings.value(QStringLiteral("SchemePath"), SchemePath).toString();
    LastSchemePath = settings.value(QStringLiteral("LastSchemePath"), LastSchemePath).toString();
    HardDecode = settings.value(QStringLiteral("HardDecode"), HardDecode).toInt();
    CloseType = settings.value(QStringLiteral("CloseType"), CloseType).toString();
}

void writeSettings()
{
    using namespace AppContext;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), Language);
    settings.setValue(QStringLiteral("Start"), Start);
    settings.setValue(QStringLiteral("Play"), Play);
    settings.setValue(QStringLiteral("PlayType"), PlayType);
    settings.setValue(QStringLiteral("SchemePath"), SchemePath);
    settings.setValue(QStringLiteral("LastSchemePath"), LastSchemePath);
    store(settings);
}

void writeCloseType(const QString &value)
{
    QSettings settings(AppContext::settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("CloseType"), value);
    store(settings);
}

// The settings file: reading it at start-up, writing it after a change,
// and telling why a write failed.

#include "shell/Settings.h"

#include "base/AppContext.h"
#include "base/Log.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QtDebug>

namespace {
const char *statusText(QSettings::Status status)
{
    return status == QSettings::AccessError ? "access error" : "format error";
}

// The settings API only tells that a write failed; the folder and then the
// file are asked for the system's reason.
QString reasonWhyUnwritable(const QString &file)
{
    QString reason;
    if (!Folders::makeWritable(QFileInfo(file).absolutePath(), &reason))
        return reason;
    QFile probe(file);
    if (!probe.open(QIODevice::ReadWrite))
        return probe.errorString();
    return QCoreApplication::translate("Settings", "the file cannot be written");
}

// Stores what was set. When the file refused it, says so in the log and
// hands the operator's text back, so a lost write is not found only at the
// next start.
bool store(QSettings &settings, QString *problem)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    const QString reason = reasonWhyUnwritable(settings.fileName());
    qCWarning(lcShell).noquote() << QStringLiteral("settings file %1 could not be written (%2): %3")
                                        .arg(settings.fileName(), QLatin1String(statusText(settings.status())), reason);
    if (problem)
        *problem = QCoreApplication::translate("Settings", "The settings cannot be saved in %1: %2")
                       .arg(settings.fileName(), reason);
    return false;
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

bool writeSettings(QString *problem)
{
    using namespace AppContext;
    QSettings settings(settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), Language);
    settings.setValue(QStringLiteral("Start"), Start);
    settings.setValue(QStringLiteral("Play"), Play);
    settings.setValue(QStringLiteral("PlayType"), PlayType);
    settings.setValue(QStringLiteral("SchemePath"), SchemePath);
    settings.setValue(QStringLiteral("LastSchemePath"), LastSchemePath);
    return store(settings, problem);
}

bool writeCloseType(const QString &value, QString *problem)
{
    QSettings settings(AppContext::settingsFilePath(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("CloseType"), value);
    return store(settings, problem);
}

#include "shell/StartupSequence.h"

#include "base/Log.h"
#include "platform/FontStandIns.h"
#include "platform/InstanceGuard.h"
#include "platform/ProcessControl.h"
#include "platform/StopSignals.h"
#include "playback/PlayLog.h"
#include "resources/QvResources.h"
#include "base/AppContext.h"
#include "shell/MyGlobalShortCut.h"
#include "shell/Settings.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>

#include <clocale>
#include <memory>

namespace StartupSequence {

QString openStartupSchedules(Widget &mainWindow)
{
    if (AppContext::Play == 1) {
        if (AppContext::PlayType == 0) {
            mainWindow.slotOpenSettingsDoc(AppContext::SchemePath);
            return AppContext::SchemePath;
        }
        if (AppContext::PlayType == 1) {
            mainWindow.slotOpenSettingsDoc(AppContext::LastSchemePath);
            return AppContext::LastSchemePath;
        }
    }
    return QString();
}

namespace {
// Two names of one file (links and "." resolved), when it is there.
bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo first(a), second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}
} // namespace

void checkCloseType(Widget &mainWindow, const QString &openedAtStart)
{
    if (AppContext::CloseType == QLatin1String("normal")) {
        writeCloseType(QString());
        AppContext::CloseType.clear();
    } else if (sameFile(openedAtStart, AppContext::LastSchemePath)) {
        qCInfo(lcShell).noquote() << "the last schedule" << AppContext::LastSchemePath << "is open already";
    } else {
        mainWindow.slotOpenLastDoc(QString());
    }
}

int run(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts, true);
    QApplication app(argc, argv);
    // The video library reads numbers in the C locale only.
    std::setlocale(LC_NUMERIC, "C");
    initQvResources();

    AppContext::initAppDirPath();
    readSettings();
    AppContext::installTranslators();
    FontStandIns::install();
    AppContext::setApplicationFont();
    AppContext::enumerateScreens();

    InstanceGuard instanceGuard;
    if (!instanceGuard.acquire()) {
        if (!instanceGuard.heldElsewhere())
            qCWarning(lcShell).noquote() << "the single-instance guard cannot be taken:" << instanceGuard.errorString();
        return 0; // another instance runs: leave silently
    }

    ProcessControl::endProcessesNamed(ProcessControl::executableName(QStringLiteral("Dozadi")));
    QApplication::setWindowIcon(QIcon(QPixmap(QStringLiteral(":/images/app_icon.png"))));

    AppContext::displayWindowParent = new QLabel;
    AppContext::displayWindowParent->setFixedSize(0, 0);

    {
        // The main window deletes its display windows (their areas point into
        // the trees' records) before the hidden parent goes.
        Widget mainWindow;
        mainWindow.requestStartupWeather();
        const QString openedAtStart = openStartupSchedules(mainWindow);
        mainWindow.show();
        ProcessControl::startDetached(AppContext::appDirPath + QLatin1Char('/')
                                      + ProcessControl::executableName(QStringLiteral("QVDidUdodidServer")));
        checkCloseType(mainWindow, openedAtStart);
        // Declared after the main window, so it goes before the window does.
        const std::unique_ptr<MyGlobalShortCut> raiseHotKey(
            new MyGlobalShortCut(QStringLiteral("Ctrl+Q"), &mainWindow));
        QObject::connect(raiseHotKey.get(), &MyGlobalShortCut::activated, &mainWindow, &Widget::slotRaiseWindow);
        // A stop from the system (kill, a service manager, Ctrl+C) closes the
        // main window as its close button does: "CloseType" "normal", the log kept.
        StopSignals stopSignals;
        QObject::connect(&stopSignals, &StopSignals::stopRequested, &mainWindow, [&mainWindow](int number) {
            qCInfo(lcShell) << "stop requested by signal" << number;
            mainWindow.close();
            QCoreApplication::quit(); // also ends a dialog that has a loop of its own
        });
        app.exec();
    }
    delete AppContext::displayWindowParent;
    AppContext::displayWindowParent = nullptr;
    // The play log is written (or kept aside) while this process still holds
    // the guard: a new start never runs beside an instance that is finishing.
    PlayLog::shutdown();
    return 0;
}

} // namespace StartupSequence

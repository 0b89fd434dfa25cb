#include "shell/StartupSequence.h"

#include "base/AppContext.h"
#include "base/Log.h"
#include "base/Prompts.h"
#include "platform/Allocator.h"
#include "platform/Folders.h"
#include "platform/FontStandIns.h"
#include "platform/InstanceGuard.h"
#include "platform/ProcessControl.h"
#include "platform/StopSignals.h"
#include "playback/OpenGlWindows.h"
#include "playback/PlayLog.h"
#include "resources/QvResources.h"
#include "shell/MyGlobalShortCut.h"
#include "shell/Settings.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QTimer>

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

// Told once the event loop runs, so that a start-up play is not held up.
void tellWhenRunning(Widget &mainWindow, const QString &problem)
{
    QTimer::singleShot(0, &mainWindow, [&mainWindow, problem] {
        Prompts::current().information(&mainWindow, QCoreApplication::translate("StartupSequence", "info"), problem);
    });
}
} // namespace

QString checkCloseType(Widget &mainWindow, const QString &openedAtStart)
{
    QString problem;
    if (AppContext::CloseType == QLatin1String("normal")) {
        writeCloseType(QString(), &problem);
        AppContext::CloseType.clear();
    } else if (sameFile(openedAtStart, AppContext::LastSchemePath)) {
        qCInfo(lcShell).noquote() << "the last schedule" << AppContext::LastSchemePath << "is open already";
    } else {
        mainWindow.slotOpenLastDoc(QString());
    }
    return problem;
}

QString prepareSettingsFolder()
{
    QString reason;
    if (Folders::makeWritable(AppContext::appDirPath, &reason))
        return QString();
    qCWarning(lcShell).noquote() << "the settings folder" << AppContext::appDirPath << "cannot be used:" << reason;
    return QCoreApplication::translate(
               "StartupSequence",
               "The settings folder %1 cannot be used: %2\nSettings, crash recovery and the pages of Office "
               "documents are not kept.")
        .arg(AppContext::appDirPath, reason);
}

int run(int argc, char *argv[], const QString &lockFolder)
{
    // Before any thread: freed memory stays reusable over months of play.
    Allocator::limitArenas(kAllocatorArenas);
    // No OpenGL context is made at start: the web engine's shared one comes
    // with the first web content (WebEngineCheck), a video's with its player.
    // Nor are windows made able to show OpenGL before content needs it: the
    // editor and a schedule of pictures and texts never load the driver.
    OpenGlWindows::makeRasterUntilNeeded();
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

    InstanceGuard instanceGuard(QStringLiteral("QVDIDUDODID"), lockFolder);
    if (!instanceGuard.acquire()) {
        if (instanceGuard.heldElsewhere())
            return 0; // another instance runs: leave silently
        // Without the guard two players could share screens and settings: none starts.
        qCWarning(lcShell).noquote() << "the single-instance guard cannot be taken:" << instanceGuard.errorString();
        Prompts::current().information(nullptr, QCoreApplication::translate("StartupSequence", "info"),
                                       QCoreApplication::translate("StartupSequence", "The program cannot start: %1")
                                           .arg(instanceGuard.errorString()));
        return 0;
    }
    const QString folderProblem = prepareSettingsFolder();

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
        // Looking through the system's processes shows nothing: it waits for the window.
        ProcessControl::endProcessesNamed(ProcessControl::executableName(QStringLiteral("Dozadi")));
        ProcessControl::startDetached(
            AppContext::programFilePath(ProcessControl::executableName(QStringLiteral("QVDidUdodidServer"))));
        const QString closeTypeProblem = checkCloseType(mainWindow, openedAtStart);
        // One message for one cause: an unusable folder also refuses the file in it.
        if (!folderProblem.isEmpty())
            tellWhenRunning(mainWindow, folderProblem);
        else if (!closeTypeProblem.isEmpty())
            tellWhenRunning(mainWindow, closeTypeProblem);
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

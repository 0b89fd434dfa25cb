#include "base/AppContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTranslator>

namespace AppContext {
QString programDirPath;
QString appDirPath;
QString currentSchedulePath;
int Language = 0;
int BackStageFlag = 0;
int Start = 0;
int Play = 0;
int PlayType = 0;
int HardDecode = 1;
QString SchemePath;
QString LastSchemePath;
QString CloseType;
QFont appFont;
QList<ScreenRect> screenList;
int screenWidth = 0;
int screenHeight = 0;
int availableHeight = 0;
QLabel *displayWindowParent = nullptr;
QTranslator *appTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

namespace {
// A screen number that names no screen gives a null geometry, as the old
// desktop widget did.
QScreen *screenNumbered(int number)
{
    return QGuiApplication::screens().value(number, nullptr);
}

QString withForwardSlashes(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

void uninstallTranslators()
{
    for (QTranslator *translator : {appTranslator, qtTranslator})
        if (translator)
            QCoreApplication::removeTranslator(translator);
}
} // namespace

void initAppDirPath()
{
    programDirPath = withForwardSlashes(QCoreApplication::applicationDirPath());
    appDirPath = settingsFolderFor(programDirPath);
}

QString settingsFolderFor(const QString &programDir)
{
    if (!qEnvironmentVariableIsEmpty("QVDIDUDODID_HOME"))
        return withForwardSlashes(qEnvironmentVariable("QVDIDUDODID_HOME"));
    if (QFileInfo(programDir).isWritable())
        return withForwardSlashes(programDir);
    return userSettingsFolder();
}

QString userSettingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isRelativePath(base)) // unset, empty or relative: the XDG default
        base = QDir::homePath() + QStringLiteral("/.config");
    return withForwardSlashes(base + QStringLiteral("/QVDidUdodid"));
}

QString settingsFilePath()
{
    return appDirPath + QStringLiteral("/setting.ini");
}

QString programFilePath(const QString &name)
{
    return programDirPath + QLatin1Char('/') + name;
}

void installTranslators()
{
    if (!appTranslator)
        appTranslator = new QTranslator;
    if (!qtTranslator)
        qtTranslator = new QTranslator;
    uninstallTranslators();
    loadCatalogues();
    // Both stay installed, empty or not, so a later choice takes effect at once.
    QCoreApplication::installTranslator(appTranslator);
    QCoreApplication::installTranslator(qtTranslator);
}

void loadCatalogues()
{
    if (!appTranslator || !qtTranslator)
        return;
    QString appCatalogue;
    QString qtCatalogue;
    if (Language == 0) {
        appCatalogue = QStringLiteral(":/images/deskTop_eng_ch.qm");
        qtCatalogue = QStringLiteral(":/images/qt_zh_CN.qm");
    } else if (Language == 1) {
        appCatalogue = QStringLiteral(":/images/deskTop_eng_en.qm");
    }
    // Loading first empties a translator, so a name that does not load (or
    // none) leaves it empty: the interface then shows the source texts.
    qtTranslator->load(qtCatalogue);
    appTranslator->load(appCatalogue);
}

void setApplicationFont()
{
    QFont font(QStringLiteral("微软雅黑"));
    font.setPixelSize(14);
    appFont = font;
    QApplication::setFont(appFont);
}

void enumerateScreens()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    const int count = screens.size();
    const int primary = qMax(0, screens.indexOf(QGuiApplication::primaryScreen()));

    const QScreen *defaultScreen = screenNumbered(0);
    availableHeight = defaultScreen ? defaultScreen->availableGeometry().height() : 0;

    screenList.clear();
    for (int k = 0; k < count; ++k) {
        const QScreen *screen = screenNumbered(primary + k);
        screenList.append(ScreenRect{primary + k, screen ? screen->geometry() : QRect()});
    }
    const QRect first = screenList.isEmpty() ? QRect() : screenList.constFirst().geometry;
    screenWidth = first.width();
    screenHeight = first.height();
}

void reset()
{
    uninstallTranslators();
    delete appTranslator;
    appTranslator = nullptr;
    delete qtTranslator;
    qtTranslator = nullptr;
    delete displayWindowParent;
    displayWindowParent = nullptr;

    programDirPath.clear();
    appDirPath.clear();
    currentSchedulePath.clear();
    Language = 0;
    BackStageFlag = 0;
    Start = 0;
    Play = 0;
    PlayType = 0;
    HardDecode = 1;
    SchemePath.clear();
    LastSchemePath.clear();
    CloseType.clear();
    appFont = QFont();
    screenList.clear();
    screenWidth = 0;
    screenHeight = 0;
    availableHeight = 0;
}
} // namespace AppContext

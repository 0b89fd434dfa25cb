#include "base/AppContext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTranslator>

namespace AppContext {
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

void uninstallTranslators()
{
    for (QTranslator *translator : {appTranslator, qtTranslator})
        if (translator)
            QCoreApplication::removeTranslator(translator);
}
} // namespace

void initAppDirPath()
{
    QString path = qEnvironmentVariableIsEmpty("QVDIDUDODID_HOME")
                       ? QCoreApplication::applicationDirPath()
                       : qEnvironmentVariable("QVDIDUDODID_HOME");
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    appDirPath = path;
}

QString settingsFilePath()
{
    return appDirPath + QStringLiteral("/setting.ini");
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

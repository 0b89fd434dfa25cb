#pragma once

// Values that the whole process shares. Start-up fills them once; everything
// later only reads them (a few dialogs change the settings values and write
// them back). reset() exists for tests.

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QLabel;
class QTranslator;

// One screen of the desktop: the number used to ask for its geometry, and
// that geometry in desktop coordinates.
struct ScreenRect
{
    int screenNumber = 0;
    QRect geometry;
};

namespace AppContext {
// Where the program's files are, both with "/" separators.
//
// What ships with the program is read from programDirPath, the program
// file's own folder: the city list "city.txt" and the companion program.
// (The translation catalogues are built into the program.)
//
// What the operator owns lives in appDirPath, the settings folder:
// "setting.ini" with the crash recovery ("CloseType", "LastSchemePath"),
// "tmp/" with the page files of Office documents, and "tmp.qvsc". It is
//   1. $QVDIDUDODID_HOME when that is set;
//   2. else the program's own folder, when this user may write into it;
//   3. else a folder of this user's: $XDG_CONFIG_HOME/QVDidUdodid
//      (~/.config/QVDidUdodid), made at start-up.
// So several users of one installation each keep their own settings and
// recovery, unless they share a program folder that all of them may write.
//
// The play log "log.db" is not here: it is written in the working folder.
extern QString programDirPath;
extern QString appDirPath;
extern QString currentSchedulePath;

// Settings values, named after their keys in "setting.ini".
extern int Language;
extern int BackStageFlag;
extern int Start;
extern int Play;
extern int PlayType;
extern int HardDecode;
extern QString SchemePath;
extern QString LastSchemePath;
extern QString CloseType;

extern QFont appFont;
extern QList<ScreenRect> screenList;
extern int screenWidth;
extern int screenHeight;
extern int availableHeight;

// Hidden, never shown parent of every display window. Owned here: reset()
// deletes it, and with it every display window.
extern QLabel *displayWindowParent;

// Null until installTranslators(), which creates both (they are owned here).
extern QTranslator *appTranslator;
extern QTranslator *qtTranslator;

// Sets programDirPath and appDirPath by the rule above; backslashes become
// "/" and a trailing "/" is dropped (except for "/"). It only decides: the
// start-up makes the settings folder.
void initAppDirPath();
// The settings folder the rule gives for a program folder.
QString settingsFolderFor(const QString &programDir);
// The folder of this user's own: $XDG_CONFIG_HOME/QVDidUdodid, or
// ~/.config/QVDidUdodid when the variable is unset or not an absolute path.
QString userSettingsFolder();
// appDirPath + "/setting.ini".
QString settingsFilePath();
// A file that ships with the program: programDirPath + "/" + name.
QString programFilePath(const QString &name);
// Makes and installs both translators, whatever Language holds, and loads
// the catalogues it selects (loadCatalogues). Translators installed by an
// earlier call are removed first.
void installTranslators();
// Loads the catalogues that Language selects into the two translators:
// 0 the program's Chinese and Qt's own Chinese, 1 the program's English and
// no Qt catalogue (Qt's own English shows); any other value empties both. A
// catalogue that does not load leaves its translator empty. Does nothing
// before installTranslators().
void loadCatalogues();
// Family "微软雅黑", 14 pixels; becomes the application font.
void setApplicationFont();
// Fills screenList (primary screen number p, entries p .. p+n-1; numbers are
// indexes into QGuiApplication::screens()), screenWidth and screenHeight of
// the first entry, and availableHeight of the default screen.
void enumerateScreens();
// Every value back to its initial one; removes and deletes the translators
// and deletes displayWindowParent.
void reset();
} // namespace AppContext

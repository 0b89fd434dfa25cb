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
struct ScreenRect {
    int screenNumber = 0;
    QRect geometry;
};

namespace AppContext {
// Program directory with "/" separators; $QVDIDUDODID_HOME overrides it.
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

// appDirPath := $QVDIDUDODID_HOME when set, else the program's directory;
// backslashes become "/" and a trailing "/" is dropped (except for "/").
void initAppDirPath();
// appDirPath + "/setting.ini".
QString settingsFilePath();
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

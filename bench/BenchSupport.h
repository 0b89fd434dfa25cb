#pragma once

// What the player's benchmarks share: a headless platform when no display
// is there, the resident memory of the process, and a display window whose
// one program has areas of three short texts each, playing in a loop.

#include "BenchMeasure.h"
#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/MediaProperties.h"
#include "playback/PlayLog.h"
#include "shell/Widget.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace BenchSupport {

// Before the application object: offscreen unless a display or a platform is asked for.
inline void preferOffscreen()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// A temporary application folder with the play log in it, a 1920 x 1080
// desktop and the hidden parent of the display windows, for as long as it lives.
class Environment
{
public:
    Environment()
    {
        AppContext::appDirPath = m_dir.path();
        PlayLog::setDatabasePath(logPath());
        AppContext::screenWidth = 1920;
        AppContext::screenHeight = 1080;
        AppContext::availableHeight = 1040;
        AppContext::displayWindowParent = new QLabel;
    }
    ~Environment()
    {
        delete AppContext::displayWindowParent;
        AppContext::displayWindowParent = nullptr;
    }
    Environment(const Environment &) = delete;
    Environment &operator=(const Environment &) = delete;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString logPath() const { return path(QStringLiteral("log.db")); }

private:
    QTemporaryDir m_dir;
};

using BenchMeasure::residentKilobytes;

// One program of the main window's first display window with `areas`
// windows of three one-second texts each.
inline void buildProgram(Widget &w, int areas)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString d = w.curDisplayName;
    tree->loadGeneralSegment("Bench", d, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
    tree->loadProgram("P", SegmentType::General, d, Qt::black, {}, 1, {}, 2, 1, QTime(0, 6, 0), 0);
    int id = 0;
    for (int a = 0; a < areas; ++a) {
        const QString window = QStringLiteral("Area%1").arg(a + 1);
        tree->loadCommonWindow(window, SegmentType::General, true, 2, Qt::yellow, (a % 4) * 80, (a / 4) * 60, 80, 60);
        for (int i = 0; i < 3; ++i) {
            TextProperty text;
            text.stayTime = 1;
            tree->loadTextObject(MediaKind::SimpleText, ++id, d, "Bench", "P", window, text);
        }
    }
}

} // namespace BenchSupport

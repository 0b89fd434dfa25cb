#pragma once

// A main window for a panel built alone: the test sets what is selected and
// how the media table stands, and reads which previews the panel asked for.

#include "panels/PanelHost.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class FakePanelHost : public PanelHost
{
public:
    QVLedMediaObject *media = nullptr;
    GeneralObject *generalSegment = nullptr;
    CycleObject *cycleSegment = nullptr;
    TimingObject *timingSegment = nullptr;
    ProgramObject *program = nullptr;
    CommonWinObject *commonWin = nullptr;
    QString displayName = QStringLiteral("Display window1");
    QSize displaySize{320, 240};
    bool displayPlays = false;
    int rows = 0;
    int currentRow = -1;
    QList<MediaFamily> previews; // every refresh asked for, in order
    QStringList videoEdits;      // "volume 40", "seek 5", "scale 1", "rotate 180"
    int coverRefreshes = 0;
    QList<QColor> backgroundColours;    // every colour put on the display window
    QStringList backgroundPictures;     // every picture put on the display window
    QList<CommonWinObject *> windowRefreshes; // every window area refreshed, in order
    QWidget window;

    QVLedMediaObject *curMedia() const override { return media; }
    GeneralObject *curGeneralSegment() const override { return generalSegment; }
    CycleObject *curCycleSegment() const override { return cycleSegment; }
    TimingObject *curTimingSegment() const override { return timingSegment; }
    ProgramObject *curProgram() const override { return program; }
    CommonWinObject *curCommonWin() const override { return commonWin; }
    QString curDisplayName() const override { return displayName; }
    QSize curDisplaySize() const override { return displaySize; }
    bool curDisplayPlays() const override { return displayPlays; }
    int mediaRowCount() const override { return rows; }
    int currentMediaRow() const override { return currentRow; }
    void refreshPreview(MediaFamily family) override { previews << family; }
    void editVideoPlayer(VideoEdit edit, int value) override
    {
        static const char *const words[] = {"volume", "seek", "scale", "rotate"};
        videoEdits << QStringLiteral("%1 %2").arg(QLatin1String(words[int(edit)])).arg(value);
    }
    void refreshVideoCover() override { ++coverRefreshes; }
    QWidget *dialogParent() const override { return const_cast<QWidget *>(&window); }
    void setDisplayBackgroundColour(const QColor &colour) override { backgroundColours << colour; }
    void setDisplayBackgroundPicture(const QString &path) override { backgroundPictures << path; }
    void refreshWindowArea(CommonWinObject *w, bool) override { windowRefreshes << w; }
};

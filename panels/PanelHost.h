#pragma once

// What a property panel may ask of the main window. Panels never include the
// shell: the main window answers these calls for them, and tests answer them
// with a small fake. Every record pointer here points into the schedule tree's
// records; a panel keeps none of them beyond the call that asked.

#include "model/MediaKinds.h"

#include <QColor>
#include <QSize>
#include <QString>

class CommonWinObject;
class CycleObject;
class GeneralObject;
class ProgramObject;
class QVLedMediaObject;
class QWidget;
class TimingObject;

class PanelHost
{
public:
    virtual ~PanelHost() = default;

    // ---- the records the schedule tree has selected (null when none) ----
    // The media item every media property slot writes to.
    virtual QVLedMediaObject *curMedia() const = 0;
    virtual GeneralObject *curGeneralSegment() const = 0;
    virtual CycleObject *curCycleSegment() const = 0;
    virtual TimingObject *curTimingSegment() const = 0;
    virtual ProgramObject *curProgram() const = 0;
    virtual CommonWinObject *curCommonWin() const = 0;

    // ---- the current display window ----
    virtual QString curDisplayName() const = 0;
    // Width and height of its record; an invalid size when there is none.
    virtual QSize curDisplaySize() const = 0;
    // True while it is in real play: live edits then leave its areas alone.
    virtual bool curDisplayPlays() const = 0;

    // ---- the window panel's media table ----
    virtual int mediaRowCount() const = 0;
    // The table's current row, -1 when none.
    virtual int currentMediaRow() const = 0;

    // Shows the current item again in the current display window, by the
    // preview of its family; nothing happens when no item is current or that
    // display window plays.
    virtual void refreshPreview(MediaFamily family) = 0;

    // ---- video items ----
    enum class VideoEdit { Volume, Seek, Scale, Rotate };
    // Hands a live edit to the video player of the current item's area in the
    // current display window: the first area of a window named as the current
    // window; for the volume all four owner names must match. Nothing happens
    // when there is none. Whether a playing display window is spared is the
    // caller's rule.
    virtual void editVideoPlayer(VideoEdit edit, int value) = 0;
    // Applies the current item's cover text again in the current display
    // window, unless that display window plays.
    virtual void refreshVideoCover() = 0;

    // The window that parents the panels' dialogs and message boxes.
    virtual QWidget *dialogParent() const = 0;

    // ---- the program's background on the current display window ----
    // Every display window named curDisplayName takes the colour and repaints.
    virtual void setDisplayBackgroundColour(const QColor &colour) = 0;
    // Every display window named curDisplayName shows the picture (none when
    // the path is empty or cannot be read) and repaints.
    virtual void setDisplayBackgroundPicture(const QString &path) = 0;

    // ---- the window panel ----
    // The current display window's area of the window takes the record's
    // border, position and size at once; with dropNameMarks the display window
    // stops drawing its name. A display window in real play is left alone.
    virtual void refreshWindowArea(CommonWinObject *window, bool dropNameMarks) = 0;
};

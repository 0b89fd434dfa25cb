#pragma once

// One display window on the desktop: a frameless top-level window at the
// geometry of its record, holding one area player per window record shown
// in it. In the editor it is moved and resized with the mouse; in real play
// it reports when every area of a program has played its list. It knows
// nothing of the main window: what the main window must hear goes out as a signal.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPoint>
#include <QRect>

#include "base/PictureCache.h"
#include "playback/AreaIndex.h"
#include "playback/AreaVisibility.h"

class CommonPlayWindow;
class PictureRequest;
class CommonWinObject;
class QVLedMediaObject;
class RecordSet;

class MainPlayBKLabel : public QLabel
{
    Q_OBJECT

public:
    MainPlayBKLabel(const QString &name, QWidget *parent);

    QString name;
    bool showNameMarks = true;
    QColor backgroundColour{0, 0, 0};
    QString backgroundImagePath;
    QList<CommonPlayWindow *> playWindows; // lowest layer first
    bool playing = false;
    bool locked = false;
    // mouse editing
    bool pressed = false;
    bool moving = false;
    QPoint pressPoint;
    QPoint pressGlobalPoint;
    int edgeMargin = 10;
    int resizeRegion = 0; // 0 none, 1 top, 2 top-right, 3 right ... 8 top-left
    QRect geometryAtPress;
    QImage backgroundImage;
    CommonPlayWindow *currentPlayWindow = nullptr;
    float horizontalScale = 1.0f;
    float verticalScale = 1.0f;
    int widthAtPress = -1;
    int heightAtPress = -1;

    // The picture painted over the display window, decoded in the background
    // to the window's size; it shows when it is there (nothing shows for one
    // that cannot be read).
    void setBackgroundImage(const QString &path);
    // Shows the area of the record, making its area player when none exists.
    void addCommonWin(bool exclusive, CommonWinObject *window, const QString &segmentType);
    // The first area player of the record takes the record's border, position and size.
    void updateWindowGeometry(CommonWinObject *window);
    void setWindowSelected(CommonWinObject *window, bool selected);
    void hideAllWindows();
    void hideWindowsNamed(const CommonWinObject *window);
    // Ends the editor's previews: every area stops its timers and content players and goes black and empty.
    void stopAllWindows();

    // The editor's previews: every area the item belongs to shows it.
    void previewAnalogClock(QVLedMediaObject *item);
    void previewDigitalClock(QVLedMediaObject *item);
    void previewDigitalTimer(QVLedMediaObject *item);
    void previewImage(QVLedMediaObject *item);
    void previewSimpleText(QVLedMediaObject *item);
    void previewStreaming(QVLedMediaObject *item);
    void previewUrl(QVLedMediaObject *item);
    void previewVideo(QVLedMediaObject *item);
    void previewVideoDevice(QVLedMediaObject *item);
    void previewWeather(QVLedMediaObject *item);
    void previewVideoCover(QVLedMediaObject *item);
    // Leaves real play, when it plays.
    void resetAllWindows();
    // Called by an area that has played its whole list.
    void windowPlayFinished(CommonWinObject *window);
    // Called by an area at the end of a drag or resize that changed its record.
    void reportAreaGeometry(CommonWinObject *window);
    // Takes the area player out of the list and deletes it.
    void removePlayWindow(CommonPlayWindow *playWindow);
    // Before records are freed: the areas of windows that go are deleted, and
    // an area that shows or lists an item that goes lets go of it.
    void forgetRecords(const RecordSet &doomed);
    // The area of `moved` goes directly above (or under) the area of `passed`,
    // in the stacking and in playWindows; nothing when either has no area.
    void stackWindowNextTo(const CommonWinObject &moved, const CommonWinObject &passed, bool above);

    // Reports of an area's video player: the file of `item` is `seconds`
    // long / has reached `seconds`. Passed on only while not in real play.
    void slotSetVideoRange(QVLedMediaObject *item, float seconds);
    void slotSetVideoProgress(QVLedMediaObject *item, float seconds);
    // An area could not make the player to preview `item` (its module is
    // missing, libmpv cannot start): the editor is told, for the operator.
    void previewFailed(QVLedMediaObject *item, const QString &why);

    // While a schedule is being built its areas are shown and hidden many
    // times before anything is painted: between these calls only the last
    // wish for each area counts, applied once at the end. Calls nest.
    void beginAreaBatch();
    void endAreaBatch();

    // Region of a point in the border band of a widget of the size (0 when inside).
    static int regionAt(const QPoint &point, const QSize &size, int margin);
    // The cursor shown over a region of the border band.
    static Qt::CursorShape regionCursor(int region);

signals:
    // Every area of the window's program has played its list once.
    void sigCurProgramRealPlayEnd(QString displayName, CommonWinObject *window);
    // The display window was moved or resized with the mouse.
    void sigDisplayWindowGeometryChanged(QString displayName, QRect geometry);
    // An area's record took a new position or size from the mouse.
    void sigCommonWinGeometryChanged(CommonWinObject *window);
    // Outside real play: a video player's length and position reports, with the item whose file it has open.
    void sigVideoRangeReported(QVLedMediaObject *item, float seconds);
    void sigVideoProgressReported(QVLedMediaObject *item, float seconds);
    // The editor's preview of `item` could not be shown, for the reason given.
    void sigPreviewFailed(QVLedMediaObject *item, QString why);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void askForBackground();
    void backgroundSettled(const PictureCache::Result &result);

    // Calls `play` with the item on every area it belongs to.
    void forEachAreaOf(QVLedMediaObject *item, void (CommonPlayWindow::*play)(QVLedMediaObject *));

    AreaIndex m_areaIndex;
    AreaVisibility m_areaVisibility;
    PictureRequest *m_backgroundRequest = nullptr;
};

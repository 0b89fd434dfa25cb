#pragma once

// One area of a display window: the rectangle of a window record. In real
// play it shows the window's media items one after another, each through the
// content player of its family (made on first use), for its stay time or until
// the player reports its end; it logs every item it finished and tells its
// display window when the list has run out. In the editor it shows previews
// and is dragged and resized with the mouse.

#include <QColor>
#include <QDateTime>
#include <QLabel>
#include <QList>
#include <QPointer>
#include <QPoint>
#include <QRect>
#include <QTimer>

#include "playback/content/AreaContent.h"
#include "playback/content/WeatherForecast.h"

class CommonWinObject;
class ContentPlayer;
class MainPlayBKLabel;
class PlayLabel;
class VideoContentPlayer;
class QVLedMediaObject;
class RecordSet;
class writeLogThread;

class CommonPlayWindow : public QLabel
{
    Q_OBJECT

public:
    CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner);

    CommonWinObject *winObject = nullptr; // not owned
    MainPlayBKLabel *owner = nullptr;
    QString segmentType;
    QColor borderColour;
    int borderWidth = 0;
    bool selected = false;
    bool borderEnabled = false;

    // ---- real play ------------------------------------------------------
    QList<QVLedMediaObject *> mediaList; // not owned: the tree owns the items
    int index = 0;
    bool finished = false;
    bool paused = false;
    QString currentKind;
    QVLedMediaObject *currentItem = nullptr;
    QString logName;
    // Kind of the item the editor previews here; empty when none.
    QString previewKind;

    ~CommonPlayWindow() override;

    // Shows the area and plays the item at the index, from its start.
    void startRealPlay();
    // Holds the current item where it is; an area with no current item is
    // left as it is, so it never counts as paused.
    void pauseRealPlay();
    // Goes on with the held item for the time it had left; nothing unless paused.
    void resumeRealPlay();
    void clearPlayList();
    void playCurrentElement();
    void playNextElement();
    // How long the item stays, in milliseconds (never less than a second).
    static int stayMs(const QVLedMediaObject &item);
    // The name the play log gives the item.
    static QString logNameOf(const QVLedMediaObject &item);
    // Time the current item has been shown, pauses left out.
    qint64 elapsedMs() const;
    // When the current item began to show; it names one showing of the item.
    QDateTime currentItemStart() const { return m_itemStart; }
    QTimer *stayTimer() { return &m_stayTimer; }
    // The content players made so far, one per family that has come up.
    const AreaContent &content() const { return m_content; }

    // Shows an item in the editor through its family's player: nothing is
    // timed or logged, and the list does not move.
    void previewItem(QVLedMediaObject *item);
    // Before records are freed: when the area shows or lists an item that
    // goes, it stops and empties its list.
    void forgetItems(const RecordSet &doomed);

    // ---- mouse editing --------------------------------------------------
    bool pressed = false;
    bool moving = false;
    QPoint pressPoint;
    QPoint pressGlobalPoint;
    int edgeMargin = 10;
    int resizeRegion = 0;
    QRect geometryAtPress;

    // Places the content inside the border.
    void relayoutChildren();

    // The area's video cover window: a top-level window over the area, in
    // desktop coordinates, made by the video content; null until then. The
    // area does not own it.
    QWidget *coverWindow() const { return m_coverWindow; }
    void setCoverWindow(QWidget *cover) { m_coverWindow = cover; }
    // Shows the cover window again when the video shown has its cover on
    // (after the display window was hidden).
    void showVideoCover();

public slots:
    // Stops the stay timer and every content player (stopAndHideAll).
    void slotStopAllTimer();
    // The one place that stops and hides every content player of the area.
    void stopAndHideAll();

    // The editor's previews of each kind (MainPlayBKLabel's preview forwarders).
    void slotPlayAnalogClock(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayDigitalClock(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayDigitalTimer(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayImage(QVLedMediaObject *item);
    void slotPlaySimpleText(QVLedMediaObject *item);
    void slotPlayStreaming(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayURL(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayVideo(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayVideoDevice(QVLedMediaObject *item) { previewItem(item); }
    void slotPlayWeather(QVLedMediaObject *item) { previewItem(item); }

    // Pictures, Office pages and texts time their own pages: the stay of the
    // current page is over, or a one-pass rolling text completed its pass.
    void slotPlayImageTimeout();
    void slotPlayTextTimeout();
    void textPlayFinished();

    // ---- video (CommonPlayWindowVideo.cpp) ----------------------------------
    // Applies the item's cover settings again (live edit and preview).
    void slotSetVideoCoverLabel(QVLedMediaObject *item);
    // The video time is over: the item ends, or its preview closes.
    void slotPlayVideoTimeout();
    // Hides and closes the video and its cover.
    void slotPlayVideoEnd();
    // A length or position report of the video player's open file.
    void slotSetVideoRange(float seconds);
    void slotSetVideoProgress(float seconds);

    // Stay times over, one slot per kind of live content: the kind's content
    // is stopped and hidden and the next item plays (the area's stay timer
    // does the same for whatever item shows).
    void slotPlayDigitalClockTimeout() { endStayOf(MediaFamily::DigitalClock); }
    void slotPlayAnalogClockTimeout() { endStayOf(MediaFamily::AnalogClock); }
    void slotdigitalTimerStayTimeout() { endStayOf(MediaFamily::DigitalTimer); }
    void slotURLTimerStayTimeout() { endStayOf(MediaFamily::Url); }
    void slotStreamingStayTimeout() { endStayOf(MediaFamily::Streaming); }
    void slotCameraStayTimeout() { endStayOf(MediaFamily::VideoDevice); }
    void slotWeatherStayTimeout() { endStayOf(MediaFamily::Weather); }

public:
    // The video player, made on the area's first video item; null before.
    PlayLabel *videoPlayer() const;
    // Closes and hides the video player, when the area has one.
    void closeVideo();
    // Closes the video player, a length probe too, when its file is an item about to be freed.
    void forgetVideoItems(const RecordSet &doomed);
    // The last forecast written to this area; its weather window shows it,
    // now or when it is made.
    void setWeatherForecast(const WeatherForecast &forecast);
    const WeatherForecast *weatherForecast() const { return m_hasForecast ? &m_forecast : nullptr; }
    // The stream playing in this area takes the volume; an area without one is left alone.
    void setStreamVolume(int volume);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void onStayTimeout();
    void endStayOf(MediaFamily family);
    // Gives a weather player just made the area's forecast.
    void handForecastTo(ContentPlayer *player);
    // The family's player, made and wired on first use; null when it cannot start.
    // The area's player of the family, made on first use; null when it cannot
    // be made, which is logged, with the reason in *why.
    ContentPlayer *playerFor(MediaFamily family, const QVLedMediaObject &item, QString *why = nullptr);
    void onItemFinished(quint64 ticket, bool succeeded);
    // The video player, or null while the area has none.
    VideoContentPlayer *videoContent() const;
    // Hands the video player's reports to the display window.
    void connectVideo(VideoContentPlayer *video);
    // How long the area's stay timer holds the current item; -1 while its player times it.
    int currentStayMs() const;

    AreaContent m_content;
    QVLedMediaObject *m_previewItem = nullptr; // the editor's preview shown now
    ContentPlayer *m_currentPlayer = nullptr; // in m_content; null when nothing shows the item
    quint64 m_ticket = 0;                     // names the current showing; reports of others are late
    bool m_endReported = false;               // the current item's player said it is over
    bool m_itemSucceeded = true;              // result of the current item for the log
    QTimer m_stayTimer;
    QDateTime m_itemStart;    // when the current item began
    QDateTime m_runningSince; // start of the current run (item start or last resume)
    qint64 m_elapsedBeforePause = 0;
    writeLogThread *m_logWriter = nullptr;
    WeatherForecast m_forecast;
    bool m_hasForecast = false;
    QPointer<QWidget> m_coverWindow;
    bool m_sizedByRecord = false; // its first show gave it its record's size
};

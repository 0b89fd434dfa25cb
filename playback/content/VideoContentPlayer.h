#pragma once

// The player of "video" items in one area: a PlayLabel filling the area's
// content rectangle. It times its items itself: the range, the stored
// length, or (for a video never previewed) the length the file reports; a
// file that ends first, or cannot be played, ends the item at once. In the
// editor it shows the selected item and, for a schedule just loaded, opens a
// file hidden and muted only to learn its length.
//
// Reports of length and position name the item whose file the label has
// open; what arrives after the item was stopped is dropped.

#include "playback/content/ContentPlayer.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include "playback/content/VideoCover.h"
#include "playback/video/PlayLabel.h"

class VideoContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    // Makes the label in the area; throws std::runtime_error when libmpv
    // cannot be set up.
    explicit VideoContentPlayer(QWidget *area);
    ~VideoContentPlayer() override;

    QWidget *view() const override;
    bool timesItself() const override { return true; }
    void pause() override;
    void resume() override;
    void placeIn(const QRect &contentRect) override;

    // The label the panel's live edits call; never null while the player lives.
    PlayLabel *playLabel() const { return m_label; }
    // The item whose file is open, or null.
    QVLedMediaObject *shownItem() const { return m_item; }
    // The cover text window over the video; never null while the player lives.
    QWidget *coverWindow() const;
    // Applies the item's cover settings again, when it is the item shown.
    void changeCover(QVLedMediaObject *item);
    // Shows the cover of the video shown, if it has one (its display window shown again).
    void showCoverIfWanted();

    // Stops whatever the player shows; its item is about to go.
    void closeForGood();
    // Hides and closes what the editor shows.
    void endPreview();
    // The video time is over: the item ends (real play) or its preview closes.
    void timeUp();
    // A length or position report of the open file.
    void lengthReported(float seconds);
    void positionReported(float seconds);

signals:
    // The file of `item` is `seconds` long / has reached `seconds`.
    void sigLengthReported(QVLedMediaObject *item, float seconds);
    void sigPositionReported(QVLedMediaObject *item, float seconds);

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;

private:
    void startTimer(qint64 ms);
    qint64 runMs() const;
    void fileFailed();
    void fileEnded();
    void closeFile();

    QPointer<PlayLabel> m_label;
    VideoCover m_cover;
    QVLedMediaObject *m_item = nullptr; // not owned; null when nothing is open
    Purpose m_purpose = Purpose::Preview;
    bool m_waitingForLength = false; // timed by the file's length report
    double m_storedLengthSeconds = 0; // the item's length when it started, 0 when unknown
    QTimer m_videoTimer;
    qint64 m_timerMs = 0;      // what the timer holds in all
    qint64 m_elapsedMs = 0;    // run before the last pause
    QElapsedTimer m_running;   // the current run of the timer, invalid while it stands
};

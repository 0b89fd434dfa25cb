#pragma once

// The cover text of one area's video items. It lies in a window of its own
// (videoCoverLabel) exactly over the video, in desktop coordinates, so it
// follows the area and its display window when they move. It shows while a
// video with its cover on plays, and hides with the video, on pause and
// while the display window is hidden. On a desktop that cannot show
// translucent windows it is cut to the shape of its text.

#include <QObject>
#include <QPointer>

#include "playback/videoCoverLabel.h"

class QWidget;
class VideoProperty;

class VideoCover : public QObject
{
    Q_OBJECT

public:
    // `video` is the widget the cover lies over, a child of `area`.
    VideoCover(QWidget *area, QWidget *video);
    ~VideoCover() override;

    videoCoverLabel *label() const { return m_label; }
    // Whether the item now shown wants its cover.
    bool wanted() const { return m_wanted; }

    // A video starts: its cover settings are copied in and, when on, the
    // cover shows over the video, rolling from its starting edge.
    void start(const VideoProperty &video);
    // The settings of the video now shown changed (a live edit): applied as
    // they are, a rolling strip made again from its starting edge; a paused
    // cover stays hidden.
    void change(const VideoProperty &video);
    // The video ended or stopped: the cover goes with it.
    void end();
    // Held with the video, and back with it.
    void pause();
    void resume();
    // Over the video again, after it or its area moved or changed size.
    void place();
    // Shows the cover when it is wanted and the display window is shown.
    void showIfWanted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool displayWindowShown() const;

    QWidget *m_area;
    QWidget *m_video;
    QPointer<videoCoverLabel> m_label;
    bool m_wanted = false;
    bool m_paused = false;
};

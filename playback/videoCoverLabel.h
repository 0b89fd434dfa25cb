#pragma once

// The cover text a video item lays over its running video: a frameless,
// translucent window of its own that stays on top of the area. Standing, it
// draws the whole text wrapped from its top left; rolling, it moves a strip
// rendered once across itself at the pace of its speed, and wraps round.
// The area player fills it from the video item and places it on screen.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include "playback/ScrollPace.h"

class QTimer;
class VideoProperty;

class videoCoverLabel : public QLabel
{
    Q_OBJECT

public:
    explicit videoCoverLabel(QWidget *parent);

    QColor textColour;
    int fontSize = 8;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    QString text;
    QString fontFamily;
    int colourful = 0;
    QPixmap stripPixmap; // the rendered cover strip; empty until the first one
    QFont font;
    int rollingDirection = 0; // 0 enters at the right and moves left, 1 the other way, else stands at the left
    int rollingSpeed = 5;     // 1..10; any other speed stands
    int y = 0;                // where the strip lies from the top (the item's coverY)
    int textWidth = 0;
    QLabel *stripLabel = nullptr;
    QTimer *rollTimer = nullptr; // one tick per screen frame while the strip rolls
    int x = 0;                   // the strip's left edge
    bool rolling = false;

    // Copies the cover fields of a video item (text, font, colours, rolling).
    void setCover(const VideoProperty &video);
    // Renders the strip, places it at its start and starts rolling it at the
    // pace of the speed; a speed that stands starts nothing.
    void renderCoverStrip();
    // The roll timer stopped and the strip hidden (the cover switched to standing).
    void stopRolling();
    // Holds the strip where it is, and goes on from there.
    void pauseRolling();
    void resumeRolling();
    // Moves the strip as far as `ms` milliseconds of its speed carry it.
    void rollFor(qint64 ms);
    // How fast the strip rolls, in pixels per second; 0 while it stands.
    qreal pixelsPerSecond() const { return m_pace.speed(); }

    // Cut the window to the shape of its text (standing) or of its strip
    // where it lies (rolling), for desktops that show a translucent window's
    // background black. Off: the whole window shows, transparent around the text.
    void setShapedByText(bool shaped);
    bool shapedByText() const { return m_shaped; }

public slots:
    // One screen frame of rolling.
    void slotTimeout();
    // Direction 0: the strip starts at the right edge; 1: left of the left edge.
    void setstartPox();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void applyFont();
    QPen makePen() const;
    void drawStandingText(QPainter &painter);
    void updateShape();
    QRegion standingShape();

    ScrollPace m_pace;
    bool m_shaped = false;
    QRegion m_stripShape; // the opaque part of the strip, at the strip's own origin
};

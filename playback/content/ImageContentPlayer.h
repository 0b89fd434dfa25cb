#pragma once

// Plays "image" and "office" items in an area: one picture, or the pages of
// an Office document one after another, each for the item's stay time, with
// the item's entrance and exit effects, transparency, rotation, scale mode,
// background and background music. Times itself: it reports the item over
// when its last page has stayed (and left, with an exit effect).
//
// The picture label, the effects' covers and the music player are made the
// first time they are needed. Resizing the area rescales the picture shown
// from the picture kept in memory; no file is read again.

#include "playback/content/ContentPlayer.h"

#include "model/MediaProperties.h"

#include <QDateTime>
#include <QPixmap>
#include <QTimer>

class AreaEffects;
class QGraphicsOpacityEffect;
class QMediaPlayer;
class QMediaPlaylist;
class PictureLabel;

class ImageContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    explicit ImageContentPlayer(QWidget *area);
    ~ImageContentPlayer() override;

    QWidget *view() const override;
    bool timesItself() const override { return true; }
    void pause() override;
    void resume() override;
    void placeIn(const QRect &contentRect) override;

    // The stay of the current page is over: it leaves, the next page comes,
    // or the item ends (the area's slotPlayImageTimeout).
    void pageTimeout();

    // ---- what it shows, for the area and for tests ----
    // Index of the page shown (0 for a picture).
    int pageIndex() const { return m_pageIndex; }
    int pageCount() const;
    QTimer *pageTimer() { return &m_pageTimer; }
    AreaEffects *effects();
    // The picture as set on the label (scaled and turned); null when none shows.
    QPixmap shownPicture() const;
    // The label's opacity, 0..1.
    qreal opacity() const;
    bool musicPlaying() const;

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;

private:
    PictureLabel *label();
    // The picture of the page at the index: the item's picture, or an Office page.
    QPixmap sourceOf(int index) const;
    // Sets the current page's picture on the label, scaled and turned for its size.
    void showPicture();
    void startMusic();
    void stopMusic();
    void enter();
    void startStay();
    void onEntranceFinished();
    void onExitFinished();
    // The next Office page, or the end of the item; a page after an exit always enters with an effect.
    void nextPage(bool afterExit);
    int border() const;
    int restingOffset() const { return border() / 2; }

    QWidget *m_area;
    PictureLabel *m_label = nullptr;
    QGraphicsOpacityEffect *m_opacity = nullptr;
    AreaEffects *m_effects = nullptr;
    QMediaPlayer *m_music = nullptr;
    QMediaPlaylist *m_playlist = nullptr;
    QRect m_contentRect;

    // The item as it was shown: the record may change or go meanwhile.
    ImageProperty m_image;
    bool m_office = false;
    bool m_realPlay = false;
    bool m_showing = false;
    int m_pageIndex = 0;
    QPixmap m_source; // the current page's picture as decoded

    // The stay of the current page: a pause holds it, a resume runs the rest.
    QTimer m_pageTimer;
    QDateTime m_pageRunningSince;
    qint64 m_pageElapsedMs = 0;
    bool m_paused = false;
    bool m_stayWasRunning = false;
};

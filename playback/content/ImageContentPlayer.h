#pragma once

// Plays "image" and "office" items in an area: one picture, or the pages of
// an Office document one after another, each for the item's stay time, with
// the item's entrance and exit effects, transparency, rotation, scale mode,
// background and background music. It reports the item over when its last
// page has stayed (and left, with an exit effect).
//
// The picture label, the effects' covers and the music player are made the
// first time they are needed. A picture comes from the picture cache,
// decoded in the background to the size the area shows: until it is there
// the item waits (its background shows), and its stay begins when it shows.
// A picture that cannot be read ends the item as failed. Resizing the area
// rescales the picture shown, and asks the cache for more pixels if it
// needs them.
//
// Office pages come from an OfficePageFeed, drawn at the label's size as
// they are needed: a page shows once it is drawn, and a document still
// being prepared shows its first page once it is ready. An Office item that
// showed no page at all ends as failed.

#include "playback/content/PagedContentPlayer.h"

#include "base/PictureCache.h"
#include "model/MediaProperties.h"

#include <QPixmap>

class OfficePageFeed;
class QGraphicsOpacityEffect;
class MusicPlayer;
class PictureLabel;
class PictureRequest;

class ImageContentPlayer : public PagedContentPlayer
{
    Q_OBJECT

public:
    explicit ImageContentPlayer(QWidget *area);
    ~ImageContentPlayer() override;

    QWidget *view() const override;
    void placeIn(const QRect &contentRect) override;
    // The area's slotPlayImageTimeout.
    void pageTimeout() override;

    // ---- what it shows, for the area and for tests ----
    // Index of the page shown (0 for a picture).
    int pageIndex() const { return m_pageIndex; }
    int pageCount() const;
    // The picture as set on the label (scaled and turned); null when none shows.
    QPixmap shownPicture() const;
    // The label's opacity, 0..1.
    qreal opacity() const;
    bool musicPlaying() const;

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;
    void entranceFinished() override;
    void exitFinished() override;
    void pauseContent() override;
    void resumeContent() override;

private:
    PictureLabel *label();
    // The picture of the page at the index: the item's picture, or an Office page.
    QPixmap sourceOf(int index) const;
    // Sets the current page's picture on the label, scaled and turned for its size.
    void showPicture();
    void startMusic();
    void stopMusic();
    // The page comes in with its entrance, or stays at once.
    void startPage();
    void enter();
    void stay();

    // ---- the item's picture and background picture, from the picture cache ----
    PictureRequest *pictureRequest();
    PictureRequest *backgroundRequest();
    // Asks for the item's picture for the label's size; the item waits while it is decoded.
    void requestPicture();
    void askForPicture();
    void pictureSettled(const PictureCache::Result &result);
    void requestBackground();
    void backgroundSettled(const PictureCache::Result &result);
    // The next Office page, or the end of the item; a page after an exit always enters with an effect.
    void nextPage(bool afterExit);
    void finish();

    // ---- Office pages ----
    OfficePageFeed *feed();
    // Draws the item's pages for the label's size and scale mode.
    void aimFeed();
    // A page drawn, or the document ready: the current page shows when it is there.
    void officePageArrived();

    PictureLabel *m_label = nullptr;
    QGraphicsOpacityEffect *m_opacity = nullptr;
    MusicPlayer *m_music = nullptr; // made when an item first has music (multimedia module)

    // The item as it was shown: the record may change or go meanwhile.
    ImageProperty m_image;
    bool m_office = false;
    int m_pageIndex = 0;
    QPixmap m_source; // the current page's picture as decoded
    PictureRequest *m_pictureRequest = nullptr;
    PictureRequest *m_backgroundRequest = nullptr;
    bool m_waitingForPicture = false; // the item is shown, its picture is being decoded
    bool m_startWhenResumed = false;  // the picture came during a pause: the page starts on resume

    OfficePageFeed *m_feed = nullptr;
    bool m_officePageShown = false; // an Office page was shown during this item
};

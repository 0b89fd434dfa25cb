// The cover text over a video: its window lies exactly over the video in
// desktop coordinates, follows the area, shows only while a video with its
// cover on shows, and is cut to its text where the desktop cannot show a
// translucent window.

#include "model/RecordSet.h"
#include "playback/CoverWindows.h"
#include "playback/videoCoverLabel.h"
#include "shell/Widget.h"
#include "support/FakeVideo.h"
#include "support/PlayFixture.h"

#include <QtTest>

namespace {

const QString General = QStringLiteral("generalSegment");

// A main window whose one area holds two items, the first a video whose cover reads "Sale".
struct CoveredVideo
{
    CoveredVideo()
    {
        f.addGeneral("G");
        f.addProgram("P", General);
        window = f.addWindow("W", 2, 5);
        item = window->media.value(0);
        item->kind = MediaKind::Video;
        item->video.path = "/clips/a.mp4";
        item->video.coverOn = true;
        item->video.coverText = "Sale";
        item->video.coverFontSize = 20;
        item->video.coverColour = Qt::yellow;
        area = f.area(window);
        window->borderWidth = area->borderWidth = 4; // as the window panel sets a border
        area->relayoutChildren();
    }
    videoCoverLabel *cover() const { return qobject_cast<videoCoverLabel *>(area->coverWindow()); }
    PlayLabel *video() const { return area->videoPlayer(); }
    // Where the video lies on the desktop.
    QRect videoOnDesktop() const
    {
        QWidget *display = video()->window();
        return QRect(display->pos() + video()->mapTo(display, QPoint(0, 0)), video()->size());
    }

    PlayFixture f;
    CommonWinObject *window = nullptr;
    QVLedMediaObject *item = nullptr;
    CommonPlayWindow *area = nullptr;
};

} // namespace

class VideoCoverTest : public QObject
{
    Q_OBJECT

private slots:
    void theCoverLiesOverTheVideoAndFollowsIt()
    {
        CoveredVideo c;
        QVERIFY(!c.area->coverWindow()); // no video yet: no player, no cover
        c.area->slotPlayVideo(c.item);
        videoCoverLabel *cover = c.cover();
        QVERIFY(cover && cover->isWindow());
        QVERIFY(cover->isVisible());
        QCOMPARE(cover->text, QStringLiteral("Sale"));
        QCOMPARE(cover->textColour, QColor(Qt::yellow));
        QCOMPARE(cover->geometry(), c.videoOnDesktop());

        // dragged within its display window, and the display window itself
        c.area->move(c.area->pos() + QPoint(30, 20));
        QCOMPARE(cover->geometry(), c.videoOnDesktop());
        MainPlayBKLabel *display = c.area->owner;
        display->move(display->pos() + QPoint(100, 50));
        CoverWindows::place(*display);
        QCOMPARE(cover->pos(), c.videoOnDesktop().topLeft());
        c.window->borderWidth = 10; // a newer border the area has not taken yet
        CoverWindows::place(*display);
        QCOMPARE(cover->pos(), c.videoOnDesktop().topLeft());

        // hidden with its display window, back with it
        c.f.w->slotWinHide();
        QVERIFY(cover->isHidden());
        c.f.w->slotWinHide();
        QVERIFY(cover->isVisible());

        // gone with the video
        c.area->stopAndHideAll();
        QVERIFY(cover->isHidden());
        c.f.w->slotWinHide();
        c.f.w->slotWinHide();
        QVERIFY(cover->isHidden()); // nothing wants it now
    }

    void onlyAVideoWithItsCoverOnShowsIt()
    {
        CoveredVideo c;
        c.item->video.coverOn = false;
        c.area->slotPlayVideo(c.item);
        QVERIFY(c.cover() && c.cover()->isHidden());

        // a display window hidden when the video starts keeps the cover hidden until it shows
        c.item->video.coverOn = true;
        c.f.w->slotWinHide();
        c.area->slotPlayVideo(c.item);
        QVERIFY(c.cover()->isHidden());
        c.f.w->slotWinHide();
        QVERIFY(c.cover()->isVisible());
    }

    void pauseHidesAndResumeShowsInRealPlay()
    {
        CoveredVideo c;
        c.f.tree->slotStartPlay(c.f.display);
        QVERIFY(c.area->currentItem == c.item);
        videoCoverLabel *cover = c.cover();
        QVERIFY(cover && cover->isVisible());
        c.area->pauseRealPlay();
        QVERIFY(cover->isHidden());
        c.area->resumeRealPlay();
        QVERIFY(cover->isVisible());

        // the video's end takes its cover along; the next item (a text) shows none
        FakeVideoEngine::of(c.video())->end();
        QTRY_VERIFY(c.area->currentItem == c.window->media.value(1));
        QVERIFY(cover->isHidden());
    }

    // Live edits of the item shown: rolling starts from its edge, standing stops the
    // strip, off hides; an item not shown changes nothing.
    void liveEditsReachTheCoverOfTheItemShown()
    {
        CoveredVideo c;
        c.area->slotPlayVideo(c.item);
        videoCoverLabel *cover = c.cover();

        c.item->video.coverRolling = true;
        c.item->video.coverDirection = 0;
        c.item->video.coverSpeed = 5;
        c.area->slotSetVideoCoverLabel(c.item);
        QVERIFY(cover->rolling);
        QVERIFY(cover->rollTimer->isActive());
        QVERIFY(!cover->stripLabel->isHidden());
        QCOMPARE(cover->x, cover->width());

        c.item->video.coverRolling = false;
        c.area->slotSetVideoCoverLabel(c.item);
        QVERIFY(!cover->rollTimer->isActive());
        QVERIFY(cover->stripLabel->isHidden());
        QVERIFY(cover->isVisible());

        QVLedMediaObject *other = c.window->media.value(1);
        other->kind = MediaKind::Video;
        other->video.coverOn = true;
        other->video.coverText = "Other";
        c.area->slotSetVideoCoverLabel(other);
        QCOMPARE(cover->text, QStringLiteral("Sale"));

        c.item->video.coverOn = false;
        c.area->slotSetVideoCoverLabel(c.item);
        QVERIFY(cover->isHidden());
    }

    // Cut to its text: standing, the shape lies within the text's lines at the
    // top left; rolling, it is the strip's and moves with it.
    void theShapeFollowsTheText()
    {
        CoveredVideo c;
        c.area->slotPlayVideo(c.item);
        videoCoverLabel *cover = c.cover();
        cover->resize(400, 200);
        cover->setShapedByText(true);
        const QRect standing = cover->mask().boundingRect();
        QVERIFY(!standing.isEmpty());
        QVERIFY(standing.left() < 10 && standing.top() < 20);
        QVERIFY(standing.width() < 200 && standing.height() < 60);

        // an empty text shows nothing at all, rather than the whole window
        c.item->video.coverText.clear();
        c.area->slotSetVideoCoverLabel(c.item);
        QVERIFY(!cover->mask().isEmpty());
        QVERIFY(!cover->mask().intersects(cover->rect()));

        c.item->video.coverText = "Sale";
        c.item->video.coverRolling = true;
        c.item->video.coverDirection = 0;
        c.item->video.coverY = 30;
        c.area->slotSetVideoCoverLabel(c.item);
        cover->rollFor(400); // enters from the right edge
        const QRect first = cover->mask().boundingRect();
        QVERIFY(!first.isEmpty() && first.right() < cover->width());
        QVERIFY(first.top() >= 30);
        const int before = cover->x;
        cover->rollFor(200);
        const int moved = before - cover->x;
        QVERIFY(moved > 0);
        QCOMPARE(cover->mask().boundingRect().left(), first.left() - moved);

        cover->setShapedByText(false);
        QVERIFY(cover->mask().isEmpty());
    }
};

QTEST_MAIN(VideoCoverTest)
#include "test_videocover.moc"

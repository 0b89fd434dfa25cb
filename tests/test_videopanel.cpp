// The video panel and its cover dialog on a panel built alone, and its live
// edits and previews in a main window whose areas play through the recording
// video back end.

#include "model/RecordSet.h"
#include "panels/CommonFontSetDialog.h"
#include "panels/VideoPanel.h"
#include "playback/video/VideoLengthProbe.h"
#include "support/FakePanelHost.h"
#include "support/FakeVideo.h"
#include "support/PlayFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimeEdit>
#include <QtTest>

Q_DECLARE_METATYPE(QVLedMediaObject *)

namespace {

struct LonePanel {
    LonePanel()
    {
        host.window.resize(700, 600);
        item.kind = MediaKind::Video;
        host.media = &item;
        host.rows = 1;
        host.currentRow = 0;
        panel.reset(new VideoPanel(host, &host.window));
    }
    void select(QVLedMediaObject *selected)
    {
        host.media = selected;
        panel->fill(selected->video);
    }
    ScriptedPrompts prompts;
    FakePanelHost host;
    QVLedMediaObject item;
    std::unique_ptr<VideoPanel> panel;
};

bool sameCover(const VideoProperty &a, const VideoProperty &b)
{
    return a.coverOn == b.coverOn && a.coverFontFamily == b.coverFontFamily && a.coverColourful == b.coverColourful
           && a.coverFontSize == b.coverFontSize && a.coverBold == b.coverBold && a.coverItalic == b.coverItalic
           && a.coverUnderline == b.coverUnderline && a.coverColour == b.coverColour && a.coverText == b.coverText
           && a.coverRolling == b.coverRolling && a.coverSpeed == b.coverSpeed && a.coverDirection == b.coverDirection
           && a.coverY == b.coverY;
}

const QString General = QStringLiteral("generalSegment");

// A main window whose one window holds `items` items, the first a video of "/clips/a.mp4".
struct OneVideo {
    explicit OneVideo(int items = 1, int stay = 10)
    {
        f.addGeneral("G");
        f.addProgram("P", General);
        window = f.addWindow("W", items, stay);
        item = window->media.value(0);
        item->kind = MediaKind::Video;
        item->video.path = "/clips/a.mp4";
        area = f.area(window);
    }
    PlayFixture f;
    CommonWinObject *window = nullptr;
    QVLedMediaObject *item = nullptr;
    CommonPlayWindow *area = nullptr;
};

} // namespace

class VideoPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QVLedMediaObject *>(); }

    void lengthReportsGoToTheirOwnItem()
    {
        LonePanel p;
        p.item.video.endTime = QTime(0, 0, 1);
        p.panel->setVideoRange(&p.item, 83.5f);
        QCOMPARE(p.panel->positionSlider()->maximum(), 83);
        QCOMPARE(p.item.video.duration, QTime(0, 1, 23, 500));
        QCOMPARE(p.item.video.endTime, QTime(0, 1, 23, 500)); // an end of 00:00:01 takes the length
        QCOMPARE(p.panel->durationEdit()->time().toString("HH:mm:ss"), QStringLiteral("00:01:23"));

        QVLedMediaObject other;
        other.kind = MediaKind::Video;
        other.video.endTime = QTime(0, 0, 30);
        p.panel->setVideoRange(&other, 25 * 3600); // another item's file
        QCOMPARE(other.video.duration, QTime(23, 59, 59, 999));
        QCOMPARE(other.video.endTime, QTime(0, 0, 30)); // other ends are kept
        QCOMPARE(p.panel->positionSlider()->maximum(), 83); // the selected item's panel is untouched
        QCOMPARE(p.item.video.duration, QTime(0, 1, 23, 500));
    }

    // After A with end 00:00:01 and a length of 5 s, selecting B with 3-10 s stores nothing into B.
    void selectingAnItemStoresNothing()
    {
        LonePanel p;
        p.item.video.endTime = QTime(0, 0, 1);
        p.select(&p.item);
        p.panel->setVideoRange(&p.item, 5);
        QVLedMediaObject b;
        b.kind = MediaKind::Video;
        b.video.rangeOn = true;
        b.video.startTime = QTime(0, 0, 3);
        b.video.endTime = QTime(0, 0, 10);
        QSignalSpy changes(p.panel.get(), &MediaPanel::sigQVMediaChanged);
        p.select(&b);
        QCOMPARE(b.video.startTime, QTime(0, 0, 3));
        QCOMPARE(b.video.endTime, QTime(0, 0, 10));
        QVERIFY(changes.isEmpty());
        QVERIFY(p.host.videoEdits.isEmpty());
    }

    void rangeEditsSettleAndStore()
    {
        LonePanel p;
        p.select(&p.item);
        p.panel->rangeBox()->setChecked(true);
        QVERIFY(p.item.video.rangeOn);
        p.panel->setVideoRange(&p.item, 8);
        p.panel->startEdit()->setTime(QTime(0, 0, 12)); // past the length: settles, no recursion
        QCOMPARE(p.item.video.startTime, QTime(0, 0, 7));
        QCOMPARE(p.item.video.endTime, QTime(0, 0, 8));
        QCOMPARE(p.panel->startEdit()->time(), QTime(0, 0, 7));
        p.panel->endEdit()->setTime(QTime(0, 0, 0));
        QCOMPARE(p.item.video.endTime, QTime(0, 0, 8)); // nothing valid there: the start moved instead
        QCOMPARE(p.item.video.startTime, QTime(0, 0, 7));
        QVERIFY(p.host.previews.contains(MediaFamily::Video));
    }

    void liveEditsSpareAPlayingDisplayWindow()
    {
        LonePanel p;
        p.select(&p.item);
        p.host.displayPlays = true;
        p.panel->volumeSlider()->setValue(40);
        p.panel->positionSlider()->setRange(0, 100);
        p.panel->slotVideoSeek(5);
        p.panel->SlotvideoScaleType(1);
        p.panel->SlotvideoRotate(2);
        QCOMPARE(p.item.video.volume, 40);
        QCOMPARE(p.host.videoEdits, (QStringList{"scale 1", "rotate 180"}));
        p.host.displayPlays = false;
        p.panel->slotVideoSeek(5);
        p.panel->volumeSlider()->setValue(30);
        QCOMPARE(p.host.videoEdits.mid(2), (QStringList{"seek 5", "volume 30"}));
        QCOMPARE(p.panel->positionText(), QStringLiteral("00:00:05"));
    }

    void tickingTheCoverOpensTheDialogOnce()
    {
        LonePanel p;
        p.select(&p.item);
        int dialogs = 0;
        p.prompts.onDialog = [&](QDialog *) {
            ++dialogs;
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(p.panel->coverBox(), Qt::LeftButton);
        QVERIFY(p.item.video.coverOn);
        QVERIFY(p.panel->editTextButton()->isEnabled());
        QCOMPARE(dialogs, 1);
        QTest::mouseClick(p.panel->coverBox(), Qt::LeftButton);
        QVERIFY(!p.item.video.coverOn);
        QVERIFY(!p.panel->editTextButton()->isEnabled());
        QCOMPARE(dialogs, 1);
    }

    void openingTheDialogStoresNothingNew()
    {
        LonePanel p;
        p.item.video.coverOn = true;
        p.item.video.coverText = QStringLiteral("<b>Sale</b>");
        p.select(&p.item);
        const VideoProperty before = p.item.video;
        QSignalSpy changes(p.panel.get(), &MediaPanel::sigQVMediaChanged);
        QString shown;
        int size = -1, speed = -1;
        p.prompts.onDialog = [&](QDialog *dialog) {
            auto *font = qobject_cast<CommonFontSetDialog *>(dialog);
            shown = font->textBox()->toPlainText();
            size = font->sizeCombo()->currentIndex();
            speed = font->speedCombo()->currentIndex();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(p.panel->editTextButton(), Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("<b>Sale</b>"));
        QCOMPARE(size, 0);  // "8"
        QCOMPARE(speed, 4); // "5"
        QVERIFY(sameCover(p.item.video, before));
        QVERIFY(changes.isEmpty());
    }

    void dialogEditsStoreAtOnce()
    {
        LonePanel p;
        p.select(&p.item);
        p.prompts.onDialog = [](QDialog *dialog) {
            auto *font = qobject_cast<CommonFontSetDialog *>(dialog);
            font->textBox()->setPlainText(QStringLiteral("<i>Now</i>"));
            font->ySpin()->setValue(40);
            font->boldButton()->click();
            return int(QDialog::Rejected);
        };
        p.panel->editCoverText();
        QCOMPARE(p.item.video.coverText, QStringLiteral("<i>Now</i>"));
        QCOMPARE(p.item.video.coverY, 40);
        QVERIFY(p.item.video.coverBold);
        QVERIFY(p.host.coverRefreshes >= 3);
    }

    void rollingStates()
    {
        LonePanel p;
        p.panel->slotVideoCoverRollState(Qt::Checked);
        QVERIFY(p.item.video.coverRolling);
        p.panel->slotVideoCoverRollState(Qt::PartiallyChecked); // leaves it
        QVERIFY(p.item.video.coverRolling);
        p.panel->slotVideoCoverRollState(Qt::Unchecked);
        QVERIFY(!p.item.video.coverRolling);
    }

    void aNonVideoItemStoresNoCoverButRefreshesAndReports()
    {
        LonePanel p;
        p.item.kind = MediaKind::Image;
        QSignalSpy changes(p.panel.get(), &MediaPanel::sigQVMediaChanged);
        p.panel->slotVideoCoverTextBChecked(true);
        QVERIFY(!p.item.video.coverBold);
        QCOMPARE(p.host.coverRefreshes, 1);
        QCOMPARE(changes.size(), 1);
    }

    // Two programs with a window "W": rotation reaches the first area of that
    // name, the volume only the area whose four names match.
    void liveEditsFindTheirArea()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P1", General);
        CommonWinObject *first = f.addWindow("W", 1);
        f.addProgram("P2", General);
        CommonWinObject *second = f.addWindow("W", 1);
        for (CommonWinObject *window : {first, second}) {
            QVLedMediaObject *item = window->media.value(0);
            item->kind = MediaKind::Video;
            item->video.path = "/clips/" + window->programName + ".mp4";
        }
        CommonPlayWindow *firstArea = f.area(first);
        CommonPlayWindow *secondArea = f.area(second);
        QVERIFY(firstArea && secondArea);
        firstArea->slotPlayVideo(first->media.value(0));
        secondArea->slotPlayVideo(second->media.value(0));
        FakeVideoEngine *firstPlayer = FakeVideoEngine::of(firstArea->videoPlayer());
        FakeVideoEngine *secondPlayer = FakeVideoEngine::of(secondArea->videoPlayer());
        QVERIFY(firstPlayer && secondPlayer);
        firstPlayer->calls.clear();
        secondPlayer->calls.clear();

        f.w->curCommonWin = second;
        f.w->curMedia = second->media.value(0);
        f.w->videoSetupLabel()->SlotvideoRotate(2);
        f.w->videoSetupLabel()->volumeSlider()->setValue(40);
        QCOMPARE(firstPlayer->calls, QStringList{"rotate 180"});
        QCOMPARE(secondPlayer->calls, QStringList{"volume 40"});
    }

    // A range edit replays the item in the current display window, never while it plays.
    void rangePreviewsSpareAPlayingDisplayWindow()
    {
        OneVideo one;
        PlayFixture &f = one.f;
        QVLedMediaObject *item = one.item;
        CommonPlayWindow *area = one.area;
        CommonWinObject *window = one.window;
        area->slotPlayVideo(item);
        FakeVideoEngine *player = FakeVideoEngine::of(area->videoPlayer());
        f.w->curCommonWin = window;
        f.w->curMedia = item;
        player->calls.clear();
        area->owner->playing = true;
        f.w->videoSetupLabel()->rangeBox()->setChecked(true);
        QVERIFY(item->video.rangeOn);
        QVERIFY(player->callsOf("open").isEmpty());
        area->owner->playing = false;
        f.w->videoSetupLabel()->endEdit()->setTime(QTime(0, 0, 5));
        f.w->videoSetupLabel()->startEdit()->setTime(QTime(0, 0, 2));
        QCOMPARE(player->callsOf("open"), (QStringList{"open /clips/a.mp4", "open /clips/a.mp4"}));
        QCOMPARE(player->callsOf("seek"), QStringList{}); // the seek waits for the length
        player->reportLength(10);
        QCOMPARE(player->callsOf("seek"), QStringList{"seek 2"});
        player->reportLength(10); // a second report never seeks again
        QCOMPARE(player->callsOf("seek").size(), 1);
    }

    // Videos just loaded wait for their files' lengths, read one file at a
    // time by a reader of their own: no area opens a player only to measure.
    // A length goes into every waiting item of its file.
    void loadedVideosLearnTheirLengthsInTurn()
    {
        OneVideo one(3);
        QTemporaryDir dir;
        const QString a = dir.filePath("a.mp4"), b = dir.filePath("b.mp4");
        for (const QString &path : {a, b}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList paths{a, b, a};
        for (int i = 0; i < 3; ++i) {
            QVLedMediaObject *item = one.window->media.value(i);
            item->kind = MediaKind::Video;
            item->video.path = paths.at(i);
            item->video.endTime = QTime(0, 0, 1);
        }
        FakeLengthReads::asked.clear();
        for (QVLedMediaObject *item : one.window->media)
            one.f.w->slotPreviewVideo(item);
        QCOMPARE(FakeLengthReads::asked, QStringList{a});
        QVERIFY(!one.area->videoPlayer());
        auto *reader = one.f.w->findChild<VideoLengthReader *>();
        QVERIFY(reader);

        FakeLengthReads::answer(reader, 12.5);
        for (int i : {0, 2}) {
            QCOMPARE(one.window->media.value(i)->video.duration, QTime(0, 0, 12, 500));
            QCOMPARE(one.window->media.value(i)->video.endTime, QTime(0, 0, 12, 500));
        }
        QCOMPARE(FakeLengthReads::asked, (QStringList{a, b}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read the length of .*b.mp4"));
        FakeLengthReads::fail(reader);
        QCOMPARE(one.window->media.value(1)->video.duration, QTime(0, 0));
        QVERIFY(reader->reading().isEmpty());

        // What is not a regular file is never opened.
        one.window->media.value(1)->video.path = dir.path();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no length for .* \\(not a regular file\\)"));
        one.f.w->slotPreviewVideo(one.window->media.value(1));
        QCOMPARE(FakeLengthReads::asked.size(), 2);
    }

    // A clip added to a window is previewed in its area, and its length, read
    // even while that display window is hidden, fills the panel: "Except" then
    // takes it as its end and an end past it snaps back.
    void anAddedClipIsPreviewedAndMeasured()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General);
        CommonWinObject *window = f.addWindow("W", 0);
        CommonPlayWindow *area = f.area(window);
        QTemporaryDir dir;
        const QString clip = dir.filePath("clip.mp4");
        QFile file(clip);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        f.tree->curItem = f.tree->topLevelItem(0)->child(1)->child(0)->child(0); // the window "W"
        f.tree->slotSelectItemChecked();
        QCOMPARE(f.w->curCommonWin, window);
        area->owner->hide();
        FakeLengthReads::asked.clear();
        f.prompts.fileNames = QStringList{clip};
        f.tree->addMediaFileSlot();
        QVLedMediaObject *item = window->media.value(0);
        QVERIFY(item && item->video.path == clip);
        QCOMPARE(f.w->curMedia, item);
        FakeVideoEngine *player = FakeVideoEngine::of(area->videoPlayer());
        QVERIFY(player);
        QCOMPARE(player->callsOf("open"), QStringList{"open " + clip});
        QVERIFY(area->videoPlayer()->isVisibleTo(area));
        QCOMPARE(FakeLengthReads::asked, QStringList{clip});

        FakeLengthReads::answer(f.w->findChild<VideoLengthReader *>(), 83.5);
        QCOMPARE(item->video.duration, QTime(0, 1, 23, 500));
        VideoPanel *panel = f.w->videoSetupLabel();
        QCOMPARE(panel->durationEdit()->time(), QTime(0, 1, 23, 500));
        panel->rangeBox()->setChecked(true);
        QCOMPARE(item->video.endTime, QTime(0, 1, 23, 500));
        panel->endEdit()->setTime(QTime(0, 2, 0));
        QCOMPARE(panel->endEdit()->time(), QTime(0, 1, 23, 500));
        QCOMPARE(item->video.endTime, QTime(0, 1, 23, 500));

        // A clip whose length is known already is not measured again.
        item->video.duration = QTime(0, 1, 23, 500);
        FakeLengthReads::asked.clear();
        f.w->slotaddVideoObject(0, item);
        QVERIFY(FakeLengthReads::asked.isEmpty());
    }

    // An item about to be freed waits no longer; the next one is read.
    void aProbeForgetsAnItemAboutToGo()
    {
        OneVideo one(2);
        QTemporaryDir dir;
        QVLedMediaObject *first = one.window->media.value(0);
        QVLedMediaObject *second = one.window->media.value(1);
        second->kind = MediaKind::Video;
        first->video.path = dir.filePath("a.mp4");
        second->video.path = dir.filePath("b.mp4");
        for (const QVLedMediaObject *item : {first, second}) {
            QFile file(item->video.path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        FakeLengthReads::asked.clear();
        one.f.w->slotPreviewVideo(first);
        one.f.w->slotPreviewVideo(second);
        auto *probe = one.f.w->findChild<VideoLengthProbe *>();
        QVERIFY(probe);
        QSignalSpy known(probe, &VideoLengthProbe::sigLengthKnown);
        RecordSet doomed;
        doomed.add(first);
        one.f.w->forgetRecords(doomed);
        auto *reader = one.f.w->findChild<VideoLengthReader *>();
        FakeLengthReads::answer(reader, 12);
        QVERIFY(known.isEmpty());
        QCOMPARE(FakeLengthReads::asked, (QStringList{first->video.path, second->video.path}));
        FakeLengthReads::answer(reader, 7);
        QCOMPARE(known.size(), 1);
        QCOMPARE(second->video.duration, QTime(0, 0, 7));
    }

    // The player is made on the area's first video item; one that cannot be made fails the item only.
    void aPlayerThatCannotBeMadeFailsItsItemOnly()
    {
        OneVideo one(2, 5);
        PlayFixture &f = one.f;
        CommonWinObject *window = one.window;
        QVLedMediaObject *video = one.item;
        CommonPlayWindow *area = one.area;
        QVERIFY(!area->videoPlayer());
        FakeVideoEngine::refuseNext = true;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot show video item a.mp4"));
        f.tree->slotStartPlay(f.display);
        QVERIFY(area->currentItem == video);
        QVERIFY(area->stayTimer()->isActive());
        QCOMPARE(area->stayTimer()->interval(), 1000); // ends as a file that does not open
        QTRY_VERIFY_WITH_TIMEOUT(area->currentItem == window->media.value(1), 3000);
        QVERIFY(!area->videoPlayer());
    }
};

QTEST_MAIN(VideoPanelTest)
#include "test_videopanel.moc"

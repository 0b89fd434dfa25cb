// Pictures, Office pages and texts played in an area: pages and their stays,
// exits and entrances between pages, the end of an item and its log row,
// pause within a page, and what a picture looks like.

#include "playback/AreaEffects.h"
#include "playback/dataBaseConn.h"
#include "playback/textWidget.h"
#include "support/PictureItems.h"

#include <QSignalSpy>
#include <QtTest>

using namespace PictureItems;

namespace {

QList<QStringList> loggedToday(PlayFixture &f)
{
    PlayLog::flush();
    dataBaseConn log;
    const QString today = f.clock.currentDate().toString("yyyy-MM-dd");
    return log.queryLogs(QString(), today, today);
}
} // namespace

class PagedItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void officePagesEachStayThenTheNextItem()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f, 2);
        addImage(f, officeBlock(3, 4), MediaKind::Office);
        addText(f, MediaKind::SimpleText, TextProperty());
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QVERIFY(player);
        const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
        for (int page = 0; page < 3; ++page) {
            QCOMPARE(player->pageIndex(), page);
            QCOMPARE(player->stayTimer()->interval(), 4000);
            // Each page is drawn for the area when it comes.
            QTRY_COMPARE(player->shownPicture().toImage().pixelColor(5, 5), colours[page]);
            QVERIFY(loggedToday(f).isEmpty());
            f.clock.advanceMs(4000);
            area->slotPlayImageTimeout();
        }
        QVERIFY(!player->stayTimer()->isActive());
        QTRY_COMPARE(area->index, 1);
        QCOMPARE(area->currentKind, QString(MediaKind::SimpleText));
        const QList<QStringList> rows = loggedToday(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(0), QStringLiteral("report.docx"));
        QCOMPARE(rows.first().value(1), QStringLiteral("12"));
    }

    void withExitsEveryPageLeavesAndTheNextEnters()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty block = officeBlock(3, 1);
        block.goingOutOn = true;
        block.outStyle = 2;
        block.comingStyle = 11; // pages after the first come in with it, boxed or not
        block.comingSpeed = block.outSpeed = 0;
        addImage(f, block, MediaKind::Office);
        f.addWindow("Other", 1);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QSignalSpy left(player->effects(), &AreaEffects::sigExitFinished);
        QSignalSpy entered(player->effects(), &AreaEffects::sigEntranceFinished);
        for (int page = 1; page <= 2; ++page) {
            f.clock.advanceMs(1000);
            area->slotPlayImageTimeout();
            QCOMPARE(left.count(), page);
            QCOMPARE(entered.count(), page);
            QCOMPARE(player->effects()->lastNumber(), 11);
            QCOMPARE(player->pageIndex(), page);
            QVERIFY(player->stayTimer()->isActive());
        }
        f.clock.advanceMs(1000);
        area->slotPlayImageTimeout();
        QCOMPARE(left.count(), 3);
        QCOMPARE(entered.count(), 2); // the last page left and nothing came after it
        QTRY_VERIFY(area->finished);
    }

    // An image without an exit effect ends as any item does: logged once, its timer stopped.
    void anImageEndsOnceAndIsLogged()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f, 2);
        ImageProperty block;
        block.path = QStringLiteral("/pictures/beach.png");
        block.pixmap = filled({40, 20}, Qt::red);
        block.stayTime = 3;
        addImage(f, block);
        addText(f, MediaKind::SimpleText, TextProperty());
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        f.clock.advanceMs(3000);
        emit player->stayTimer()->timeout({});
        QTRY_COMPARE(area->index, 1);
        QVERIFY(!player->stayTimer()->isActive());
        QVERIFY(!player->view()->isVisible());
        const QList<QStringList> rows = loggedToday(f);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().value(0), QStringLiteral("beach.png"));
        area->slotPlayImageTimeout(); // a late timeout of the picture no longer shown does nothing
        QCOMPARE(area->index, 1);
        QCOMPARE(loggedToday(f).size(), 1);
    }

    // A picture from a file is decoded in the background: the item waits for
    // it, and its stay begins when it shows, also when it comes during a pause.
    void aPictureFromAFileStaysFromWhenItShows()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        const QString path = f.env.path("beach.png");
        QVERIFY(filled({400, 200}, Qt::red).save(path, "PNG"));
        ImageProperty block;
        block.path = path;
        block.stayTime = 3;
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QVERIFY(player->shownPicture().isNull());
        QVERIFY(!player->stayTimer()->isActive());
        area->pauseRealPlay();
        QTRY_VERIFY(!player->shownPicture().isNull());
        QCOMPARE(player->shownPicture().size(), QSize(100, 50));
        QVERIFY(!player->stayTimer()->isActive());
        area->resumeRealPlay();
        QVERIFY(player->stayTimer()->isActive());
        QCOMPARE(player->stayTimer()->interval(), 3000);
    }

    // The picture is decoded for the area's size: a larger area asks the file
    // again for more pixels, and shows them when they come.
    void aLargerAreaGetsTheFileReadAgain()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        const QString path = f.env.path("checks.png");
        QImage checks(800, 400, QImage::Format_RGB32); // squares of 2 x 2 pixels
        for (int y = 0; y < checks.height(); ++y)
            for (int x = 0; x < checks.width(); ++x)
                checks.setPixel(x, y, (x / 2 + y / 2) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        QVERIFY(checks.save(path, "PNG"));
        ImageProperty block;
        block.path = path;
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QTRY_VERIFY(!player->shownPicture().isNull());
        const QRgb averaged = player->shownPicture().toImage().pixel(0, 0); // eight squares to a pixel: grey
        QVERIFY(qGray(averaged) > 60 && qGray(averaged) < 200);
        area->resize(400, 200);
        area->relayoutChildren();
        QCOMPARE(player->shownPicture().size(), QSize(400, 200)); // at once, from what is held
        QTRY_COMPARE(player->shownPicture().toImage().pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(player->shownPicture().toImage().pixel(1, 0), qRgb(255, 255, 255));
    }

    void aPauseOnPageTwoResumesPageTwo()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        addImage(f, officeBlock(3, 10), MediaKind::Office);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        f.clock.advanceMs(10000);
        area->slotPlayImageTimeout();
        QCOMPARE(player->pageIndex(), 1);
        f.clock.advanceMs(3400);
        area->pauseRealPlay();
        QVERIFY(!player->stayTimer()->isActive());
        f.clock.advanceMs(60000);
        area->resumeRealPlay();
        QCOMPARE(player->pageIndex(), 1);
        QVERIFY(player->stayTimer()->isActive());
        QCOMPARE(player->stayTimer()->interval(), 6600);
    }

    void transparencyAndRotation_data()
    {
        QTest::addColumn<int>("transparency");
        QTest::addColumn<int>("rotateAngle");
        QTest::addColumn<qreal>("opacity");
        QTest::addColumn<QSize>("picture");
        // The area's content is 100 x 50; the 40 x 20 picture keeps its proportions.
        QTest::newRow("opaque, upright") << 10 << 0 << 1.0 << QSize(100, 50);
        QTest::newRow("half, quarter turn") << 5 << 1 << 0.5 << QSize(50, 100);
        QTest::newRow("clear, half turn") << 0 << 2 << 0.0 << QSize(100, 50);
        QTest::newRow("three quarters") << 7 << 3 << 0.7 << QSize(50, 100);
        QTest::newRow("angle 7 stays upright") << 10 << 7 << 1.0 << QSize(100, 50);
    }

    void transparencyAndRotation()
    {
        QFETCH(int, transparency);
        QFETCH(int, rotateAngle);
        QFETCH(qreal, opacity);
        QFETCH(QSize, picture);
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty block;
        block.pixmap = filled({40, 20}, Qt::red);
        block.scaleType = 1;
        block.transparency = transparency;
        block.rotateAngle = rotateAngle;
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        ImageContentPlayer *player = imagePlayer(f.area(window));
        QCOMPARE(player->opacity(), opacity);
        QCOMPARE(player->shownPicture().size(), picture);
    }

    void eachItemShowsItsOwnPicture()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty stretched;
        stretched.path = QStringLiteral("/pictures/beach.png");
        stretched.pixmap = filled({40, 20}, Qt::red);
        addImage(f, stretched);
        ImageProperty otherScale = stretched; // a scale mode beyond 0 and 1 shows no picture
        otherScale.scaleType = 2;
        addImage(f, otherScale);
        addImage(f, officeBlock(0, 2), MediaKind::Office); // a document without pages
        f.addWindow("Other", 1);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QCOMPARE(player->shownPicture().size(), QSize(100, 50)); // stretched over the area
        area->playNextElement();
        QVERIFY(player->shownPicture().isNull());
        area->playNextElement();
        QVERIFY(player->shownPicture().isNull());
        QCOMPARE(player->stayTimer()->interval(), 2000); // it still stays its time
        f.clock.advanceMs(2000);
        area->slotPlayImageTimeout();
        QTRY_VERIFY(area->finished);
        QCOMPARE(loggedToday(f).size(), 3);
    }

    void resizingRescalesFromThePictureInMemory()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        ImageProperty block;
        block.pixmap = filled({40, 20}, Qt::red);
        block.path = f.env.path("gone.png"); // no file: nothing is read again
        block.rotateAngle = 1;
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        area->resize(200, 80);
        area->relayoutChildren();
        QCOMPARE(player->view()->size(), QSize(200, 80));
        QCOMPARE(player->shownPicture().size(), QSize(80, 200)); // stretched, then turned
    }

    // A long document costs two pages: the one shown and the next, drawn for the size they show at.
    void officePagesAreDrawnForTheirAreaTwoAtATime()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        QList<QImage> pictures;
        for (int i = 0; i < 50; ++i) {
            QImage page(600, 800, QImage::Format_RGB32);
            page.fill(i % 2 ? Qt::green : Qt::red);
            pictures << page;
        }
        const auto source = std::make_shared<PicturePages>(pictures);
        ImageProperty block = officeBlock(0, 5);
        block.pages = DocumentPages::ready(source);
        block.scaleType = 1;
        addImage(f, block, MediaKind::Office);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        ImageContentPlayer *player = imagePlayer(area);
        QTRY_COMPARE(player->shownPicture().size(), QSize(37, 50)); // an upright page in the 100 x 50 area
        QTRY_COMPARE(source->drawn(), 2);

        area->resize(300, 150);
        area->relayoutChildren();
        QTRY_COMPARE(player->shownPicture().size(), QSize(112, 150));
        QCOMPARE(player->shownPicture().toImage().pixelColor(50, 75), QColor(Qt::red));
        QTRY_COMPARE(source->drawn(), 4); // drawn again at the new size, not enlarged
        area->slotPlayImageTimeout();
        QTRY_COMPARE(player->shownPicture().toImage().pixelColor(50, 75), QColor(Qt::green));
        QTRY_COMPARE(source->drawn(), 5); // the page after it, and no other
        QTest::qWait(200);
        QCOMPARE(source->drawn(), 5);
    }

    void aBackgroundPictureShowsWhateverItsPath()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        const QString path = f.env.path("wall (2) 'old' \"new\" [x];.png");
        QVERIFY(filled({10, 10}, Qt::blue).save(path, "PNG"));
        ImageProperty block;
        block.bgIsColour = false;
        block.bgPicture = path;
        block.scaleType = 1;
        block.pixmap = filled({10, 50}, Qt::red); // narrower than the area: the background shows beside it
        addImage(f, block);
        f.tree->slotStartPlay(f.display);
        ImageContentPlayer *player = imagePlayer(f.area(window));
        // The background is decoded in the background: the picture shows at once, the wall when it comes.
        QCOMPARE(player->view()->grab().toImage().pixelColor(50, 25), QColor(Qt::red));
        QTRY_COMPARE(player->view()->grab().toImage().pixelColor(2, 25), QColor(Qt::blue));
        QCOMPARE(player->view()->grab().toImage().pixelColor(50, 25), QColor(Qt::red));
    }

    void twoTextItemsEachShowTheirOwnPage()
    {
        PlayFixture f;
        CommonWinObject *window = emptyWindow(f);
        TextProperty first;
        first.text = QStringLiteral("Morning");
        TextProperty second;
        second.text = QStringLiteral("Evening");
        addText(f, MediaKind::SimpleText, first);
        addText(f, MediaKind::Txt, second);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        textWidget *text = textPlayer(area)->widget();
        QCOMPARE(text->currentPages(), QStringList{"Morning"});
        const QImage morning = text->grab().toImage();
        area->playNextElement();
        QCOMPARE(text->page, 0);
        QCOMPARE(text->currentPages(), QStringList{"Evening"});
        QVERIFY(text->grab().toImage() != morning);
    }
};

QTEST_MAIN(PagedItemsTest)
#include "test_pageditems.moc"

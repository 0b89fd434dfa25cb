// The image and text panels: filling from an item writes nothing and opens
// no dialog (also across a retranslation), the rows each text kind shows,
// slots that store only for their kind, the background choice, and the main
// window filling and previewing a selected picture or text.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/MediaItemCodec.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "model/ScheduleStream.h"
#include "panels/ImagePanel.h"
#include "panels/TextPanel.h"
#include "playback/CommonPlayWindow.h"
#include "playback/MainPlayBKLabel.h"
#include "playback/content/ImageContentPlayer.h"
#include "playback/content/TextContentPlayer.h"
#include "playback/textWidget.h"
#include "shell/Widget.h"
#include "support/FakePanelHost.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

Q_DECLARE_METATYPE(QVLedMediaObject *)

namespace {

QByteArray encoded(const QVLedMediaObject &item)
{
    QByteArray bytes;
    ScheduleStreamWriter out(&bytes);
    QVLedMediaObject copy = item;
    MediaItemWriter(out).writeMediaItems({&copy});
    return bytes;
}

// The panels built alone, as the main window builds them, with a host that records.
struct Panels
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    FakePanelHost host;
    QWidget windowPanel;
    ImagePanel image{host, &windowPanel};
    TextPanel text{host, &windowPanel};

    Panels()
    {
        windowPanel.resize(900, 700);
        image.relayout();
        text.relayout();
        host.rows = 1;
        host.currentRow = 0;
    }

    template <typename Control>
    Control *withText(QWidget *panel, const QString &label) const
    {
        for (Control *control : panel->findChildren<Control *>()) {
            if (control->text() == label)
                return control;
        }
        return nullptr;
    }
    // Shown by the filler (the page it lies on may be another tab).
    bool shows(QWidget *control) const { return control && !control->isHidden(); }
    // What the operator does: picks the entry, which the box then reports.
    void choose(QComboBox *box, int entry) const
    {
        box->setCurrentIndex(entry);
        emit box->activated(entry);
    }
    QComboBox *combo(QWidget *panel, int x, int y) const
    {
        for (QComboBox *box : panel->findChildren<QComboBox *>()) {
            if (box->geometry().topLeft() == QPoint(x, y))
                return box;
        }
        return nullptr;
    }
};

QVLedMediaObject itemOf(const QString &kind)
{
    QVLedMediaObject item;
    item.kind = kind;
    return item;
}

} // namespace

class ImageTextPanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QVLedMediaObject *>(); }

    void fillingWritesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("colour");
        QTest::addColumn<QString>("picture");
        QTest::newRow("image, picture mode without a picture") << "image" << false << "";
        QTest::newRow("image, picture mode with a picture") << "image" << false << "/pictures/wall (1) 'a'.png";
        QTest::newRow("office, colour") << "office" << true << "/pictures/kept.png";
        QTest::newRow("text with < and &") << "simpleText" << false << "";
        QTest::newRow("text file") << "txt" << true << "";
        QTest::newRow("single row") << "singleRowText" << false << "/pictures/bg.png";
        QTest::newRow("rolling") << "scrollingText" << true << "";
    }

    void fillingWritesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(bool, colour);
        QFETCH(QString, picture);
        Panels p;
        QVLedMediaObject item = itemOf(kind);
        item.image.bgIsColour = item.text.bgIsColour = colour;
        item.image.bgPicture = item.text.bgPicture = picture;
        // Values no control can show as they are: still nothing changes.
        item.image.comingStyle = 18;
        item.image.comingSpeed = 0;
        item.image.stayTime = 0;
        item.image.transparency = 3;
        item.image.rotateAngle = 2;
        item.text.text = QStringLiteral("<b>50% off</b> & more");
        item.text.fontSize = 20;
        item.text.horizontalAlign = 7;
        item.text.rollingSpeed = 10;
        item.text.stayTime = 0;
        item.text.comingSpeed = 0;
        item.text.playDuration = QTime(0, 0, 0);
        p.host.media = &item;
        QSignalSpy changes(&p.text, &MediaPanel::sigQVMediaChanged);
        QSignalSpy imageChanges(&p.image, &MediaPanel::sigQVMediaChanged);
        const QByteArray before = encoded(item);
        MediaFamily family;
        QVERIFY(MediaKinds::familyOf(kind, &family));
        if (family == MediaFamily::Image) {
            p.image.fill(item);
        } else if (kind == MediaKind::SingleRowText) {
            p.text.fillSingleRowText(item);
        } else if (kind == MediaKind::ScrollingText) {
            p.text.fillScrollingText(item);
        } else {
            p.text.fillSimpleText(item);
            QCOMPARE(p.text.findChild<QTextEdit *>()->toPlainText(), item.text.text);
        }
        p.image.trUpdate();
        p.text.trUpdate();
        QCOMPARE(encoded(item), before);
        QVERIFY(p.prompts.fileDialogs.isEmpty() && p.prompts.colourDialogs.isEmpty());
        QVERIFY(p.host.previews.isEmpty());
        QCOMPARE(changes.count() + imageChanges.count(), 0);
        QVERIFY(p.text.textChangeArmed);
        if (family == MediaFamily::Image) {
            // Picture mode without a picture shows "Please Select background picture".
            QComboBox *background = p.combo(&p.image, 130, 36);
            QCOMPARE(background->currentIndex(), colour ? 0 : picture.isEmpty() ? 1 : 2);
            QCOMPARE(background->count(), picture.isEmpty() ? 2 : 3);
        }
    }

    void eachTextKindShowsItsRows_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("alignment");
        QTest::addColumn<bool>("effects");
        QTest::addColumn<bool>("completePlay");
        QTest::addColumn<bool>("rolling");
        QTest::newRow("txt") << "txt" << true << true << true << false;
        QTest::newRow("simpleText") << "simpleText" << true << true << true << false;
        QTest::newRow("singleRowText") << "singleRowText" << false << true << false << false;
        QTest::newRow("scrollingText") << "scrollingText" << false << false << true << true;
    }

    void eachTextKindShowsItsRows()
    {
        QFETCH(QString, kind);
        QFETCH(bool, alignment);
        QFETCH(bool, effects);
        QFETCH(bool, completePlay);
        QFETCH(bool, rolling);
        Panels p;
        QVLedMediaObject item = itemOf(kind);
        p.host.media = &item;
        if (kind == MediaKind::SingleRowText)
            p.text.fillSingleRowText(item);
        else if (kind == MediaKind::ScrollingText)
            p.text.fillScrollingText(item);
        else
            p.text.fillSimpleText(item);
        QWidget *panel = &p.text;
        QCOMPARE(p.shows(p.withText<QLabel>(panel, "Horizontal alignment:")), alignment);
        QCOMPARE(p.shows(p.withText<QLabel>(panel, "Kerning:")), alignment);
        QCOMPARE(p.shows(p.withText<QCheckBox>(panel, "Special Effect for Coming into the site")), effects);
        QCOMPARE(p.shows(p.withText<QLabel>(panel, "Stay Time:")), effects);
        QCOMPARE(p.shows(p.withText<QCheckBox>(panel, "CompletePlay")), completePlay);
        QCOMPARE(p.shows(p.withText<QLabel>(panel, "Rolling Direction:")), rolling);
        QCOMPARE(p.shows(p.withText<QCheckBox>(panel, "End to end")), rolling);
        // Fonts, colours and background rows show for every kind.
        QVERIFY(p.shows(p.withText<QLabel>(panel, "Colorful characters:")));
        QVERIFY(p.shows(p.withText<QLabel>(panel, "Background:")));
    }

    void kindCheckingSlotsStoreOnlyForTheirKind()
    {
        Panels p;
        QVLedMediaObject simple = itemOf(MediaKind::SimpleText);
        QVLedMediaObject file = itemOf(MediaKind::Txt);
        QVLedMediaObject rolling = itemOf(MediaKind::ScrollingText);
        QSignalSpy changes(&p.text, &MediaPanel::sigQVMediaChanged);
        p.host.media = &simple;
        p.text.mtextRollingSpeedChange(2);
        p.text.mSlotTextRollingChange(1);
        p.text.slottextEndToEndBox(true);
        QCOMPARE(simple.text.rollingSpeed, 5);
        QCOMPARE(simple.text.rollingDirection, 0);
        QVERIFY(!simple.text.endToEnd);
        QCOMPARE(changes.count(), 3); // the refresh and the report follow all the same
        QCOMPARE(p.host.previews.size(), 3);
        p.text.slotTextSPacingChanged(12);
        QCOMPARE(simple.text.spacing, 12);
        p.host.media = &file;
        p.text.slotTextSPacingChanged(30);
        QCOMPARE(file.text.spacing, 0);

        p.host.media = &rolling;
        for (int entry : {0, 5, 9}) {
            p.text.mtextRollingSpeedChange(entry);
            QCOMPARE(rolling.text.rollingSpeed, entry + 1);
        }
        p.text.fillScrollingText(rolling);
        QCOMPARE(p.combo(p.text.findChild<QTabWidget *>()->widget(1), 140, 66)->currentIndex(), 9);
        // Index -1 (a list emptied) is no choice at all.
        const int reports = changes.count();
        p.text.m_textColorfulBoxChanged(-1);
        p.text.slotTextHorizontalChanged(-1);
        QCOMPARE(changes.count(), reports);
    }

    void theTextEditorStoresPlainText()
    {
        Panels p;
        QVLedMediaObject item = itemOf(MediaKind::SimpleText);
        p.host.media = &item;
        p.text.fillSimpleText(item);
        auto *editor = p.text.findChild<QTextEdit *>();
        editor->setPlainText(QStringLiteral("<b>50% off</b>"));
        QCOMPARE(item.text.text, QStringLiteral("<b>50% off</b>"));
        // Disarmed, the next change only arms it again.
        p.text.textChangeArmed = false;
        editor->setPlainText(QStringLiteral("lost"));
        QCOMPARE(item.text.text, QStringLiteral("<b>50% off</b>"));
        QVERIFY(p.text.textChangeArmed);
    }

    void backgroundChoiceCancelAndReplace()
    {
        Panels p;
        QVLedMediaObject text = itemOf(MediaKind::SimpleText);
        text.text.bgPicture = QStringLiteral("/pictures/old.png");
        p.host.media = &text;
        p.text.fillSimpleText(text);
        QComboBox *textBackground = p.combo(p.text.findChild<QTabWidget *>()->widget(1), 100, 6);
        p.prompts.fileName.clear(); // cancelled
        p.choose(textBackground, 1);
        QVERIFY(!text.text.bgIsColour);
        QCOMPARE(text.text.bgPicture, QStringLiteral("/pictures/old.png"));
        QCOMPARE(textBackground->currentIndex(), 1);
        p.prompts.fileName = QStringLiteral("/pictures/a.png");
        p.choose(textBackground, 1);
        p.prompts.fileName = QStringLiteral("/pictures/b.png");
        p.choose(textBackground, 1);
        QCOMPARE(textBackground->count(), 3);
        QCOMPARE(text.text.bgPicture, QStringLiteral("/pictures/b.png"));

        // The image panel: a cancelled choice keeps the colour background and disables its button.
        QVLedMediaObject image = itemOf(MediaKind::Image);
        p.host.media = &image;
        p.image.fill(image);
        QComboBox *imageBackground = p.combo(&p.image, 130, 36);
        p.prompts.fileName.clear();
        p.choose(imageBackground, 1);
        QVERIFY(image.image.bgIsColour);
        QVERIFY(!p.image.findChildren<QPushButton *>().first()->isEnabled());
        p.prompts.fileName = QStringLiteral("/pictures/c.png");
        p.choose(imageBackground, 1);
        QVERIFY(!image.image.bgIsColour);
        QCOMPARE(image.image.bgPicture, QStringLiteral("/pictures/c.png"));
        p.choose(imageBackground, 0);
        QVERIFY(image.image.bgIsColour);
        QCOMPARE(image.image.bgPicture, QStringLiteral("/pictures/c.png"));
    }

    void imageSlotsWriteTheirFields()
    {
        Panels p;
        QVLedMediaObject item = itemOf(MediaKind::Office);
        p.host.media = &item;
        p.image.fill(item);
        QCheckBox *coming = p.withText<QCheckBox>(&p.image, "Special Effect for Coming into the site");
        QComboBox *comingCombo = p.combo(&p.image, 310, 96);
        QVERIFY(!comingCombo->isEnabled());
        coming->setChecked(true);
        QVERIFY(item.image.comingOn && comingCombo->isEnabled());
        comingCombo->setCurrentIndex(13);
        QCOMPARE(item.image.comingStyle, 13);
        coming->setChecked(false);
        QVERIFY(!comingCombo->isEnabled());
        QCOMPARE(item.image.comingStyle, 13); // kept while the effect is off
        p.prompts.colourAnswer = QColor(10, 20, 30);
        item.image.bgIsColour = false;
        p.image.slotShowimageBKColorDialog();
        QCOMPARE(item.image.bgColour, QColor(10, 20, 30));
        QVERIFY(item.image.bgIsColour);
        p.prompts.fileName.clear();
        p.image.slotLoadImageBKMusic();
        QVERIFY(item.image.musicPath.isEmpty());
        p.prompts.fileName = QStringLiteral("/music/loop.mp3");
        p.image.slotLoadImageBKMusic();
        QCOMPARE(item.image.musicPath, QStringLiteral("/music/loop.mp3"));
        QVERIFY(p.host.previews.size() >= 5);
        QVERIFY(p.host.previews.count(MediaFamily::Image) == p.host.previews.size());
    }

    void theMainWindowFillsAndPreviewsASelectedItem()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        w.show();
        ProjectTree *tree = w.curProjectWidget->tree();
        CommonWinObject *window = tree->generalSegments.first()->programs.first()->windows.first();
        tree->slotSelectItemChecked();
        w.checkWindow(window, window->media, SegmentType::General);
        TextProperty block;
        block.text = QStringLiteral("Fish & chips <today>");
        tree->loadTextObject(MediaKind::SimpleText, 7, w.curDisplayName, window->segmentName, window->programName,
                             window->name, block);
        QVLedMediaObject *text = window->media.last();
        const QByteArray before = encoded(*text);
        emit tree->sigAddSimpleTextObject(0, text);
        QCOMPARE(w.textSetupLabel()->findChild<QTextEdit *>()->toPlainText(), block.text);
        QCOMPARE(encoded(*text), before);
        QVERIFY(w.textSetupLabel()->isVisibleTo(&w));
        CommonPlayWindow *area = w.displayWindows.first()->playWindows.value(0);
        QVERIFY(area);
        auto *texts = qobject_cast<TextContentPlayer *>(area->content().find(MediaFamily::Text));
        QVERIFY(texts && texts->widget()->isVisibleTo(area));
        QCOMPARE(texts->widget()->text, block.text);

        ImageProperty picture;
        picture.pixmap = QPixmap(20, 10);
        tree->loadImageObject(8, w.curDisplayName, window->segmentName, window->programName, window->name, picture);
        QVLedMediaObject *image = window->media.last();
        w.slotSelectMediaObject(image);
        QVERIFY(w.imageSetupLabel()->isVisibleTo(&w));
        QVERIFY(!w.textSetupLabel()->isVisibleTo(&w));
        auto *pictures = qobject_cast<ImageContentPlayer *>(area->content().find(MediaFamily::Image));
        QVERIFY(pictures && pictures->view()->isVisibleTo(area));
        QVERIFY(!texts->widget()->isVisibleTo(area));

        text->kind = MediaKind::Txt;
        w.slotSelectMediaObject(text);
        QVERIFY(!w.textSetupLabel()->findChild<QTextEdit *>()->isVisibleTo(w.textSetupLabel()));
    }
};

QTEST_MAIN(ImageTextPanelsTest)
#include "test_imagetextpanels.moc"

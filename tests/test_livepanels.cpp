// The clock, count-timer, web-page, streaming, camera and weather panels,
// each built alone on a host the test controls: what their controls store,
// what their fillers show, and the rules that differ from panel to panel.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "panels/AnalogClockPanel.h"
#include "panels/DigitalClockPanel.h"
#include "panels/DigitalTimerPanel.h"
#include "panels/StreamingPanel.h"
#include "panels/UrlPanel.h"
#include "panels/VideoDevicePanel.h"
#include "panels/WeatherPanel.h"
#include "panels/controls/ColourButton.h"
#include "support/FakePanelHost.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

Q_DECLARE_METATYPE(QVLedMediaObject *)

namespace {

// A panel of type P on a fake host, with a current item of `kind` and one media-table row.
template <typename P>
struct Bench
{
    explicit Bench(const QString &kind)
    {
        item.kind = kind;
        host.media = &item;
        host.rows = 1;
        host.currentRow = 0;
        windowPanel.resize(800, 600);
        panel = new P(host, &windowPanel);
    }
    template <typename Control>
    Control *control(const char *name) const
    {
        auto *found = panel->template findChild<Control *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // What the operator's choice in a combo box does.
    void activate(const char *name, int index)
    {
        auto *combo = control<QComboBox>(name);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    TestEnvironment env;
    ScriptedPrompts prompts;
    FakePanelHost host;
    QVLedMediaObject item;
    QWidget windowPanel;
    P *panel = nullptr;
};

QComboBox *chooserOf(QWidget *panel)
{
    return panel->findChild<QComboBox *>("background");
}

} // namespace

class LivePanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QVLedMediaObject *>(); }

    void analogSignAndClampedMarks()
    {
        Bench<AnalogClockPanel> b(MediaKind::AnalogClock);
        QSignalSpy changed(b.panel, &MediaPanel::sigQVMediaChanged);
        b.activate("timeDiffMode", 1);
        QCOMPARE(b.item.analogClock.timeDiffMode, 1);
        b.activate("timeDiffMode", 0);
        QCOMPARE(b.item.analogClock.timeDiffMode, 0);
        QCOMPARE(changed.size(), 2);

        // A loaded size outside 1..10 is shown clamped and stored as shown.
        b.item.analogClock.timeScaleWidth = 0;
        b.item.analogClock.timeScaleHeight = 15;
        b.item.analogClock.minuteScaleWidth = 4;
        b.item.analogClock.textFontSize = 33;
        b.panel->updateAnalogClockProperty(&b.item);
        QCOMPARE(b.control<QSpinBox>("timeScaleWidth")->value(), 1);
        QCOMPARE(b.control<QSpinBox>("timeScaleHeight")->value(), 10);
        QCOMPARE(b.item.analogClock.timeScaleWidth, 1);
        QCOMPARE(b.item.analogClock.timeScaleHeight, 10);
        QCOMPARE(b.item.analogClock.minuteScaleWidth, 4);
        QCOMPARE(b.item.analogClock.textFontSize, 33); // no control writes the font fields
        QCOMPARE(changed.size(), 2);                   // filling reports nothing

        b.control<QSpinBox>("minuteScaleHeight")->setValue(7);
        QCOMPARE(b.item.analogClock.minuteScaleHeight, 7);
    }

    void analogWritesOnlyIntoAnAnalogClock()
    {
        Bench<AnalogClockPanel> b(MediaKind::DigitalClock); // the current item is of another kind
        b.control<QCheckBox>("weekOn")->setChecked(true);
        QVERIFY(!b.item.analogClock.weekOn);
        QCOMPARE(b.host.previews.size(), 1); // the refresh follows all the same
        b.control<QTimeEdit>("playTime")->setTime(QTime(0, 1, 0));
        QCOMPARE(b.item.analogClock.playTime, QTime(0, 1, 0)); // the play time has no kind test

        // A colour chosen in picture mode switches an analog clock to colour mode.
        Bench<AnalogClockPanel> a(MediaKind::AnalogClock);
        a.item.analogClock.bgIsColour = false;
        a.item.analogClock.bgPicture = "/pictures/sea.png";
        a.panel->updateAnalogClockProperty(&a.item);
        a.panel->slotAnalogClockBKColorSet(QColor(9, 8, 7));
        QCOMPARE(a.item.analogClock.bgColour, QColor(9, 8, 7));
        QVERIFY(a.item.analogClock.bgIsColour);
        QCOMPARE(chooserOf(a.panel)->currentIndex(), 2); // the chooser keeps its entry
    }

    void digitalRadioPairsAreGroupsOfTheirOwn()
    {
        Bench<DigitalClockPanel> b(MediaKind::DigitalClock);
        b.item.digitalClock.twoDigit = true;
        b.item.digitalClock.hour12 = true;
        b.item.digitalClock.multiRow = false;
        b.panel->updateDigitalClockProperty(&b.item);
        auto *twoDigit = b.control<QRadioButton>("twoDigit");
        auto *hour12 = b.control<QRadioButton>("hour12");
        QVERIFY(twoDigit->isChecked() && hour12->isChecked());
        QVERIFY(b.host.previews.isEmpty());

        // "4-bit Years" stores false through the unchecking of "2-bit Years".
        QRadioButton *fourDigit = nullptr;
        for (QAbstractButton *button : twoDigit->group()->buttons())
            if (button != twoDigit)
                fourDigit = static_cast<QRadioButton *>(button);
        fourDigit->click();
        QVERIFY(!b.item.digitalClock.twoDigit);
        QVERIFY(b.item.digitalClock.hour12);
        QVERIFY(hour12->isChecked()); // the hour pair is left alone

        b.item.digitalClock.hour12 = false;
        b.panel->updateDigitalClockProperty(&b.item);
        QVERIFY(!hour12->isChecked());
        b.control<QRadioButton>("multiRow")->click();
        QVERIFY(b.item.digitalClock.multiRow);
        QVERIFY(!b.item.digitalClock.hour12 && !b.item.digitalClock.twoDigit);
    }

    void digitalFontListsKeepTheirEntryForAValueTheyLack()
    {
        Bench<DigitalClockPanel> b(MediaKind::DigitalClock);
        b.item.digitalClock.fontSize = 32;
        b.panel->updateDigitalClockProperty(&b.item);
        QCOMPARE(b.control<QComboBox>("fontSize")->currentText(), QString("32"));
        b.item.digitalClock.fontSize = 20;
        b.panel->updateDigitalClockProperty(&b.item);
        QCOMPARE(b.control<QComboBox>("fontSize")->currentText(), QString("32"));
        QCOMPARE(b.item.digitalClock.fontSize, 20);
        auto *size = b.control<QComboBox>("fontSize");
        size->setCurrentIndex(0);
        emit size->textActivated(size->currentText());
        QCOMPARE(b.item.digitalClock.fontSize, 8);
    }

    void timerDirectionStoresOnce()
    {
        Bench<DigitalTimerPanel> b(MediaKind::DigitalTimer);
        b.panel->updateDigitalTimerProperty(&b.item);
        QVERIFY(b.control<QRadioButton>("countDown")->isChecked());
        b.control<QRadioButton>("countUp")->click();
        QCOMPARE(b.item.digitalTimer.countMode, 1);
        QCOMPARE(b.host.previews.size(), 2); // the unchecking refreshes too, storing nothing

        b.item.digitalTimer.countMode = 7;
        b.panel->slotCountTimerDecrease(false);
        QCOMPARE(b.item.digitalTimer.countMode, 7);
        b.control<QSlider>("transparency")->setValue(10);
        QCOMPARE(b.item.digitalTimer.transparency, 10);
        b.control<QSlider>("transparency")->setValue(0);
        QCOMPARE(b.item.digitalTimer.transparency, 0);
    }

    void weatherTransparentDisablesThreeControls()
    {
        Bench<WeatherPanel> b(MediaKind::Weather);
        b.item.weather.bgIsColour = true;
        b.item.weather.bgColour = QColor(1, 2, 3);
        b.panel->updateWeatherProperty(&b.item);
        QComboBox *chooser = chooserOf(b.panel);
        auto *colour = b.panel->findChild<ColourButton *>("bgColour");
        auto *style = b.panel->findChild<QComboBox *>("bgImageStyle");
        QVERIFY(chooser->isEnabled() && colour->isEnabled());

        b.panel->findChild<QCheckBox *>("bgTransparent")->setChecked(true);
        QVERIFY(b.item.weather.bgTransparent);
        QVERIFY(!chooser->isEnabled() && !colour->isEnabled() && !style->isEnabled());
        QVERIFY(b.item.weather.bgIsColour);
        QCOMPARE(b.item.weather.bgColour, QColor(1, 2, 3));
        b.panel->findChild<QCheckBox *>("bgTransparent")->setChecked(false);
        QVERIFY(chooser->isEnabled() && colour->isEnabled() && style->isEnabled());
        QCOMPARE(b.host.previews, (QList<MediaFamily>{MediaFamily::Weather, MediaFamily::Weather}));
    }

    void cameraPictureChoiceAndColour()
    {
        Bench<VideoDevicePanel> b(MediaKind::VideoDevice);
        b.item.videoDevice.bgIsColour = false;
        b.item.videoDevice.bgPicture.clear();
        b.panel->updateVideoDeviceProperty(&b.item);
        QComboBox *chooser = chooserOf(b.panel);
        QCOMPARE(chooser->currentIndex(), 1); // no colour, no picture

        auto choose = [&](int index) {
            chooser->setCurrentIndex(index);
            emit chooser->activated(index);
        };
        b.prompts.fileName = "/pictures/sea.png";
        choose(1);
        QCOMPARE(b.item.videoDevice.bgPicture, QString("/pictures/sea.png"));
        b.prompts.fileName.clear();
        choose(0);
        QVERIFY(b.item.videoDevice.bgIsColour);
        choose(1); // cancelled: no colour, the picture kept
        QVERIFY(!b.item.videoDevice.bgIsColour);
        QCOMPARE(b.item.videoDevice.bgPicture, QString("/pictures/sea.png"));
        b.prompts.fileName = "/pictures/hill.png";
        choose(1); // a second picture replaces the first
        QCOMPARE(chooser->count(), 3);
        QCOMPARE(chooser->itemText(2), QString("/pictures/hill.png"));

        QVERIFY(!colourButtonOf(b.panel)->isEnabled()); // a picture background has no colour to choose

        // The colour goes into a camera item only, and leaves the colour mode alone.
        b.panel->slotVideoDeviceBKColorSet(QColor(4, 5, 6));
        QCOMPARE(b.item.videoDevice.bgColour, QColor(4, 5, 6));
        QVERIFY(!b.item.videoDevice.bgIsColour);
        b.item.kind = MediaKind::Weather;
        b.panel->slotVideoDeviceBKColorSet(QColor(7, 7, 7));
        QCOMPARE(b.item.videoDevice.bgColour, QColor(4, 5, 6));
    }

    void webPageAddressAndLocalPage()
    {
        Bench<UrlPanel> b(MediaKind::Url);
        QCOMPARE(UrlPanel::pageFilter("web file(*.html;*.htm;*.url)"), QString("web file(*.html *.htm *.url)"));
        b.panel->findChild<QLineEdit *>("address")->setText("http://example.org");
        QCOMPARE(b.item.url.address, QString("http://example.org"));
        QVERIFY(b.host.previews.isEmpty()); // a typed address does not reload the preview

        b.panel->slotOpenLocalUrl(); // cancelled
        QCOMPARE(b.item.url.address, QString("http://example.org"));
        b.prompts.fileName = "/pages/hall.html";
        b.panel->slotOpenLocalUrl();
        QCOMPARE(b.item.url.address, QString("/pages/hall.html"));
        QCOMPARE(b.panel->findChild<QLineEdit *>("address")->text(), QString("/pages/hall.html"));
        QCOMPARE(b.prompts.fileDialogs, (QStringList{"Open", "Open"}));

        b.panel->findChild<QTimeEdit *>("playTime")->setTime(QTime(0, 0, 30));
        QCOMPARE(b.item.url.playTime, QTime(0, 0, 30));
        QCOMPARE(b.host.previews, QList<MediaFamily>{MediaFamily::Url});

        b.host.media = nullptr;
        b.prompts.fileName = "/pages/other.html";
        b.panel->slotOpenLocalUrl(); // nothing current: no dialog
        QCOMPARE(b.prompts.fileDialogs.size(), 2);
    }

    // The page's position is never offered: filling leaves its hidden controls
    // alone, so the item keeps the position it was loaded with.
    void webPagePositionKeepsItsLoadedValues()
    {
        Bench<UrlPanel> b(MediaKind::Url);
        auto *x = b.control<QSpinBox>("posX");
        auto *y = b.control<QSpinBox>("posY");
        QVERIFY(x->isHidden() && y->isHidden());
        QCOMPARE(x->maximum(), 5000);
        b.item.url.posX = 120;
        b.item.url.posY = 45;
        b.panel->fill(&b.item);
        QCOMPARE(x->value(), 0);
        QCOMPARE(b.item.url.posX, 120);
        QCOMPARE(b.item.url.posY, 45);
        y->setValue(300); // what a program sets them to is stored, without a preview
        QCOMPARE(b.item.url.posY, 300);
        QVERIFY(b.host.previews.isEmpty());
    }

    void streamVolumeIsLiveOnlyOutsideRealPlay()
    {
        Bench<StreamingPanel> b(MediaKind::Streaming);
        QSignalSpy live(b.panel, &StreamingPanel::sigLiveVolumeChanged);
        b.control<QSlider>("volume")->setValue(40);
        QCOMPARE(b.item.streaming.volume, 40);
        QCOMPARE(live.size(), 1);
        QVERIFY(b.host.previews.isEmpty()); // the stream is not restarted

        b.host.displayPlays = true;
        b.control<QSlider>("volume")->setValue(60);
        QCOMPARE(b.item.streaming.volume, 60);
        QCOMPARE(live.size(), 1);

        b.host.displayPlays = false;
        b.item.kind = MediaKind::Url;
        b.control<QSlider>("volume")->setValue(70);
        QCOMPARE(b.item.streaming.volume, 60); // stored in a stream only
    }

private:
    static ColourButton *colourButtonOf(QWidget *panel) { return panel->findChild<ColourButton *>("bgColour"); }
};

QTEST_MAIN(LivePanelsTest)
#include "test_livepanels.moc"

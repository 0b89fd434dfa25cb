// What the operator sees of a colour property: each panel's colour buttons,
// grabbed as they are drawn, show the selected record's colour in their
// swatch, and a colour chosen afterwards takes its place.

#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/CommonFontSetDialog.h"
#include "panels/MediaPanel.h"
#include "panels/controls/ColourButton.h"
#include "shell/Widget.h"
#include "support/Probes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/TreeProbe.h"

#include <QFrame>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

const QString kProgram = QStringLiteral("General Segment1/Program1");
const QString kWindow = kProgram + QStringLiteral("/Common Window1");

// Sets every colour the record of a row holds, and whatever makes its buttons usable.
using Colouring = std::function<void(Widget &, QColor)>;

CommonWinObject *firstWindow(Widget &w)
{
    return w.curProjectWidget->tree()->generalSegments.value(0)->programs.value(0)->windows.value(0);
}

void borderColour(Widget &w, QColor c)
{
    firstWindow(w)->borderEnabled = true;
    firstWindow(w)->borderColour = c;
}

void programBackground(Widget &w, QColor c)
{
    w.curProjectWidget->tree()->generalSegments.value(0)->programs.value(0)->bgColour = c;
}

void textColours(QVLedMediaObject &item, QColor c)
{
    item.text.textColour = c;
    item.text.bgColour = c;
}

void pictureBackground(QVLedMediaObject &item, QColor c)
{
    item.image.bgIsColour = true;
    item.image.bgColour = c;
}

void analogClockColours(QVLedMediaObject &item, QColor c)
{
    AnalogClockProperty &clock = item.analogClock;
    clock.bgIsColour = true;
    for (QColor *field :
         {&clock.bgColour, &clock.textColour, &clock.dateColour, &clock.weekColour, &clock.timeScaleColour,
          &clock.minuteScaleColour, &clock.hourHandColour, &clock.minuteHandColour, &clock.secondHandColour})
        *field = c;
}

void digitalClockColours(QVLedMediaObject &item, QColor c)
{
    item.digitalClock.bgIsColour = true;
    item.digitalClock.bgColour = c;
    item.digitalClock.textColour = c;
}

void timerColours(QVLedMediaObject &item, QColor c)
{
    item.digitalTimer.bgIsColour = true;
    item.digitalTimer.bgColour = c;
    item.digitalTimer.numberColour = c;
}

void weatherBackground(QVLedMediaObject &item, QColor c)
{
    item.weather.bgIsColour = true;
    item.weather.bgColour = c;
}

void cameraBackground(QVLedMediaObject &item, QColor c)
{
    item.videoDevice.bgIsColour = true;
    item.videoDevice.bgColour = c;
}

void coverColour(QVLedMediaObject &item, QColor c)
{
    item.video.coverColour = c;
}

// A media item of the kind in the first window, its colours set by `colour`.
Colouring mediaItem(const QString &kind, void (*colour)(QVLedMediaObject &, QColor))
{
    return [kind, colour](Widget &w, QColor c) { colour(*appendItem(firstWindow(w), kind), c); };
}

QColor swatchCentre(ColourButton *button)
{
    const QImage drawn = button->grab().toImage();
    return QColor(drawn.pixel(button->swatch()->geometry().center()));
}

// The panel's colour buttons, those on tab pages not shown too, but none of a hidden media panel within it.
QList<ColourButton *> buttonsOf(QWidget *panel)
{
    QList<ColourButton *> buttons;
    for (ColourButton *button : panel->findChildren<ColourButton *>()) {
        bool hiddenPanel = false;
        for (QWidget *up = button->parentWidget(); up && up != panel; up = up->parentWidget())
            hiddenPanel = hiddenPanel || (qobject_cast<MediaPanel *>(up) && up->isHidden());
        if (!hiddenPanel)
            buttons << button;
    }
    return buttons;
}

// The property page shown and, within it, the media panel shown, if any.
QWidget *shownPanel(Widget &w)
{
    QWidget *shown = nullptr;
    for (PropertyPanel *panel : w.findChildren<PropertyPanel *>()) {
        if (panel->isVisible() && (!shown || shown->isAncestorOf(panel)))
            shown = panel;
    }
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(Colouring)

class ColourSwatchesTest : public QObject
{
    Q_OBJECT

private slots:
    void swatchesShowTheRecordsColourAndAChosenOne_data()
    {
        QTest::addColumn<QString>("selected"); // the tree item to click
        QTest::addColumn<Colouring>("colouring");
        QTest::addColumn<int>("buttons"); // colour buttons of the panel

        QTest::newRow("window border") << kWindow << Colouring(borderColour) << 1;
        QTest::newRow("program background") << kProgram << Colouring(programBackground) << 1;
        QTest::newRow("text") << kWindow << mediaItem(MediaKind::SimpleText, textColours) << 2;
        QTest::newRow("picture background") << kWindow << mediaItem(MediaKind::Image, pictureBackground) << 1;
        QTest::newRow("analog clock") << kWindow << mediaItem(MediaKind::AnalogClock, analogClockColours) << 9;
        QTest::newRow("digital clock") << kWindow << mediaItem(MediaKind::DigitalClock, digitalClockColours) << 2;
        QTest::newRow("count timer") << kWindow << mediaItem(MediaKind::DigitalTimer, timerColours) << 2;
        QTest::newRow("weather") << kWindow << mediaItem(MediaKind::Weather, weatherBackground) << 1;
        QTest::newRow("camera") << kWindow << mediaItem(MediaKind::VideoDevice, cameraBackground) << 1;
    }

    void swatchesShowTheRecordsColourAndAChosenOne()
    {
        QFETCH(QString, selected);
        QFETCH(Colouring, colouring);
        QFETCH(int, buttons);
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        w.show();
        const QColor recorded(10, 200, 30);
        colouring(w, recorded);
        ProjectTree *tree = w.curProjectWidget->tree();
        clickItem(tree, itemAt(tree, selected));

        QWidget *panel = shownPanel(w);
        QVERIFY(panel);
        const QList<ColourButton *> shown = buttonsOf(panel);
        QCOMPARE(shown.size(), buttons);
        for (ColourButton *button : shown)
            QCOMPARE(swatchCentre(button), recorded);

        prompts.colourAnswer = QColor(200, 40, 120);
        shown.first()->click();
        QCOMPARE(swatchCentre(shown.first()), prompts.colourAnswer);
    }

    // The cover text dialog of a video item shows the cover's colour.
    void theCoverDialogShowsTheCoversColour()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        Widget w;
        w.show();
        mediaItem(MediaKind::Video, coverColour)(w, QColor(240, 180, 20));
        ProjectTree *tree = w.curProjectWidget->tree();
        clickItem(tree, itemAt(tree, kWindow));
        QColor shown;
        prompts.onDialog = [&](QDialog *dialog) {
            auto *cover = static_cast<CommonFontSetDialog *>(dialog);
            cover->show();
            shown = swatchCentre(cover->colourButton());
            return int(QDialog::Accepted);
        };
        w.slotEditVideoText();
        QCOMPARE(shown, QColor(240, 180, 20));
    }
};

QTEST_MAIN(ColourSwatchesTest)
#include "test_colourswatches.moc"

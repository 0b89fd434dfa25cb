// The controls the panels share: the colour button, filling without running
// change slots, and the background-picture choice.

#include "panels/controls/BackgroundChooser.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/FillGuard.h"
#include "support/ScriptedPrompts.h"

#include <QComboBox>
#include <QFrame>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(BackgroundChooser::Choice)

namespace {

QStringList entries(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// A combo box wired the way a panel wires a property slot that writes a record.
struct WritingCombo
{
    QComboBox combo;
    int writes = 0;
    WritingCombo()
    {
        QObject::connect(&combo, qOverload<int>(&QComboBox::currentIndexChanged), [this](int) { ++writes; });
    }
};

} // namespace

class PanelControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<BackgroundChooser::Choice>(); }

    void colourButtonReportsOnlyAChosenColour()
    {
        ScriptedPrompts prompts;
        QWidget parent;
        ColourButton button(&parent);
        QCOMPARE(button.size(), QSize(150, 30));
        QCOMPARE(button.swatch()->geometry(), QRect(6, 6, 138, 18));
        QSignalSpy chosen(&button, &ColourButton::sigColourChosen);

        button.setColour(Qt::red); // a filler: shown, not reported
        QCOMPARE(chosen.size(), 0);

        button.click(); // cancelled
        QCOMPARE(prompts.colourDialogs, QList<QColor>{QColor(Qt::red)});
        QCOMPARE(button.colour(), QColor(Qt::red));
        QCOMPARE(button.swatch()->palette().color(QPalette::Window), QColor(Qt::red));
        QCOMPARE(chosen.size(), 0);

        prompts.colourAnswer = QColor(10, 200, 30);
        button.click();
        QCOMPARE(button.colour(), QColor(10, 200, 30));
        QCOMPARE(button.swatch()->palette().color(QPalette::Window), QColor(10, 200, 30));
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen.first().first().value<QColor>(), QColor(10, 200, 30));

        ColourButton small(&parent, QSize(90, 26), QRect(6, 4, 78, 16));
        QCOMPARE(small.size(), QSize(90, 26));
        QCOMPARE(small.swatch()->geometry(), QRect(6, 4, 78, 16));
    }

    void fillingRunsNoChangeSlot()
    {
        WritingCombo w;
        refillCombo(&w.combo, {"None", "Horizontal gradient(six colors)", "Vertical gradient(six colors)"}, 2);
        QCOMPARE(w.combo.count(), 3);
        QCOMPARE(w.combo.currentIndex(), 2);
        refillCombo(&w.combo, {"None", "Rainbow streamer word"}, 0);
        QCOMPARE(entries(w.combo), QStringList({"None", "Rainbow streamer word"}));
        QCOMPARE(w.combo.currentIndex(), 0);
        refillCombo(&w.combo, {"a"}, 5); // clamped to the items
        QCOMPARE(w.combo.currentIndex(), 0);
        {
            const FillGuard outer{&w.combo};
            {
                const FillGuard inner{&w.combo, nullptr};
                w.combo.addItem("b");
                w.combo.setCurrentIndex(1);
            }
            w.combo.setCurrentIndex(0); // the outer guard still holds
        }
        QCOMPARE(w.writes, 0);

        w.combo.setCurrentIndex(1); // after filling, the slot runs again
        QCOMPARE(w.writes, 1);
    }

    void backgroundChooserFillsSilently()
    {
        QComboBox combo;
        BackgroundChooser chooser(&combo, BackgroundChooser::colourFirst);
        QSignalSpy chosen(&chooser, &BackgroundChooser::sigChosen);

        chooser.fill(true, QString());
        QCOMPARE(entries(combo), QStringList({"Color", "Please Select background picture"}));
        QCOMPARE(combo.currentIndex(), 0);
        chooser.fill(false, QString());
        QCOMPARE(combo.currentIndex(), 1);
        chooser.fill(false, "/pictures/sea.png");
        QCOMPARE(entries(combo), QStringList({"Color", "Please Select background picture", "/pictures/sea.png"}));
        QCOMPARE(combo.currentIndex(), 2);
        chooser.fill(true, "/pictures/sea.png"); // a colour background keeps its picture listed
        QCOMPARE(combo.count(), 3);
        QCOMPARE(combo.currentIndex(), 0);

        chooser.fill(false, "/pictures/sea.png");
        chooser.retranslate();
        QCOMPARE(entries(combo), QStringList({"Color", "Please Select background picture", "/pictures/sea.png"}));
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(chosen.size(), 0);

        QComboBox programCombo;
        BackgroundChooser programChooser(&programCombo, BackgroundChooser::noPictureFirst);
        programChooser.retranslate(); // a never-filled box shows its first entry
        QCOMPARE(entries(programCombo), QStringList({"No background picture", "Please Select background picture"}));
        QCOMPARE(programCombo.currentIndex(), 0);
    }

    void backgroundChooserAsksForAPicture()
    {
        ScriptedPrompts prompts;
        QComboBox combo;
        BackgroundChooser chooser(&combo, BackgroundChooser::colourFirst);
        QSignalSpy chosen(&chooser, &BackgroundChooser::sigChosen);
        chooser.fill(true, QString());

        auto choose = [&](int index) {
            combo.setCurrentIndex(index);
            emit combo.activated(index);
        };
        auto last = [&] {
            const QList<QVariant> args = chosen.last();
            return qMakePair(args.at(0).value<BackgroundChooser::Choice>(), args.at(1).toString());
        };

        choose(1); // cancelled: nothing to store, the entry stays
        QCOMPARE(prompts.fileDialogs, QStringList{"Open"});
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::NoPicture, QString()));
        QCOMPARE(combo.count(), 2);
        QCOMPARE(combo.currentIndex(), 1);

        prompts.fileName = "/pictures/sea.png";
        choose(1);
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::Picture, QStringLiteral("/pictures/sea.png")));
        QCOMPARE(combo.currentIndex(), 2);

        prompts.fileName = "/pictures/hill.jpg";
        choose(1); // a second picture replaces the first
        QCOMPARE(entries(combo), QStringList({"Color", "Please Select background picture", "/pictures/hill.jpg"}));
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::Picture, QStringLiteral("/pictures/hill.jpg")));

        prompts.fileName.clear();
        choose(1); // cancelled again: the listed picture stays
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::NoPicture, QString()));
        QCOMPARE(chooser.picture(), QStringLiteral("/pictures/hill.jpg"));
        QCOMPARE(combo.currentIndex(), 1);

        choose(2);
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::Picture, QStringLiteral("/pictures/hill.jpg")));
        choose(0);
        QCOMPARE(last(), qMakePair(BackgroundChooser::Choice::First, QString()));
        QCOMPARE(chosen.size(), 6);
    }
};

QTEST_MAIN(PanelControlsTest)
#include "test_panelcontrols.moc"

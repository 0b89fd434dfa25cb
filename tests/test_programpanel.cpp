// The program panel built alone against a fake main window: filling and
// retranslating write nothing, the background colour and picture, the
// music list and the play modes.

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/controls/ColourButton.h"
#include "panels/controls/LengthEdit.h"
#include "support/FakePanelHost.h"
#include "support/ScriptedPrompts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

Q_DECLARE_METATYPE(ProgramObject *)

namespace {

struct Rig
{
    FakePanelHost host;
    ProgramPanel panel{host, &host.window};
    QSignalSpy changes{&panel, &ProgramPanel::sigProgramChanged};
    ProgramObject program;

    Rig()
    {
        panel.trUpdate();
        program.name = QStringLiteral("Program1");
        host.program = &program;
        panel.fill(&program, SegmentType::General);
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < panel.musicTable()->rowCount(); ++row)
            texts << panel.musicTable()->item(row, 0)->text();
        return texts;
    }
    QStringList pictureEntries() const
    {
        QStringList entries;
        for (int i = 0; i < panel.pictureCombo()->count(); ++i)
            entries << panel.pictureCombo()->itemText(i);
        return entries;
    }
    // The operator picks an entry of the picture list.
    void choosePicture(int index)
    {
        panel.pictureCombo()->setCurrentIndex(index);
        emit panel.pictureCombo()->activated(index);
    }
};

QVariantList fieldsOf(const ProgramObject &p)
{
    return {p.name,    p.segmentName, p.displayName, p.bgColour,   p.bgPicture,    p.displayType,
            p.bgMusic, p.playMode,    p.playTimes,   p.playLength, p.windowCounter};
}

} // namespace

class ProgramPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<ProgramObject *>(); }

    void fillingAndRetranslatingWriteNothing()
    {
        Rig rig;
        ScriptedPrompts prompts;
        ProgramObject pictured;
        pictured.name = QStringLiteral("Pictured");
        pictured.bgColour = QColor(10, 20, 30);
        pictured.bgPicture = QStringLiteral("/pictures/a.png");
        pictured.displayType = 0;
        pictured.bgMusic = QStringList{"/music/a.mp3", "/music/b.mp3"};
        pictured.playMode = 2;
        pictured.playTimes = 20000; // beyond the times box
        pictured.playLength = QTime(1, 2, 3);
        ProgramObject plain;
        plain.playMode = 1;
        plain.displayType = 1;
        const QVariantList picturedBefore = fieldsOf(pictured);
        const QVariantList plainBefore = fieldsOf(plain);

        rig.host.program = &plain;
        rig.panel.fill(&plain, SegmentType::General);
        QVERIFY(rig.panel.lengthEdit()->isEnabled() && !rig.panel.timesSpin()->isEnabled());
        rig.host.program = &pictured;
        rig.panel.fill(&pictured, SegmentType::General);
        QVERIFY(rig.panel.loopRadio()->isChecked());
        QVERIFY(!rig.panel.lengthEdit()->isEnabled() && !rig.panel.timesSpin()->isEnabled());
        QCOMPARE(rig.pictureEntries(),
                 QStringList({"No background picture", "Please Select background picture", "/pictures/a.png"}));
        QCOMPARE(rig.panel.pictureCombo()->currentIndex(), 2);
        QCOMPARE(rig.panel.colourButton()->colour(), QColor(10, 20, 30));
        QCOMPARE(rig.rows(), pictured.bgMusic);

        rig.panel.trUpdate(); // the language change refills both lists
        QCOMPARE(rig.panel.pictureCombo()->currentIndex(), 2);
        QCOMPARE(rig.panel.displayTypeCombo()->currentIndex(), 0);
        QCOMPARE(rig.panel.displayTypeCombo()->count(), 2);

        QCOMPARE(fieldsOf(pictured), picturedBefore);
        QCOMPARE(fieldsOf(plain), plainBefore);
        QCOMPARE(rig.changes.size(), 0);
        QVERIFY(prompts.fileDialogs.isEmpty());
        QVERIFY(rig.host.backgroundPictures.isEmpty());

        // the play modes are for programs of general segments only
        for (const QString type : {SegmentType::Cycle, SegmentType::Timing, SegmentType::General}) {
            rig.panel.fill(&pictured, type);
            QCOMPARE(rig.panel.loopRadio()->isHidden(), type != SegmentType::General);
            QCOMPARE(rig.panel.timesSpin()->isHidden(), type != SegmentType::General);
        }
        QCOMPARE(fieldsOf(pictured), picturedBefore);
    }

    void backgroundPicture()
    {
        Rig rig;
        ScriptedPrompts prompts;
        // a cancelled file dialog stores nothing, but reports and shows the stored picture
        rig.program.bgPicture = QStringLiteral("/kept.png");
        rig.choosePicture(1);
        QCOMPARE(prompts.fileDialogs.size(), 1);
        QCOMPARE(rig.program.bgPicture, QStringLiteral("/kept.png"));
        QCOMPARE(rig.panel.pictureCombo()->currentIndex(), 1);
        QCOMPARE(rig.changes.size(), 1);
        QCOMPARE(rig.host.backgroundPictures, QStringList{"/kept.png"});

        prompts.fileName = QStringLiteral("/first.png");
        rig.choosePicture(1);
        prompts.fileName = QStringLiteral("/second.png");
        rig.choosePicture(1); // replaces entry 2
        QCOMPARE(rig.pictureEntries(),
                 QStringList({"No background picture", "Please Select background picture", "/second.png"}));
        QCOMPARE(rig.program.bgPicture, QStringLiteral("/second.png"));
        rig.choosePicture(0);
        QVERIFY(rig.program.bgPicture.isEmpty());
        rig.choosePicture(2);
        QCOMPARE(rig.program.bgPicture, QStringLiteral("/second.png"));
        QCOMPARE(rig.host.backgroundPictures,
                 QStringList({"/kept.png", "/first.png", "/second.png", "", "/second.png"}));
        QCOMPARE(rig.changes.size(), 5);
    }

    void backgroundColourAndDisplayType()
    {
        Rig rig;
        ScriptedPrompts prompts;
        prompts.colourAnswer = QColor(200, 100, 0);
        rig.panel.colourButton()->click();
        QCOMPARE(rig.program.bgColour, QColor(200, 100, 0));
        QCOMPARE(rig.host.backgroundColours, QList<QColor>{QColor(200, 100, 0)});
        prompts.colourAnswer = QColor(); // cancelled
        rig.panel.colourButton()->click();
        QCOMPARE(rig.program.bgColour, QColor(200, 100, 0));
        rig.panel.displayTypeCombo()->setCurrentIndex(0);
        QCOMPARE(rig.program.displayType, 0);
        QCOMPARE(rig.changes.size(), 2);
    }

    void backgroundMusic()
    {
        Rig rig;
        ScriptedPrompts prompts;
        for (const char *file : {"a", "b", "c"}) {
            prompts.fileName = QString::fromLatin1(file);
            rig.panel.slotAddBKMusic();
        }
        prompts.fileName.clear();
        rig.panel.slotAddBKMusic(); // cancelled
        QCOMPARE(rig.program.bgMusic, QStringList({"c", "b", "a"}));
        QCOMPARE(rig.rows(), rig.program.bgMusic);

        QTableWidget *table = rig.panel.musicTable();
        table->setCurrentCell(0, 0);
        rig.panel.slotUpBKMusic(); // first up: nothing
        table->setCurrentCell(2, 0);
        rig.panel.slotDownBKMusic(); // last down: nothing
        QCOMPARE(rig.program.bgMusic, QStringList({"c", "b", "a"}));
        rig.panel.slotUpBKMusic();
        QCOMPARE(rig.program.bgMusic, QStringList({"c", "a", "b"}));
        QCOMPARE(table->currentRow(), 2); // the selection stays on its row
        table->setCurrentCell(0, 0);
        rig.panel.slotDownBKMusic();
        QCOMPARE(rig.program.bgMusic, QStringList({"a", "c", "b"}));
        QCOMPARE(rig.rows(), rig.program.bgMusic);

        // delete with no row: asked, then nothing
        prompts.answer = QMessageBox::Yes;
        table->setCurrentCell(-1, -1);
        rig.panel.slotDelBKMusic();
        QCOMPARE(prompts.questions, QStringList{"Are you sure to delete the selected media?"});
        QCOMPARE(rig.program.bgMusic.size(), 3);
        table->setCurrentCell(1, 0);
        prompts.answer = QMessageBox::No;
        rig.panel.slotDelBKMusic();
        QCOMPARE(rig.program.bgMusic.size(), 3);
        prompts.answer = QMessageBox::Yes;
        rig.panel.slotDelBKMusic();
        QCOMPARE(rig.program.bgMusic, QStringList({"a", "b"}));
        QCOMPARE(rig.rows(), rig.program.bgMusic);

        prompts.answer = QMessageBox::No;
        rig.panel.slotClearBKMusic();
        QCOMPARE(rig.program.bgMusic.size(), 2);
        prompts.answer = QMessageBox::Yes;
        rig.panel.slotClearBKMusic();
        QVERIFY(rig.program.bgMusic.isEmpty());
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(rig.changes.size(), 0); // the music list reports nothing
    }

    void playModes()
    {
        Rig rig;
        rig.panel.timesSpin()->setValue(3);
        rig.panel.lengthRadio()->setChecked(true);
        rig.panel.lengthEdit()->setTime(QTime(0, 10, 0));
        QCOMPARE(rig.program.playMode, 1);
        rig.panel.loopRadio()->setChecked(true); // only the mode changes
        QCOMPARE(rig.program.playMode, 2);
        QCOMPARE(rig.program.playTimes, 3);
        QCOMPARE(rig.program.playLength, QTime(0, 10, 0));
        QVERIFY(!rig.panel.timesSpin()->isEnabled() && !rig.panel.lengthEdit()->isEnabled());
        rig.panel.timesRadio()->setChecked(true);
        QCOMPARE(rig.program.playMode, 0);
        QVERIFY(rig.panel.timesSpin()->isEnabled() && !rig.panel.lengthEdit()->isEnabled());
        QCOMPARE(rig.changes.size(), 5);
    }

    void namesAndNoProgram()
    {
        Rig rig;
        ScriptedPrompts prompts;
        rig.panel.nameEdit()->setText(QString());
        QCOMPARE(rig.program.name, QStringLiteral("P"));
        QCOMPARE(rig.panel.nameEdit()->text(), QStringLiteral("P"));
        rig.program.name.clear();
        rig.panel.slotProgramNameChange(QString());
        QVERIFY(rig.program.name.isEmpty());
        QCOMPARE(rig.changes.size(), 2);

        // nothing current: no slot writes, reports or asks
        rig.host.program = nullptr;
        const QVariantList before = fieldsOf(rig.program);
        prompts.fileName = QStringLiteral("x");
        prompts.answer = QMessageBox::Yes;
        rig.panel.slotProgramNameChange("y");
        rig.panel.slotProgramBKColorSet(Qt::red);
        rig.panel.slotProgramBKImageChange(0);
        rig.panel.displayTypeCombo()->setCurrentIndex(0);
        rig.panel.timesSpin()->setValue(7);
        rig.panel.loopRadio()->setChecked(true);
        rig.panel.slotAddBKMusic();
        rig.panel.slotClearBKMusic();
        QCOMPARE(fieldsOf(rig.program), before);
        QCOMPARE(rig.changes.size(), 2);
        QVERIFY(prompts.fileDialogs.isEmpty() && prompts.questions.isEmpty());
    }
};

QTEST_MAIN(ProgramPanelTest)
#include "test_programpanel.moc"

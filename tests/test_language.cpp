// The language command and the retranslation: what a choice changes (and
// what it must not: records, the state of the two-state buttons, the texts
// that keep the start-up language).

#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "fixtures/ScheduleFixtures.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "panels/ProgramPanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/WindowPanel.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "shell/dialogs/BootSetupWin.h"
#include "shell/dialogs/JournalWin.h"
#include "shell/dialogs/LanguageSetupWin.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <functional>

namespace {

QString zh(const char *text)
{
    return QString::fromUtf8(text);
}

// Starts like the program: the settings' language decides the catalogues.
void startIn(int language)
{
    AppContext::Language = language;
    AppContext::installTranslators();
}

// Answers the language dialog by one of its ways out.
enum class Answer { Cancel, Escape, Chinese, English, Unchanged };

std::function<int(QDialog *)> answerLanguage(Answer answer)
{
    return [answer](QDialog *dialog) {
        auto *win = qobject_cast<LanguageSetupWin *>(dialog);
        if (!win)
            return int(QDialog::Rejected);
        switch (answer) {
        case Answer::Cancel:
            win->cancelButton->click();
            break;
        case Answer::Escape:
            QTest::keyClick(win, Qt::Key_Escape);
            break;
        case Answer::Chinese:
            win->chineseBox->setChecked(true);
            win->okButton->click();
            break;
        case Answer::English:
            win->englishBox->setChecked(true);
            win->okButton->click();
            break;
        case Answer::Unchanged:
            win->okButton->click();
            break;
        }
        return win->result();
    };
}

void chooseLanguage(Widget &w, ScriptedPrompts &prompts, Answer answer)
{
    prompts.onDialog = answerLanguage(answer);
    w.slotSetupLanguage();
}

// One visible text of each window the command retranslates.
QStringList sampleTexts(Widget &w)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    return {w.lockButton->caption,
            w.playButton->caption,
            w.mainMenu->newButton->caption,
            w.mainMenu->languageButton->caption,
            tree->addProgramAction->text(),
            w.displayWindowButtons.value(0)->settingAction->text(),
            w.bootSetupWin()->startBox->text(),
            w.journalWin()->lookUpButton->text()};
}

const QStringList kEnglish{"winlock",  "play",   "New", "language", "Add Programs", "Led Display Parameter Setting",
                           "Start-up", "Look up"};
const QStringList kChinese{zh("锁定"),     zh("播放"),           zh("新建"),     zh("语言"),
                           zh("添加节目"), zh("显示屏参数设置"), zh("开机启动"), zh("查询")};

QVariant storedLanguage(const TestEnvironment &env)
{
    return QSettings(env.path("setting.ini"), QSettings::IniFormat).value("Language");
}

// Every combo box of the window, with the items it holds twice.
QStringList duplicatedItems(Widget &w)
{
    QStringList doubled;
    for (QComboBox *box : w.findChildren<QComboBox *>()) {
        QStringList seen;
        for (int i = 0; i < box->count(); ++i) {
            if (seen.contains(box->itemText(i)))
                doubled << box->objectName() + ": " + box->itemText(i);
            seen << box->itemText(i);
        }
    }
    return doubled;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppContext::reset(); }

    void eachWayOutOfTheDialog()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        startIn(1);
        Widget w;
        QCOMPARE(sampleTexts(w), kEnglish);

        // Cancel and Escape change nothing, also at the first use.
        for (Answer answer : {Answer::Escape, Answer::Cancel, Answer::Escape}) {
            chooseLanguage(w, prompts, answer);
            QVERIFY(!QFile::exists(env.path("setting.ini")));
            QCOMPARE(AppContext::Language, 1);
            QCOMPARE(sampleTexts(w), kEnglish);
        }

        chooseLanguage(w, prompts, Answer::Chinese);
        QCOMPARE(storedLanguage(env), QVariant(0));
        QCOMPARE(sampleTexts(w), kChinese);
        QCOMPARE(w.mainMenu->languageButton->caption, zh("语言"));

        // an Escape after an OK is still a cancel
        chooseLanguage(w, prompts, Answer::Escape);
        QCOMPARE(sampleTexts(w), kChinese);

        chooseLanguage(w, prompts, Answer::English);
        QCOMPARE(storedLanguage(env), QVariant(1));
        QCOMPARE(sampleTexts(w), kEnglish);

        // OK with the language unchanged still writes the file and retranslates
        QVERIFY(QFile::remove(env.path("setting.ini")));
        chooseLanguage(w, prompts, Answer::Unchanged);
        QCOMPARE(storedLanguage(env), QVariant(1));
        QVERIFY(w.languageWin()->englishBox->isChecked());
        QCOMPARE(sampleTexts(w), kEnglish);
    }

    void someTextsKeepTheStartUpLanguage()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        startIn(1);
        Widget w;
        w.slotAddDisplayWindow(); // cancelled: the tree menus of one display window
        chooseLanguage(w, prompts, Answer::Chinese);

        QStringList headers;
        for (QLabel *label : w.mainMenu->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            if (!label->text().isEmpty())
                headers << label->text();
        QCOMPARE(headers, (QStringList{"solution", "control", "set system", "set system"}));
        QCOMPARE(w.minimizeButton->toolTip(), QStringLiteral("minimization"));
        QCOMPARE(w.closeButton->toolTip(), QStringLiteral("close"));
        QCOMPARE(w.titleBar->text(), QStringLiteral("          QV LED Player 1.0.5"));
        QCOMPARE(w.mainMenu->helpButton->caption, zh("帮助"));
    }

    // Panels first asked for after a change of language come in that
    // language, exactly as the ones made before it were retranslated.
    void panelsMadeAfterAChangeOfLanguageComeInIt()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        startIn(1);
        Widget w;
        chooseLanguage(w, prompts, Answer::Chinese);
        const auto texts = [](QWidget *panel) {
            QStringList shown;
            for (QLabel *label : panel->findChildren<QLabel *>())
                shown << label->text();
            for (QAbstractButton *button : panel->findChildren<QAbstractButton *>())
                shown << button->text();
            return shown;
        };
        const QList<QWidget *> late{w.segmentSetupLabel(), w.timingSegmentSetupLabel(), w.programSetupLabel(),
                                    w.commonWinSetupLabel(), w.timePointDialog()};
        QList<QStringList> madeInChinese;
        for (QWidget *panel : late)
            madeInChinese << texts(panel);

        chooseLanguage(w, prompts, Answer::English);
        for (int i = 0; i < late.size(); ++i)
            QVERIFY2(texts(late.at(i)) != madeInChinese.at(i), late.at(i)->metaObject()->className());
        chooseLanguage(w, prompts, Answer::Chinese);
        for (int i = 0; i < late.size(); ++i)
            QCOMPARE(texts(late.at(i)), madeInChinese.at(i));
    }

    // A "Language" outside 0 and 1 at start shows the source texts; a choice
    // then translates at once.
    void anUnknownLanguageAtStartThenAChoice()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        startIn(5);
        Widget w;
        QCOMPARE(sampleTexts(w), kEnglish);
        QVERIFY(!w.languageWin()->chineseBox->isChecked() && !w.languageWin()->englishBox->isChecked());
        chooseLanguage(w, prompts, Answer::Chinese);
        QCOMPARE(AppContext::Language, 0);
        QCOMPARE(sampleTexts(w), kChinese);
    }

    // Each two-state button keeps its state across a change of language,
    // and a press then does the opposite command.
    void twoStateButtonsAcrossALanguageChange_data()
    {
        QTest::addColumn<QString>("state");
        for (const char *state :
             {"locked", "hidden", "back-stage", "folded", "playing", "paused", "stopped after an unattended start"})
            QTest::newRow(state) << QString::fromLatin1(state);
    }

    void twoStateButtonsAcrossALanguageChange()
    {
        QFETCH(QString, state);
        TestEnvironment env;
        ScriptedPrompts prompts;
        AppContext::screenList = {ScreenRect{0, QRect(0, 0, 1920, 1080)}, ScreenRect{1, QRect(1920, 0, 1280, 1024)}};
        startIn(1);
        Widget w;
        w.show();
        ProjectTree *tree = w.curProjectWidget->tree();
        MainPlayBKLabel *display = w.displayWindows.first();
        CommonWinObject *window = tree->generalSegments.first()->programs.first()->windows.first();
        auto *item = new QVLedMediaObject;
        item->kind = MediaKind::SimpleText;
        item->windowName = window->name;
        item->programName = window->programName;
        item->segmentName = window->segmentName;
        item->displayName = w.curDisplayName;
        window->media.append(item);

        struct Case
        {
            menuButton *button;
            const char *onCaption; // source text of the face in this state
            const char *onChinese;
            std::function<void()> enter;
            std::function<bool()> isOn;
        };
        const QMap<QString, Case> cases{
            {"locked",
             {w.lockButton, "winunlock", "解锁", [&] { w.slotOverallLock(); }, [&] { return display->locked; }}},
            {"hidden",
             {w.hideButton, "winshow", "显示", [&] { w.slotWinHide(); }, [&] { return display->isHidden(); }}},
            {"back-stage",
             {w.backstageButton, "frontground", "前台", [&] { w.slotBackstage(); },
              [&] { return display->pos() == QPoint(1920, 0); }}},
            {"folded",
             {w.winUpButton, "win-show", "展开", [&] { w.slotWinup(); }, [&] { return w.workArea->isHidden(); }}},
            {"playing",
             {w.playButton, "pause", "暂停", [&] { w.slotOverallPlay(); },
              [&] { return tree->playing && !tree->paused; }}},
            {"paused",
             {w.playButton, "play", "播放",
              [&] {
                  w.slotOverallPlay();
                  w.slotOverallPlay();
              },
              [&] { return tree->playing && tree->paused; }}},
            {"stopped after an unattended start",
             {w.playButton, "play", "播放",
              [&] {
                  w.slotStartLast();
                  w.slotOverallStop();
              },
              [&] { return !tree->playing; }}},
        };
        const Case c = cases.value(state);
        c.enter();
        QVERIFY(c.isOn());
        QCOMPARE(c.button->caption, QString::fromLatin1(c.onCaption));

        chooseLanguage(w, prompts, Answer::Chinese);
        QVERIFY(c.isOn());
        QCOMPARE(c.button->caption, zh(c.onChinese));

        emit c.button->sigBtnPressed();
        QVERIFY(!c.isOn());
        QVERIFY(c.button->caption != zh(c.onChinese));
        chooseLanguage(w, prompts, Answer::English);
        QVERIFY(!c.isOn());
        QVERIFY(c.button->caption != QString::fromLatin1(c.onCaption));
        w.slotOverallStop();
    }

    // Selecting every record and item and retranslating twice leaves the
    // schedule as it was loaded, byte for byte, and no box fills up twice.
    void retranslationChangesNoRecord()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        startIn(1);
        // One item of each kind, every stored field off its default. What
        // counts is the program's own save of it, untouched.
        const ScheduleFixture fixture = Fixtures::structureSchedule(true);
        QFile source(env.path("fixture.qvsc"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write(fixture.golden);
        source.close();
        Widget w;
        w.show();
        w.slotOpenSettingsDoc(source.fileName());
        ProjectTree *tree = w.curProjectWidget->tree();

        // Every record and media row selected in turn, each followed by `between`.
        auto selectEverything = [&](const std::function<void()> &between) {
            int rowsSelected = 0;
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                tree->curItem = *it;
                tree->slotSelectItemChecked();
                between();
                // the media table belongs to the window shown last
                const int rows = w.commonWinSetupLabel()->isHidden() ? 0 : w.mediaTable()->rowCount();
                for (int row = 0; row < rows; ++row, ++rowsSelected) {
                    w.mediaTable()->selectRow(row);
                    w.slotCommonItemTableSelectionChanged();
                    if (!w.curMedia)
                        return -1;
                    between();
                }
            }
            return rowsSelected;
        };
        // Selecting alone may settle a stored value (a window's position is
        // brought within its bounds when it is shown): that is the baseline.
        QCOMPARE(selectEverything([] {}), 14);
        const QString untouched = env.path("untouched.qvsc");
        QVERIFY(w.document->saveSchedule(untouched));

        auto retranslateTwice = [&] {
            chooseLanguage(w, prompts, Answer::Chinese);
            chooseLanguage(w, prompts, Answer::English);
        };
        const int mediaRows = selectEverything(retranslateTwice);
        QCOMPARE(mediaRows, 14); // one item of each kind was selected

        QVERIFY(w.document->saveSchedule(env.path("saved.qvsc")));
        QFile saved(env.path("saved.qvsc"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QFile original(untouched);
        QVERIFY(original.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), original.readAll());
        QCOMPARE(duplicatedItems(w), QStringList());
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"

// Lock, hide, back-stage and the monitor on desktops of one, two and three
// screens (the screen list is set by the test).

#include "base/AppContext.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "platform/ScreenGrabber.h"
#include "playback/CommonPlayWindow.h"
#include "playback/CoverWindows.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"
#include "shell/dialogs/ExtendWin.h"
#include "shell/dialogs/MonitorWin.h"
#include "shell/menuButton.h"
#include "support/AddDisplayWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

namespace {

QList<ScreenRect> screens(int count)
{
    const QRect all[] = {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024), QRect(3200, 100, 800, 600)};
    QList<ScreenRect> list;
    for (int i = 0; i < count; ++i)
        list << ScreenRect{i, all[i]};
    return list;
}

QVariant backStageFlag(const TestEnvironment &env)
{
    return QSettings(env.path("setting.ini"), QSettings::IniFormat).value("BackStageFlag");
}

// Remembers the rectangles asked for and answers with a plain picture.
class FakeGrabber : public ScreenGrabber
{
public:
    FakeGrabber() { ScreenGrabber::install(this); }
    ~FakeGrabber() override { ScreenGrabber::install(nullptr); }
    QList<QRect> asked;
    QPixmap grab(const QRect &rect) override
    {
        asked << rect;
        QPixmap picture(rect.size());
        picture.fill(Qt::green);
        return picture;
    }
};

struct Desk
{
    TestEnvironment env;
    ScriptedPrompts prompts;
    std::unique_ptr<Widget> w;

    explicit Desk(int screenCount)
    {
        AppContext::screenList = screens(screenCount);
        w.reset(new Widget);
        w->show();
    }
    ~Desk() { w.reset(); }
    MainPlayBKLabel *display(int i) const { return w->displayWindows.value(i); }
    void add(const QPoint &pos)
    {
        prompts.onDialog = addDisplayWindowAt(pos);
        w->slotAddDisplayWindow();
    }
};

} // namespace

class DesktopCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { AppContext::reset(); }

    void backStage_data()
    {
        QTest::addColumn<int>("screenCount");
        QTest::addColumn<QPoint>("backStagePos");
        QTest::addColumn<QVariant>("flagIn");
        QTest::addColumn<QVariant>("flagOut");
        QTest::newRow("one screen") << 1 << QPoint(0, 0) << QVariant() << QVariant();
        QTest::newRow("two screens") << 2 << QPoint(1920, 0) << QVariant(1) << QVariant(0);
        // the choice offers the screens after the primary one; the first radio is screen 1
        QTest::newRow("three screens") << 3 << QPoint(1920, 0) << QVariant() << QVariant();
    }
    void backStage()
    {
        QFETCH(int, screenCount);
        QFETCH(QPoint, backStagePos);
        QFETCH(QVariant, flagIn);
        QFETCH(QVariant, flagOut);
        Desk d(screenCount);
        Widget &w = *d.w;
        const PlayWinObject before = *w.currentPlayWinObject;
        d.prompts.onDialog = [](QDialog *dialog) {
            auto *choice = qobject_cast<ExtendWin *>(dialog);
            if (!choice)
                return int(QDialog::Rejected);
            choice->okButton->click();
            return choice->result();
        };
        w.slotBackstage();
        const bool moves = screenCount > 1;
        QCOMPARE(w.backstageButton->caption, moves ? QStringLiteral("frontground") : QStringLiteral("background"));
        QCOMPARE(d.display(0)->pos(), backStagePos);
        QCOMPARE(w.currentPlayWinObject->backStage, moves);
        QCOMPARE(backStageFlag(d.env), flagIn);
        QCOMPARE(w.currentPlayWinObject->x, before.x);
        QCOMPARE(w.currentPlayWinObject->y, before.y);

        w.slotBackstage();
        QCOMPARE(w.backstageButton->caption, QStringLiteral("background"));
        QCOMPARE(d.display(0)->pos(), QPoint(0, 0));
        QVERIFY(!w.currentPlayWinObject->backStage);
        QCOMPARE(backStageFlag(d.env), flagOut);
    }

    void threeScreensTheOtherChoiceAndCancel()
    {
        Desk d(3);
        Widget &w = *d.w;
        // the second radio: screen entry 2
        d.prompts.onDialog = [](QDialog *dialog) {
            auto *choice = qobject_cast<ExtendWin *>(dialog);
            if (!choice || choice->screenButtons.size() != 2
                || choice->screenButtons.value(1)->text() != QStringLiteral("x:3200 y:100 w:800 h:600"))
                return int(QDialog::Rejected);
            choice->screenButtons.value(1)->setChecked(true);
            choice->okButton->click();
            return choice->result();
        };
        w.slotBackstage();
        QCOMPARE(d.display(0)->pos(), QPoint(3200, 100));
        w.slotBackstage();

        // cancelled by its button and by its window's frame: nothing changes
        for (bool byFrame : {false, true}) {
            d.prompts.onDialog = [byFrame](QDialog *dialog) {
                auto *choice = qobject_cast<ExtendWin *>(dialog);
                if (byFrame) {
                    choice->show();
                    choice->close();
                } else {
                    choice->cancelButton->click();
                }
                return choice->result();
            };
            w.slotBackstage();
            QCOMPARE(w.backstageButton->caption, QStringLiteral("background"));
            QCOMPARE(d.display(0)->pos(), QPoint(0, 0));
            QVERIFY(!w.currentPlayWinObject->backStage);
        }
    }

    void automaticBackStageMovesEachByItsOwnRecord()
    {
        Desk d(2);
        Widget &w = *d.w;
        d.add(QPoint(100, 50));
        w.slotAutoBackState();
        QCOMPARE(d.display(0)->pos(), QPoint(1920, 0));
        QCOMPARE(d.display(1)->pos(), QPoint(2020, 50));
        for (const PlayWinObject *record : w.playWinObjects)
            QVERIFY(record->backStage);
        QCOMPARE(w.backstageButton->caption, QStringLiteral("frontground"));
        QCOMPARE(backStageFlag(d.env), QVariant()); // not written
        w.slotAutoBackState();                      // already there: nothing moves
        QCOMPARE(d.display(1)->pos(), QPoint(2020, 50));

        // the display window's own report of its place keeps its record on the first screen
        QCOMPARE(w.playWinObjects.value(1)->x, 100);
    }

    void coverWindowsFollowTheirDisplayWindow()
    {
        Desk d(2);
        Widget &w = *d.w;
        MainPlayBKLabel *display = d.display(0);
        CommonPlayWindow *area = display->playWindows.value(0);
        QVERIFY(area);
        area->winObject->borderWidth = area->borderWidth = 5;
        area->move(30, 40);
        QWidget cover;
        area->setCoverWindow(&cover);
        w.slotBackstage();
        QCOMPARE(cover.pos(), QPoint(1920 + 30 + 2, 0 + 40 + 2));
        QCOMPARE(CoverWindows::position(QPoint(10, 20), QPoint(1, 2), 7), QPoint(14, 25));

        // hidden with its display window; not shown again without a video that wants it
        cover.show();
        w.slotWinHide();
        QVERIFY(cover.isHidden());
        w.slotWinHide();
        QVERIFY(cover.isHidden());
        area->setCoverWindow(nullptr);
    }

    void hideActsOnTheCurrentDisplayWindow()
    {
        Desk d(1);
        Widget &w = *d.w;
        const QString first = w.curDisplayName;
        d.add(QPoint(400, 0));
        const QString second = w.curDisplayName;
        w.slotWinHide();
        QVERIFY(d.display(1)->isHidden() && !d.display(0)->isHidden());
        QCOMPARE(w.hideButton->caption, QStringLiteral("winshow"));

        w.slotDisplayWindowChecked(first);
        QCOMPARE(w.hideButton->caption, QStringLiteral("winhide"));
        w.slotWinHide();
        QVERIFY(d.display(0)->isHidden() && d.display(1)->isHidden());
        w.slotWinHide();
        QVERIFY(!d.display(0)->isHidden() && d.display(1)->isHidden());

        w.slotDisplayWindowChecked(second);
        QCOMPARE(w.hideButton->caption, QStringLiteral("winshow"));
        w.slotWinHide();
        QVERIFY(!d.display(1)->isHidden());
    }

    void everyDisplayWindowMadeWhileLockedIsLocked()
    {
        Desk d(1);
        Widget &w = *d.w;
        const QString saved = d.env.path("two.qvsc");
        d.add(QPoint(400, 0));
        QVERIFY(w.document->saveSchedule(saved));

        w.slotOverallLock();
        QCOMPARE(w.lockButton->caption, QStringLiteral("winunlock"));
        d.add(QPoint(800, 0));
        QCOMPARE(w.displayWindows.size(), 3);
        for (MainPlayBKLabel *display : w.displayWindows)
            QVERIFY(display->locked);

        d.prompts.fileName = saved;
        d.prompts.answer = QMessageBox::No;
        w.slotOpenDoc();
        QCOMPARE(w.displayWindows.size(), 2);
        for (MainPlayBKLabel *display : w.displayWindows)
            QVERIFY(display->locked);
        w.slotNewDoc();
        QVERIFY(d.display(0)->locked);

        w.slotOverallLock();
        QVERIFY(!d.display(0)->locked);
        QCOMPARE(w.lockButton->caption, QStringLiteral("winlock"));
    }

    void monitorShowsEachDisplayWindow()
    {
        FakeGrabber grabber;
        Desk d(1);
        Widget &w = *d.w;
        d.add(QPoint(400, 0));
        d.add(QPoint(800, 10));
        w.slotMonitor();
        MonitorWin *monitor = w.monitorWin();
        QVERIFY(monitor && monitor->isVisible());
        QCOMPARE(monitor->monitorLabels.size(), 3);
        QCOMPARE(monitor->pos(), QPoint((1920 - 328) / 2, (1080 - 248) / 2));

        monitor->resize(640, 300);
        // A window manager answers the resize when it gets to it.
        QTRY_COMPARE(monitor->monitorLabels.first()->width(), (640 - 16) / 3);
        for (QLabel *label : monitor->monitorLabels) {
            QCOMPARE(label->width(), (640 - 16) / 3);
            QCOMPARE(label->height(), 300 - 8);
            QVERIFY(label->pixmap(Qt::ReturnByValue).size() == label->size());
        }
        grabber.asked.clear();
        monitor->updateLabelImage();
        QCOMPARE(grabber.asked.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(grabber.asked.value(i), d.display(i)->geometry());

        QTRY_VERIFY(grabber.asked.size() > 6); // the 50 ms timer runs
    }

    // Each of these closes the monitor, and nothing is grabbed past the list.
    void commandsThatCloseTheMonitor_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"delete", "new", "open", "add", "monitor again"})
            QTest::newRow(command) << QString::fromLatin1(command);
    }
    void commandsThatCloseTheMonitor()
    {
        QFETCH(QString, command);
        FakeGrabber grabber;
        Desk d(1);
        Widget &w = *d.w;
        d.add(QPoint(400, 0));
        const QString saved = d.env.path("one.qvsc");
        QVERIFY(w.document->saveSchedule(saved));
        w.slotMonitor();
        QPointer<MonitorWin> first = w.monitorWin();
        QVERIFY(first);

        d.prompts.answer = QMessageBox::No;
        d.prompts.fileName = saved;
        if (command == "delete") {
            w.slotDeleteDisplayWindow();
        } else if (command == "new") {
            w.slotNewDoc();
        } else if (command == "open") {
            w.slotOpenDoc();
        } else if (command == "add") {
            d.prompts.onDialog = [](QDialog *) { return int(QDialog::Rejected); };
            w.slotAddDisplayWindow();
        } else {
            w.slotMonitor();
            QVERIFY(w.monitorWin() && w.monitorWin() != first);
        }
        QVERIFY(!first);
        if (command != "monitor again")
            QVERIFY(!w.monitorWin());

        // a monitor with more labels than display windows grabs what there is
        MonitorWin late(&w);
        for (int i = 0; i < 4; ++i)
            late.addMonitorLabel();
        grabber.asked.clear();
        late.updateLabelImage();
        QCOMPARE(grabber.asked.size(), w.displayWindows.size());
        late.grabTimer.stop();
    }

    void closingTheMonitorDestroysIt()
    {
        FakeGrabber grabber;
        Desk d(1);
        Widget &w = *d.w;
        w.slotMonitor();
        QPointer<MonitorWin> monitor = w.monitorWin();
        monitor->close();
        QVERIFY(!monitor->grabTimer.isActive());
        QTRY_VERIFY(!monitor);
        QVERIFY(!w.monitorWin());
    }
};

QTEST_MAIN(DesktopCommandsTest)
#include "test_desktopcommands.moc"

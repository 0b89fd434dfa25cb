// The windows the main window opens, under a real stacking window manager:
// each stands above the always-on-top main window and its display windows,
// is owned by the main window (so it adds no task-bar entry of its own),
// takes the focus while it is open and gives it back to the main window
// when it goes; and the main menu takes a real click of the pointer.
// Run under scripts/with-openbox; the manager's own lists are the judge.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Widget.h"
#include "shell/dialogs/BootSetupWin.h"
#include "shell/dialogs/JournalWin.h"
#include "shell/dialogs/LanguageSetupWin.h"
#include "shell/dialogs/MonitorWin.h"
#include "shell/menuButton.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"
#include "support/X11Desktop.h"

#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

quint32 idOf(QWidget *window)
{
    return window ? quint32(window->winId()) : 0;
}

// What the manager said while a window was open, and after it went.
struct Seen
{
    quint32 window = 0; // 0 until the window was seen open
    QVector<quint32> stacking;
    quint32 active = 0;
    quint32 owner = 0;
    bool normalType = true;
    quint32 activeAfterClose = 0;
};

struct Opening
{
    const char *name;
    std::function<void(Widget &)> open; // may block in a modal loop of its own
    std::function<QWidget *(Widget &)> window;
};

// Message boxes and file dialogs are made where they are asked for.
QWidget *modalWindow(Widget &)
{
    return QApplication::activeModalWidget();
}

const Opening kOpenings[] = {
    {"main menu", [](Widget &w) { w.slotShowMainMenu(); }, [](Widget &w) -> QWidget * { return w.mainMenu; }},
    {"monitor", [](Widget &w) { w.slotMonitor(); }, [](Widget &w) -> QWidget * { return w.monitorWin(); }},
    {"play-log viewer", [](Widget &w) { w.slotSetPlay(); }, [](Widget &w) -> QWidget * { return w.journalWin(); }},
    {"start-up settings", [](Widget &w) { w.slotSetBoot(); }, [](Widget &w) -> QWidget * { return w.bootSetupWin(); }},
    {"language", [](Widget &w) { w.slotSetupLanguage(); }, [](Widget &w) -> QWidget * { return w.languageWin(); }},
    {"message box", [](Widget &w) { Prompts::current().information(&w, QStringLiteral("info"), QStringLiteral("x")); },
     modalWindow},
    {"file dialog",
     [](Widget &w) {
         Prompts::current().openFileName(&w, QStringLiteral("Open"), QDir::currentPath(),
                                         QStringLiteral("Schedule(*.qvsc)"));
     },
     modalWindow},
};

bool above(const QVector<quint32> &stacking, quint32 upper, quint32 lower)
{
    return stacking.contains(upper) && stacking.contains(lower) && stacking.indexOf(upper) > stacking.indexOf(lower);
}

} // namespace

class WindowStackingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<Widget> m_main;

    MainPlayBKLabel *displayWindow() const { return m_main->displayWindows.value(0); }

    // The main window on the screen, its display window raised above it.
    void bringUpTheDesk()
    {
        m_env.reset(new TestEnvironment);
        AppContext::enumerateScreens();
        m_main.reset(new Widget);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main.get()));
        QVERIFY(displayWindow());
        displayWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(displayWindow()));
        displayWindow()->raise();
        QTRY_VERIFY(above(WindowManagerView::stacking(), idOf(displayWindow()), idOf(m_main.get())));
        m_main->activateWindow();
        QTRY_COMPARE(WindowManagerView::activeWindow(), idOf(m_main.get()));
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !WindowManagerView::running())
            QFAIL("needs an X display with a window manager: run it under scripts/with-openbox");
    }

    void cleanup()
    {
        m_main.reset();
        m_env.reset();
        AppContext::reset();
    }

    void eachWindowStandsAboveTheMainWindowAndItsDisplayWindows_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(sizeof kOpenings / sizeof kOpenings[0]); ++row)
            QTest::newRow(kOpenings[row].name) << row;
    }

    void eachWindowStandsAboveTheMainWindowAndItsDisplayWindows()
    {
        QFETCH(int, row);
        const Opening &opening = kOpenings[row];
        bringUpTheDesk();
        Widget &w = *m_main;

        Seen seen;
        QTimer::singleShot(0, this, [&] {
            QWidget *window = opening.window(w);
            if (!window || !QTest::qWaitForWindowExposed(window))
                return;
            const quint32 id = idOf(window);
            // Seen once the manager lists it and has given it the focus.
            (void)QTest::qWaitFor(
                [&] { return WindowManagerView::stacking().contains(id) && WindowManagerView::activeWindow() == id; });
            seen.window = id;
            seen.stacking = WindowManagerView::stacking();
            seen.active = WindowManagerView::activeWindow();
            seen.owner = WindowManagerView::owner(id);
            seen.normalType = WindowManagerView::preferredTypeIs(id, "_NET_WM_WINDOW_TYPE_NORMAL");
            window->close();
            window->hide();
            (void)QTest::qWaitFor([&] { return WindowManagerView::activeWindow() == idOf(&w); });
            seen.activeAfterClose = WindowManagerView::activeWindow();
        });
        opening.open(w);
        QTRY_VERIFY_WITH_TIMEOUT(seen.window != 0, 10000);

        QCOMPARE(seen.active, seen.window);
        QVERIFY2(above(seen.stacking, seen.window, idOf(&w)), "above the main window");
        QVERIFY2(above(seen.stacking, seen.window, idOf(displayWindow())), "above the display window");
        QCOMPARE(seen.owner, idOf(&w));
        QVERIFY2(!seen.normalType, "an owned window, not a window of its own on the task bar");
        QCOMPARE(seen.activeAfterClose, idOf(&w));
    }

    // The menu opened by a real click on the tool strip's "menu" button takes
    // a real click on its first button: nothing of the main window lies over it.
    void theMenuTakesARealClick()
    {
        bringUpTheDesk();
        Widget &w = *m_main;
        ScriptedPrompts prompts; // "New" asks whether to save first
        prompts.answer = QMessageBox::No;
        RealPointer::click(w.menuToolButton->mapToGlobal(w.menuToolButton->rect().center()));
        QTRY_VERIFY(w.mainMenu->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(w.mainMenu));
        QTRY_COMPARE(WindowManagerView::activeWindow(), idOf(w.mainMenu));

        QSignalSpy pressed(w.mainMenu->newButton, &menuButton::sigBtnPressed);
        RealPointer::click(w.mainMenu->newButton->mapToGlobal(w.mainMenu->newButton->rect().center()));
        QTRY_COMPARE(pressed.count(), 1);
    }
};

QTEST_MAIN(WindowStackingTest)
#include "test_windowstacking.moc"

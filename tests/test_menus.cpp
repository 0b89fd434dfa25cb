// The tool button's press rule and the drop-down main menu.

#include "shell/MainMenuBKLabel.h"
#include "shell/Widget.h"
#include "shell/menuButton.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QLayout>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <algorithm>

namespace {
void send(QWidget *target, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(target, &event);
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(20, 20), target->mapToGlobal(QPoint(20, 20)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A whole click, as the window system would deliver it to the button.
void click(QWidget *button)
{
    send(button, QEvent::Enter);
    sendMouse(button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    sendMouse(button, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
}

struct Entry {
    menuButton *MainMenuBKLabel::*button;
    const char *caption;
    int section;
};

const Entry kEntries[] = {
    {&MainMenuBKLabel::newButton, "New", 0},          {&MainMenuBKLabel::openButton, "Open", 0},
    {&MainMenuBKLabel::saveButton, "Save", 0},        {&MainMenuBKLabel::saveAsButton, "SaveAs", 0},
    {&MainMenuBKLabel::playButton, "play", 1},        {&MainMenuBKLabel::pauseButton, "pause", 1},
    {&MainMenuBKLabel::stopButton, "stop", 1},        {&MainMenuBKLabel::setBootButton, "SetBoot", 2},
    {&MainMenuBKLabel::setPlayButton, "SetPlay", 2},  {&MainMenuBKLabel::languageButton, "language", 3},
    {&MainMenuBKLabel::helpButton, "help", 3},
};

// Section headers, top to bottom.
QList<QLabel *> headers(MainMenuBKLabel *menu)
{
    QList<QLabel *> found;
    for (QLabel *label : menu->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
        if (!label->text().isEmpty())
            found << label;
    std::sort(found.begin(), found.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    return found;
}

// Stands for a language change: every text of the menu's context gets a mark.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MainMenuBKLabel") != 0)
            return QString();
        return QStringLiteral("~") + QString::fromUtf8(sourceText);
    }
};

class RecordingPrompts : public ScriptedPrompts
{
public:
    QStringList saveDialogs;
    QString saveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter) override
    {
        saveDialogs << title;
        return ScriptedPrompts::saveFileName(parent, title, dir, filter);
    }
};
} // namespace

class MenusTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonFiresOnlyOnReleaseOfLeftOnlyPressInside_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("fires");
        const QString enter = "enter", leave = "leave", left = "pressLeft", right = "pressRight",
                      leftWithRight = "pressLeftWithRightHeld",
                      rightWithLeft = "pressRightWithLeftHeld", release = "release";
        QTest::newRow("left click inside") << QStringList{enter, left, release} << true;
        QTest::newRow("right click inside") << QStringList{enter, right, release} << false;
        QTest::newRow("left press with right held") << QStringList{enter, leftWithRight, release} << false;
        QTest::newRow("right click, then left click") << QStringList{enter, right, release, left, release} << true;
        QTest::newRow("left press, then right too") << QStringList{enter, left, rightWithLeft, release} << false;
        QTest::newRow("left never entered") << QStringList{left, release} << false;
        QTest::newRow("left after leaving") << QStringList{enter, leave, left, release} << false;
        QTest::newRow("left, leave before release") << QStringList{enter, left, leave, release} << false;
        QTest::newRow("left, leave and come back") << QStringList{enter, left, leave, enter, release} << true;
    }

    void buttonFiresOnlyOnReleaseOfLeftOnlyPressInside()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, fires);
        initQvResources();
        menuButton button(QPixmap(":/images/main_doc.png"), "caption", nullptr);
        QSignalSpy pressed(&button, &menuButton::sigBtnPressed);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        Qt::MouseButton lastPressed = Qt::NoButton;
        for (const QString &step : steps) {
            if (step == "enter") {
                send(&button, QEvent::Enter);
            } else if (step == "leave") {
                send(&button, QEvent::Leave);
            } else if (step == "pressLeft") {
                lastPressed = Qt::LeftButton;
                sendMouse(&button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            } else if (step == "pressRight") {
                lastPressed = Qt::RightButton;
                sendMouse(&button, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
            } else if (step == "pressLeftWithRightHeld") {
                lastPressed = Qt::LeftButton;
                sendMouse(&button, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
            } else if (step == "pressRightWithLeftHeld") {
                lastPressed = Qt::RightButton;
                sendMouse(&button, QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
            } else if (step == "release") {
                sendMouse(&button, QEvent::MouseButtonRelease, lastPressed, Qt::NoButton);
            }
        }
        QCOMPARE(pressed.count(), fires ? 1 : 0);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button.isDown());
    }

    void menuHoldsElevenButtonsInFourSections()
    {
        TestEnvironment env;
        Widget w;
        auto *menu = new MainMenuBKLabel(&w, &w);
        QCOMPARE(menu->widget, &w);
        QCOMPARE(menu->parentWidget(), &w);
        QVERIFY(menu->isWindow());
        QVERIFY(menu->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(menu->size(), QSize(380, 520));
        QCOMPARE(menu->minimumSize(), menu->maximumSize());

        const QList<QLabel *> sectionHeaders = headers(menu);
        QStringList headerTexts;
        for (int i = 0; i < sectionHeaders.size(); ++i) {
            headerTexts << sectionHeaders.value(i)->text();
            QCOMPARE(sectionHeaders.value(i)->geometry(), QRect(10, 20 + 120 * i, 360, 32));
        }
        QCOMPARE(headerTexts, QStringList({"solution", "control", "set system", "set system"}));

        QWidget *previousRow = nullptr;
        int previousX = 0;
        int buttons = 0;
        for (const Entry &entry : kEntries) {
            menuButton *button = menu->*entry.button;
            QVERIFY2(button, entry.caption);
            ++buttons;
            QCOMPARE(button->caption, QString(entry.caption));
            QCOMPARE(button->size(), QSize(82, 62));
            QWidget *row = button->parentWidget();
            QCOMPARE(row->parentWidget(), menu);
            QCOMPARE(row->geometry(), QRect(10, 52 + 120 * entry.section, 360, 80));
            row->layout()->activate();
            if (row == previousRow)
                QVERIFY2(button->x() > previousX, entry.caption); // left to right in menu order
            else
                QCOMPARE(button->x(), 0);
            previousRow = row;
            previousX = button->x();
        }
        QCOMPARE(menu->findChildren<menuButton *>().size(), buttons);
    }

    void documentButtonsReachTheMainWindowAndHelpNothing()
    {
        TestEnvironment env;
        Widget w;
        auto *menu = new MainMenuBKLabel(&w, &w);
        // disconnect() reports whether such a connection existed.
        QVERIFY(QObject::disconnect(menu->newButton, &menuButton::sigBtnPressed, &w, &Widget::slotNewDoc));
        QVERIFY(QObject::disconnect(menu->openButton, &menuButton::sigBtnPressed, &w, &Widget::slotOpenDoc));
        QVERIFY(QObject::disconnect(menu->saveButton, &menuButton::sigBtnPressed, &w, &Widget::slotSaveDoc));
        QVERIFY(QObject::disconnect(menu->saveAsButton, &menuButton::sigBtnPressed, &w, &Widget::slotSaveAsDoc));
        QVERIFY(QObject::disconnect(menu->playButton, &menuButton::sigBtnPressed, &w, &Widget::slotMenuPlay));
        QVERIFY(QObject::disconnect(menu->pauseButton, &menuButton::sigBtnPressed, &w, &Widget::slotMenuPause));
        QVERIFY(QObject::disconnect(menu->stopButton, &menuButton::sigBtnPressed, &w, &Widget::slotMenuStop));
        QVERIFY(!QObject::disconnect(menu->helpButton, &menuButton::sigBtnPressed, nullptr, nullptr));
    }

    void pressingSaveAsksForAFileAndACancelSavesNothing()
    {
        TestEnvironment env;
        Widget w;
        auto *menu = new MainMenuBKLabel(&w, &w);
        RecordingPrompts prompts; // fileName empty: the dialog is cancelled
        click(menu->saveButton);
        QCOMPARE(prompts.saveDialogs, QStringList{"Save"}); // not "Save As"
        QVERIFY(prompts.questions.isEmpty());
        QVERIFY(prompts.informations.isEmpty());
        QVERIFY(AppContext::currentSchedulePath.isEmpty());
        QVERIFY(QDir(env.path(".")).entryList({"*.qvsc"}, QDir::Files).isEmpty());

        click(menu->helpButton);
        QCOMPARE(prompts.saveDialogs.size(), 1);
        QVERIFY(prompts.questions.isEmpty());
    }

    void losingActivationHidesTheMenu()
    {
        TestEnvironment env;
        Widget w;
        auto *menu = new MainMenuBKLabel(&w, &w);
        menu->show();
        send(menu, QEvent::WindowActivate);
        send(menu, QEvent::Leave);
        QVERIFY(menu->isVisible());
        send(menu, QEvent::WindowDeactivate);
        QVERIFY(menu->isHidden());
    }

    void retranslationRenamesButtonsButNotHeaders()
    {
        TestEnvironment env;
        Widget w;
        auto *menu = new MainMenuBKLabel(&w, &w);
        menu->helpButton->caption = "garbage";
        menu->newButton->caption.clear();

        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        menu->trUpdate();
        QCoreApplication::removeTranslator(&translator);
        for (const Entry &entry : kEntries)
            QCOMPARE((menu->*entry.button)->caption, "~" + QString(entry.caption));
        QStringList headerTexts;
        for (QLabel *header : headers(menu))
            headerTexts << header->text();
        QCOMPARE(headerTexts, QStringList({"solution", "control", "set system", "set system"}));

        menu->trUpdate();
        for (const Entry &entry : kEntries)
            QCOMPARE((menu->*entry.button)->caption, QString(entry.caption));
    }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"

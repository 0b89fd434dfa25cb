// The system-wide hot key: its Windows encoding on every platform, and on
// X11 a real key grab, pressed through the server with XTEST.

#include "platform/GlobalHotKey.h"
#include "shell/MyGlobalShortCut.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QX11Info>
#include <QtTest>

#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

using KeySyms = QVector<xcb_keysym_t>;
Q_DECLARE_METATYPE(KeySyms)

namespace {

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Keys typed through the X server, exactly as from a keyboard.
class Keyboard
{
public:
    Keyboard()
        : m_connection(QX11Info::connection())
        , m_symbols(xcb_key_symbols_alloc(m_connection))
    {
    }
    ~Keyboard() { xcb_key_symbols_free(m_symbols); }

    xcb_keycode_t keycode(xcb_keysym_t keysym) const
    {
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(m_symbols, keysym);
        const xcb_keycode_t code = codes ? codes[0] : xcb_keycode_t(XCB_NO_SYMBOL);
        std::free(codes);
        return code;
    }

    // Presses the keys in order and releases them in reverse; false when
    // the keyboard map lacks one of them.
    bool type(const KeySyms &keysyms)
    {
        QVector<xcb_keycode_t> codes;
        for (const xcb_keysym_t keysym : keysyms) {
            const xcb_keycode_t code = keycode(keysym);
            if (code == XCB_NO_SYMBOL)
                return false;
            codes.append(code);
        }
        for (const xcb_keycode_t code : codes)
            fake(XCB_KEY_PRESS, code);
        for (auto it = codes.crbegin(); it != codes.crend(); ++it)
            fake(XCB_KEY_RELEASE, *it);
        xcb_flush(m_connection);
        return true;
    }

private:
    void fake(uint8_t type, xcb_keycode_t code)
    {
        xcb_test_fake_input(m_connection, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    xcb_connection_t *m_connection;
    xcb_key_symbols_t *m_symbols;
};

// Sees every key press that reaches us on the root window, before the hot
// key's own filter can consume it: installed later, it is asked first.
class RootKeyPresses : public QAbstractNativeEventFilter
{
public:
    RootKeyPresses() { QCoreApplication::instance()->installNativeEventFilter(this); }
    ~RootKeyPresses() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
            return false;
        const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
        if (press->event == QX11Info::appRootWindow())
            presses.append(*press);
        return false;
    }

    QVector<xcb_key_press_event_t> presses;
};

// Laid out like the Windows message record on a 64-bit system.
struct FakeWindowsMessage {
    void *hwnd;
    quint32 message;
    quintptr wParam;
    qintptr lParam;
    quint32 time;
    qint32 x, y;
};

enum class Fake { WindowsHotKey, HotKeyPress, HotKeyRelease, OtherKey, ExtraShift, NoControl, OtherWindow, FocusIn };

} // namespace

Q_DECLARE_METATYPE(Fake)

class HotKeyTest : public QObject
{
    Q_OBJECT

private slots:
    void toNativeKeycode_data()
    {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<quint32>("virtualKey");
        const struct {
            const char *name;
            int qtKey;
            quint32 virtualKey;
        } rows[] = {
            {"Space", Qt::Key_Space, 0x20},
            {"0", Qt::Key_0, 0x30},
            {"9", Qt::Key_9, 0x39},
            {"A", Qt::Key_A, 0x41},
            {"Z", Qt::Key_Z, 0x5A},
            {"Asterisk", Qt::Key_Asterisk, 0x6A},
            {"Plus", Qt::Key_Plus, 0x6B},
            {"Comma", Qt::Key_Comma, 0x6C},
            {"Minus", Qt::Key_Minus, 0x6D},
            {"Slash", Qt::Key_Slash, 0x6F},
            {"Escape", Qt::Key_Escape, 0x1B},
            {"Tab", Qt::Key_Tab, 0x09},
            {"Backtab", Qt::Key_Backtab, 0x09},
            {"Backspace", Qt::Key_Backspace, 0x08},
            {"Return", Qt::Key_Return, 0x0D},
            {"Enter", Qt::Key_Enter, 0x0D},
            {"Insert", Qt::Key_Insert, 0x2D},
            {"Delete", Qt::Key_Delete, 0x2E},
            {"Pause", Qt::Key_Pause, 0x13},
            {"Print", Qt::Key_Print, 0x2A},
            {"Clear", Qt::Key_Clear, 0x0C},
            {"Home", Qt::Key_Home, 0x24},
            {"End", Qt::Key_End, 0x23},
            {"Left", Qt::Key_Left, 0x25},
            {"Up", Qt::Key_Up, 0x26},
            {"Right", Qt::Key_Right, 0x27},
            {"Down", Qt::Key_Down, 0x28},
            {"PageUp", Qt::Key_PageUp, 0x21},
            {"PageDown", Qt::Key_PageDown, 0x22},
            {"F1", Qt::Key_F1, 0x70},
            {"F5", Qt::Key_F5, 0x74},
            {"F24", Qt::Key_F24, 0x87},
            // Neighbours of the ranges, and keys with no virtual-key code.
            {"F25", Qt::Key_F25, 0},
            {"full stop", Qt::Key_Period, 0},
            {"colon", Qt::Key_Colon, 0},
            {"at", Qt::Key_At, 0},
            {"bracket", Qt::Key_BracketLeft, 0},
            {"SysReq", Qt::Key_SysReq, 0},
            {"Shift", Qt::Key_Shift, 0},
            {"no key", 0, 0},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.qtKey << row.virtualKey;
    }

    void toNativeKeycode()
    {
        QFETCH(int, qtKey);
        QFETCH(quint32, virtualKey);
        QCOMPARE(MyGlobalShortCut::toNativeKeycode(qtKey), virtualKey);
    }

    void registration_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<quint32>("virtualKey");
        QTest::addColumn<quint32>("flags");
        QTest::addColumn<int>("identifier");
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << int(Qt::Key_Q) << int(Qt::ControlModifier) << 0x51u << 2u << 0x53;
        QTest::newRow("Ctrl+Alt+F5") << "Ctrl+Alt+F5" << int(Qt::Key_F5)
                                     << int(Qt::ControlModifier | Qt::AltModifier) << 0x74u << 3u << 0x77;
        QTest::newRow("Shift+Meta+A") << "Shift+Meta+A" << int(Qt::Key_A)
                                      << int(Qt::ShiftModifier | Qt::MetaModifier) << 0x41u << 12u << 0x4D;
        QTest::newRow("second chord ignored")
            << "Ctrl+Q, Ctrl+W" << int(Qt::Key_Q) << int(Qt::ControlModifier) << 0x51u << 2u << 0x53;
        QTest::newRow("key without code") << "Ctrl+." << int(Qt::Key_Period) << int(Qt::ControlModifier) << 0u << 2u
                                          << 2;
        QTest::newRow("empty") << "" << 0 << 0 << 0u << 0u << 0;
    }

    void registration()
    {
        QFETCH(QString, text);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(quint32, virtualKey);
        QFETCH(quint32, flags);
        QFETCH(int, identifier);

        MyGlobalShortCut shortcut(text, nullptr);
        QCOMPARE(shortcut.key, key);
        QCOMPARE(int(shortcut.modifiers), modifiers);
        QCOMPARE(GlobalHotKey::identifier(virtualKey, flags), identifier);
        // Kept even when the system refuses the registration.
        QHash<QPair<quint32, quint32>, MyGlobalShortCut *> expected;
        expected.insert(qMakePair(virtualKey, flags), &shortcut);
        QCOMPARE(shortcut.hotKeys, expected);
        if (virtualKey == 0 || !onX11())
            QVERIFY(!shortcut.registerHotKey());
    }

    // Only the report of the object's own combination is consumed; the
    // Windows message in particular is never read here.
    void foreignEventsAreNotConsumed_data()
    {
        QTest::addColumn<Fake>("fake");
        QTest::addColumn<bool>("consumed");
        QTest::newRow("Windows hot-key message") << Fake::WindowsHotKey << false;
        QTest::newRow("release of the hot key") << Fake::HotKeyRelease << false;
        QTest::newRow("other key") << Fake::OtherKey << false;
        QTest::newRow("Shift held as well") << Fake::ExtraShift << false;
        QTest::newRow("Control not held") << Fake::NoControl << false;
        QTest::newRow("press on another window") << Fake::OtherWindow << false;
        QTest::newRow("not a key event") << Fake::FocusIn << false;
        // The same press made right: shows the others differ in one thing only.
        QTest::newRow("the hot key itself") << Fake::HotKeyPress << onX11();
    }

    void foreignEventsAreNotConsumed()
    {
        QFETCH(Fake, fake);
        QFETCH(bool, consumed);

        MyGlobalShortCut shortcut(QStringLiteral("Ctrl+Q"), nullptr);
        QSignalSpy spy(&shortcut, &MyGlobalShortCut::activated);
        long result = 0x5a5a;

        if (fake == Fake::WindowsHotKey) {
            FakeWindowsMessage message{nullptr, 0x0312, 0x53, (0x51 << 16) | 2, 0, 0, 0};
            QVERIFY(!shortcut.filter->nativeEventFilter("windows_generic_MSG", &message, &result));
            QCOMPARE(spy.count(), 0);
            return;
        }

        xcb_keycode_t q = 24, w = 25; // any codes will do where nothing is grabbed
        xcb_window_t root = 1;
        if (onX11()) {
            Keyboard keyboard;
            q = keyboard.keycode(XK_q);
            w = keyboard.keycode(XK_w);
            root = xcb_window_t(QX11Info::appRootWindow());
        }
        xcb_key_press_event_t press;
        std::memset(&press, 0, sizeof press);
        press.response_type = XCB_KEY_PRESS | 0x80; // as if sent by another client
        press.detail = q;
        press.root = root;
        press.event = root;
        press.state = XCB_MOD_MASK_CONTROL;
        switch (fake) {
        case Fake::HotKeyRelease: press.response_type = XCB_KEY_RELEASE; break;
        case Fake::OtherKey: press.detail = w; break;
        case Fake::ExtraShift: press.state |= XCB_MOD_MASK_SHIFT; break;
        case Fake::NoControl: press.state = 0; break;
        case Fake::OtherWindow: press.event = root + 1; break;
        case Fake::FocusIn: press.response_type = XCB_FOCUS_IN; break;
        default: break;
        }
        QCOMPARE(shortcut.filter->nativeEventFilter("xcb_generic_event_t", &press, &result), consumed);
        QCOMPARE(spy.count(), consumed ? 1 : 0);
        QCOMPARE(result, 0x5a5a);
    }

    void x11PressFires_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeySyms>("keys");
        QTest::addColumn<KeySyms>("locks");
        QTest::addColumn<int>("lockMask");
        const KeySyms ctrlQ{XK_Control_L, XK_q};
        QTest::newRow("Ctrl+Q") << "Ctrl+Q" << ctrlQ << KeySyms() << 0;
        QTest::newRow("Ctrl+Q, Num Lock on") << "Ctrl+Q" << ctrlQ << KeySyms{XK_Num_Lock} << int(XCB_MOD_MASK_2);
        QTest::newRow("Ctrl+Q, Caps Lock on") << "Ctrl+Q" << ctrlQ << KeySyms{XK_Caps_Lock}
                                              << int(XCB_MOD_MASK_LOCK);
        QTest::newRow("Ctrl+Q, both locks on") << "Ctrl+Q" << ctrlQ << KeySyms{XK_Num_Lock, XK_Caps_Lock}
                                               << int(XCB_MOD_MASK_2 | XCB_MOD_MASK_LOCK);
        // The server keeps Ctrl+Alt+F5 for itself (a console switch), so Alt is tried without Ctrl.
        QTest::newRow("Alt+F5") << "Alt+F5" << KeySyms{XK_Alt_L, XK_F5} << KeySyms() << 0;
        QTest::newRow("Shift+Meta+A") << "Shift+Meta+A" << KeySyms{XK_Shift_L, XK_Super_L, XK_a} << KeySyms()
                                      << 0;
    }

    void x11PressFires()
    {
        if (!onX11())
            QSKIP("needs an X server");
        QFETCH(QString, text);
        QFETCH(KeySyms, keys);
        QFETCH(KeySyms, locks);
        QFETCH(int, lockMask);
        const xcb_keysym_t lastKey = keys.value(keys.size() - 1);

        MyGlobalShortCut shortcut(text, nullptr);
        QSignalSpy spy(&shortcut, &MyGlobalShortCut::activated);
        RootKeyPresses seen;
        Keyboard keyboard;
        for (const xcb_keysym_t lock : locks)
            QVERIFY(keyboard.type({lock}));
        // The key alone belongs to whoever has the focus, not to us.
        QVERIFY(keyboard.type({lastKey}));
        QVERIFY(keyboard.type(keys));
        for (const xcb_keysym_t lock : locks)
            QVERIFY(keyboard.type({lock}));

        // Presses arrive in order: once the combination is here, so is the lone key.
        QTRY_VERIFY(!seen.presses.isEmpty());
        QCOMPARE(seen.presses.size(), 1);
        QCOMPARE(seen.presses.value(0).detail, keyboard.keycode(lastKey));
        QCOMPARE(seen.presses.value(0).state & lockMask, lockMask);
        QCOMPARE(spy.count(), 1);
    }

    void x11DestructionLeavesNothingBehind()
    {
        if (!onX11())
            QSKIP("needs an X server");
        Keyboard keyboard;
        const KeySyms ctrlQ{XK_Control_L, XK_q};

        auto first = std::make_unique<MyGlobalShortCut>(QStringLiteral("Ctrl+Q"), nullptr);
        QSignalSpy firstSpy(first.get(), &MyGlobalShortCut::activated);
        // The combination is taken, so a second object is refused; giving it
        // up must leave the first one's grab and take its own filter along.
        auto second = std::make_unique<MyGlobalShortCut>(QStringLiteral("Ctrl+Q"), nullptr);
        QVERIFY(!second->registerHotKey());
        second.reset();
        QVERIFY(keyboard.type(ctrlQ));
        QVERIFY(firstSpy.wait(5000));
        QCOMPARE(firstSpy.count(), 1);

        first.reset();
        MyGlobalShortCut marker(QStringLiteral("Ctrl+W"), nullptr);
        QSignalSpy markerSpy(&marker, &MyGlobalShortCut::activated);
        RootKeyPresses seen;
        QVERIFY(keyboard.type(ctrlQ));
        // Presses arrive in order: once Ctrl+W is here, a Ctrl+Q still grabbed would be too.
        QVERIFY(keyboard.type({XK_Control_L, XK_w}));
        QVERIFY(markerSpy.wait(5000));
        QCOMPARE(seen.presses.size(), 1);
        QCOMPARE(seen.presses.value(0).detail, keyboard.keycode(XK_w));

        // A press that looks like the old hot key finds no filter to claim it.
        xcb_key_press_event_t press = seen.presses.value(0);
        press.detail = keyboard.keycode(XK_q);
        long result = 0;
        QVERIFY(!QAbstractEventDispatcher::instance()->filterNativeEvent("xcb_generic_event_t", &press, &result));
        QCOMPARE(firstSpy.count(), 1);
    }
};

QTEST_MAIN(HotKeyTest)
#include "test_hotkey.moc"

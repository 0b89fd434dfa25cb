#include "shell/MyGlobalShortCut.h"

#include "platform/GlobalHotKey.h"

#include <QCoreApplication>

namespace {
const int ModifierBits = 0x1E000000; // Shift, Control, Alt, Meta

quint32 nativeModifiers(Qt::KeyboardModifiers modifiers)
{
    quint32 flags = 0;
    if (modifiers & Qt::ShiftModifier)
        flags |= GlobalHotKey::ShiftFlag;
    if (modifiers & Qt::ControlModifier)
        flags |= GlobalHotKey::ControlFlag;
    if (modifiers & Qt::AltModifier)
        flags |= GlobalHotKey::AltFlag;
    if (modifiers & Qt::MetaModifier)
        flags |= GlobalHotKey::MetaFlag;
    return flags;
}
} // namespace

MyWinEventFilter::MyWinEventFilter(MyGlobalShortCut *owner)
    : owner(owner)
{
}

MyWinEventFilter::~MyWinEventFilter() = default;

bool MyWinEventFilter::nativeEventFilter(const QByteArray &eventType, void *message, long *result)
{
    Q_UNUSED(result)
    quint32 virtualKey = 0;
    quint32 flags = 0;
    if (!owner || !GlobalHotKey::hotKeyReport(eventType, message, &virtualKey, &flags))
        return false;
    // Every object's filter sees every report; each answers only for its own key.
    if (!owner->hotKeys.value(qMakePair(virtualKey, flags)))
        return false;
    owner->emitActivated();
    return true;
}

MyGlobalShortCut::MyGlobalShortCut(const QString &keyText, QWidget *app)
    : QObject(nullptr)
    , filter(nullptr)
    , keySequence(keyText, QKeySequence::NativeText)
    , key(0)
    , modifiers(Qt::NoModifier)
{
    Q_UNUSED(app)
    filter = new MyWinEventFilter(this);
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installNativeEventFilter(filter);
    registerHotKey();
}

MyGlobalShortCut::~MyGlobalShortCut()
{
    // The filter goes first, so that no report can reach a half-destroyed object.
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(filter);
    delete filter;
    filter = nullptr;
    if (registered)
        GlobalHotKey::unregisterHotKey(toNativeKeycode(key), nativeModifiers(modifiers));
}

bool MyGlobalShortCut::registerHotKey()
{
    if (keySequence.isEmpty()) {
        key = 0;
        modifiers = Qt::NoModifier;
    } else {
        const int chord = keySequence[0];
        key = chord & ~ModifierBits;
        modifiers = Qt::KeyboardModifiers(chord & ModifierBits);
    }
    const quint32 virtualKey = toNativeKeycode(key);
    const quint32 flags = nativeModifiers(modifiers);
    hotKeys.insert(qMakePair(virtualKey, flags), this);
    const bool granted = GlobalHotKey::registerHotKey(virtualKey, flags);
    registered = registered || granted;
    return granted;
}

void MyGlobalShortCut::emitActivated()
{
    emit activated();
}

quint32 MyGlobalShortCut::toNativeKeycode(int qtKey)
{
    if (qtKey == Qt::Key_Space || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return quint32(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + quint32(qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Comma: return 0x6C;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Slash: return 0x6F;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_Print: return 0x2A;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_PageUp: return 0x21;
    case Qt::Key_PageDown: return 0x22;
    default: return 0;
    }
}

#pragma once

// A system-wide hot key: raises the main window whichever program has the
// focus, also while it is minimised.

#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QPair>

class MyGlobalShortCut;
class QWidget;

// Hands the system's report of the owner's hot key to the owner.
class MyWinEventFilter : public QAbstractNativeEventFilter
{
public:
    explicit MyWinEventFilter(MyGlobalShortCut *owner);
    ~MyWinEventFilter() override;

    // True, and the message consumed, when it reports the owner's hot key.
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

    MyGlobalShortCut *owner;
};

class MyGlobalShortCut : public QObject
{
    Q_OBJECT

public:
    // The widget is not used; the object has no parent.
    MyGlobalShortCut(const QString &keyText, QWidget *app);
    ~MyGlobalShortCut() override;

    // Takes the first chord of the key sequence; further chords are ignored.
    bool registerHotKey();
    void emitActivated();
    // Windows virtual-key code of a Qt key, 0 for a key that has none.
    static quint32 toNativeKeycode(int qtKey);

    // (virtual-key code, modifier flags) -> the object that registered it.
    QHash<QPair<quint32, quint32>, MyGlobalShortCut *> hotKeys;
    MyWinEventFilter *filter;
    QKeySequence keySequence;
    int key;
    Qt::KeyboardModifiers modifiers;

signals:
    void activated();

private:
    // Only a registration the system granted is given back: a refused one
    // may belong to another object of ours with the same combination.
    bool registered = false;
};

#pragma once

// The captions of a panel, each made with its source text and set again in
// the current language by one call. A panel builds its labels, check boxes,
// radio buttons and tab titles through it, so its retranslation is one line
// and no caption is forgotten.

#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QTabWidget;

class PanelTexts
{
public:
    // Captions are translated in `context` (the panel's class name).
    explicit PanelTexts(const char *context) : m_context(context) { }

    // A label at `geometry` in `parent`.
    QLabel *label(QWidget *parent, const char *source, const QRect &geometry);
    // A check box, radio button or push button at `geometry` in `parent`.
    template <typename Button>
    Button *button(QWidget *parent, const char *source, const QRect &geometry)
    {
        auto *made = new Button(parent);
        made->setGeometry(geometry);
        add(made, source);
        return made;
    }
    void add(QAbstractButton *button, const char *source);
    void add(QLabel *label, const char *source);
    void addTab(QTabWidget *tabs, int index, const char *source);

    // Sets every caption again in the current language.
    void retranslate() const;
    // The caption in the current language.
    QString tr(const char *source) const;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        const char *source;
        int tab; // -1: not a tab title
    };
    const char *m_context;
    QVector<Entry> m_entries;
};

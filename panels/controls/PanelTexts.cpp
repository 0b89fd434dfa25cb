// A panel's captions, set again in the current language.

#include "panels/controls/PanelTexts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTabWidget>

QLabel *PanelTexts::label(QWidget *parent, const char *source, const QRect &geometry)
{
    auto *made = new QLabel(parent);
    made->setGeometry(geometry);
    add(made, source);
    return made;
}

void PanelTexts::add(QAbstractButton *button, const char *source)
{
    m_entries.append({button, source, -1});
    button->setText(tr(source));
}

void PanelTexts::add(QLabel *label, const char *source)
{
    m_entries.append({label, source, -1});
    label->setText(tr(source));
}

void PanelTexts::addTab(QTabWidget *tabs, int index, const char *source)
{
    m_entries.append({tabs, source, index});
    tabs->setTabText(index, tr(source));
}

QString PanelTexts::tr(const char *source) const
{
    return QCoreApplication::translate(m_context, source);
}

void PanelTexts::retranslate() const
{
    for (const Entry &entry : m_entries) {
        if (!entry.widget)
            continue;
        const QString text = tr(entry.source);
        if (entry.tab >= 0) {
            if (auto *tabs = qobject_cast<QTabWidget *>(entry.widget))
                tabs->setTabText(entry.tab, text);
        } else if (auto *button = qobject_cast<QAbstractButton *>(entry.widget)) {
            button->setText(text);
        } else if (auto *label = qobject_cast<QLabel *>(entry.widget)) {
            label->setText(text);
        }
    }
}

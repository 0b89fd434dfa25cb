// Holding the change signals of controls while they are filled.

#include "panels/controls/FillGuard.h"

#include <QComboBox>

FillGuard::FillGuard(std::initializer_list<QObject *> controls)
{
    m_blockers.reserve(controls.size());
    for (QObject *control : controls) {
        if (control)
            m_blockers.emplace_back(control);
    }
}

FillGuard::FillGuard(const QList<QObject *> &controls)
{
    m_blockers.reserve(size_t(controls.size()));
    for (QObject *control : controls) {
        if (control)
            m_blockers.emplace_back(control);
    }
}

void refillCombo(QComboBox *combo, const QStringList &items, int index)
{
    if (!combo)
        return;
    const FillGuard guard{combo};
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(items.isEmpty() ? -1 : qBound(-1, index, items.size() - 1));
}

#pragma once

// Filling controls from a record must not run the controls' change slots,
// which would write the shown values back into the record (or into another
// record) and report edits nobody made. A FillGuard holds the signals of the
// listed controls for its lifetime; guards may nest, and each restores the
// state it found.
//
//     FillGuard guard{m_nameEdit, m_timesSpin};
//     m_nameEdit->setText(program->name);

#include <QList>
#include <QObject>
#include <QSignalBlocker>
#include <QStringList>

#include <initializer_list>
#include <vector>

class QComboBox;

class FillGuard
{
public:
    FillGuard(std::initializer_list<QObject *> controls);
    // For a panel that keeps the list of its controls.
    explicit FillGuard(const QList<QObject *> &controls);

    FillGuard(const FillGuard &) = delete;
    FillGuard &operator=(const FillGuard &) = delete;

private:
    std::vector<QSignalBlocker> m_blockers;
};

// Empties the combo box and fills it with the items, index current (-1 for
// none, clamped to the items), all with its signals held: a retranslation
// or a filler never reaches the box's slots this way.
void refillCombo(QComboBox *combo, const QStringList &items, int index);

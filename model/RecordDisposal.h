#pragma once

// Frees a record together with everything its lists own, innermost first
// (media, windows, programs, segment). Callers clear every non-owning pointer
// into the subtree before they call these.

#include <QList>

class GeneralObject;
class CycleObject;
class TimingObject;
class ProgramObject;
class CommonWinObject;
class QVLedMediaObject;

namespace RecordDisposal {
void dispose(QVLedMediaObject *item);
void dispose(CommonWinObject *window);
void dispose(ProgramObject *program);
void dispose(GeneralObject *segment);
void dispose(CycleObject *segment);
void dispose(TimingObject *segment);

// Disposes of every element and empties the list.
template <typename Record>
void deleteAll(QList<Record *> &records)
{
    const QList<Record *> taken = records;
    records.clear();
    for (Record *record : taken)
        dispose(record);
}
} // namespace RecordDisposal

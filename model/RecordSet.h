#pragma once

// The records about to be freed, each with everything its lists own: a
// segment brings its time points, programs, windows and media items, a
// program its windows and their media, a window its media. Whoever keeps a
// non-owning pointer asks contains() before the records go, so one walk of
// the subtree serves every holder, however many pointers each keeps.

#include <QSet>

class CommonWinObject;
class CycleObject;
class GeneralObject;
class ProgramObject;
class QVLedMediaObject;
class TimingObject;

class RecordSet
{
public:
    void add(const GeneralObject *segment);
    void add(const CycleObject *segment);
    void add(const TimingObject *segment);
    void add(const ProgramObject *program);
    void add(const CommonWinObject *window);
    void add(const QVLedMediaObject *item);
    // Anything else that goes with the records (the tree items that name them).
    void addOther(const void *pointer);
    void unite(const RecordSet &other) { m_pointers.unite(other.m_pointers); }

    bool contains(const void *pointer) const { return pointer && m_pointers.contains(pointer); }
    // Empties a pointer that points into the set.
    template <typename T>
    void forget(T *&pointer) const
    {
        if (contains(pointer))
            pointer = nullptr;
    }
    bool isEmpty() const { return m_pointers.isEmpty(); }
    int size() const { return m_pointers.size(); }

private:
    template <typename Segment>
    void addPrograms(const Segment *segment);

    QSet<const void *> m_pointers;
};

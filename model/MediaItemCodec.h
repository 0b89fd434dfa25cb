#pragma once

// Media-item sections of the schedule file: a head (id, the four owner names,
// the kind) and then the property block of the item's kind. An item whose
// kind is none of the fourteen is written without a block and skipped on
// reading.

#include <QList>

class QVLedMediaObject;
class ScheduleStreamWriter;
class ScheduleStreamReader;

class MediaItemWriter
{
public:
    explicit MediaItemWriter(ScheduleStreamWriter &out) : m_out(out) {}

    // Every item in list order, each with its head and block.
    void writeMediaItems(const QList<QVLedMediaObject *> &items);

private:
    void writeMediaItem(const QVLedMediaObject &item);

    ScheduleStreamWriter &m_out;
};

class MediaItemReader
{
public:
    explicit MediaItemReader(ScheduleStreamReader &in) : m_in(in) {}

    // Reads count item sections and appends the items it makes to items.
    // Pictures and page images are not in the file; the item's loader rebuilds them.
    void readMediaItems(int count, QList<QVLedMediaObject *> &items);

    // Least number of bytes one item section takes: its head.
    static constexpr int kMinItemBytes = 4 + 5 * 4;

private:
    // Null for a kind that has no block (nothing more is read for it).
    QVLedMediaObject *readMediaItem();

    ScheduleStreamReader &m_in;
};

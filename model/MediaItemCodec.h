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
    void writeVideoItem(const QVLedMediaObject &item);
    void writeImageItem(const QVLedMediaObject &item);
    void writeAnalogClockItem(const QVLedMediaObject &item);
    void writeDigitalClockItem(const QVLedMediaObject &item);
    void writeDigitalTimerItem(const QVLedMediaObject &item);
    void writeTextItem(const QVLedMediaObject &item);
    void writeUrlItem(const QVLedMediaObject &item);
    void writeVideoDeviceItem(const QVLedMediaObject &item);
    void writeStreamingItem(const QVLedMediaObject &item);
    void writeWeatherItem(const QVLedMediaObject &item);

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
    void readVideoItem(QVLedMediaObject &item);
    void readImageItem(QVLedMediaObject &item);
    void readOfficeItem(QVLedMediaObject &item);
    void readAnalogClockItem(QVLedMediaObject &item);
    void readDigitalClockItem(QVLedMediaObject &item);
    void readDigitalTimerItem(QVLedMediaObject &item);
    void readTextItem(QVLedMediaObject &item);
    void readUrlItem(QVLedMediaObject &item);
    void readVideoDeviceItem(QVLedMediaObject &item);
    void readStreamingItem(QVLedMediaObject &item);
    void readWeatherItem(QVLedMediaObject &item);

    ScheduleStreamReader &m_in;
};

#include "model/MediaItemCodec.h"

#include "model/KindNames.h"
#include "model/MediaBlockLayout.h"
#include "model/QVLedMediaObject.h"

#include <memory>

using MediaBlockLayout::ReadIo;
using MediaBlockLayout::WriteIo;

void MediaItemWriter::writeMediaItems(const QList<QVLedMediaObject *> &items)
{
    for (const QVLedMediaObject *item : items)
        writeMediaItem(*item);
}

void MediaItemWriter::writeMediaItem(const QVLedMediaObject &item)
{
    m_out.writeInt(item.id);
    m_out.writeString(item.displayName);
    m_out.writeString(item.segmentName);
    m_out.writeString(item.programName);
    m_out.writeString(item.windowName);
    m_out.writeString(item.kind);

    const QString &kind = item.kind;
    if (kind == MediaKind::Video)
        writeVideoItem(item);
    else if (kind == MediaKind::Image || kind == MediaKind::Office)
        writeImageItem(item);
    else if (kind == MediaKind::AnalogClock)
        writeAnalogClockItem(item);
    else if (kind == MediaKind::DigitalClock)
        writeDigitalClockItem(item);
    else if (kind == MediaKind::DigitalTimer)
        writeDigitalTimerItem(item);
    else if (MediaKind::isText(kind))
        writeTextItem(item);
    else if (kind == MediaKind::Url)
        writeUrlItem(item);
    else if (kind == MediaKind::VideoDevice)
        writeVideoDeviceItem(item);
    else if (kind == MediaKind::Streaming)
        writeStreamingItem(item);
    else if (kind == MediaKind::Weather)
        writeWeatherItem(item);
}

void MediaItemWriter::writeVideoItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::video(io, item.video);
}

void MediaItemWriter::writeImageItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::image(io, item.image);
}

void MediaItemWriter::writeAnalogClockItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::analogClock(io, item.analogClock);
}

void MediaItemWriter::writeDigitalClockItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::digitalClock(io, item.digitalClock);
}

void MediaItemWriter::writeDigitalTimerItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::digitalTimer(io, item.digitalTimer);
}

void MediaItemWriter::writeTextItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::text(io, item.text);
}

void MediaItemWriter::writeUrlItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::url(io, item.url);
}

void MediaItemWriter::writeVideoDeviceItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::videoDevice(io, item.videoDevice);
}

void MediaItemWriter::writeStreamingItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::streaming(io, item.streaming);
}

void MediaItemWriter::writeWeatherItem(const QVLedMediaObject &item)
{
    WriteIo io(m_out);
    MediaBlockLayout::weather(io, item.weather);
}

void MediaItemReader::readMediaItems(int count, QList<QVLedMediaObject *> &items)
{
    for (int i = 0; i < count && !m_in.failed(); ++i) {
        if (QVLedMediaObject *item = readMediaItem())
            items.append(item);
    }
}

QVLedMediaObject *MediaItemReader::readMediaItem()
{
    auto item = std::make_unique<QVLedMediaObject>();
    item->id = m_in.readInt("media item id");
    item->displayName = m_in.readString("media item display window name");
    item->segmentName = m_in.readString("media item segment name");
    item->programName = m_in.readString("media item program name");
    item->windowName = m_in.readString("media item window name");
    const QByteArray kindBytes = m_in.readBytes("media item kind");
    if (m_in.failed())
        return nullptr;

    // The kind is compared as bytes, in the writer's order.
    using ReadStep = void (MediaItemReader::*)(QVLedMediaObject &);
    static const struct { QLatin1String kind; ReadStep read; } steps[] = {
        {MediaKind::Video, &MediaItemReader::readVideoItem},
        {MediaKind::Image, &MediaItemReader::readImageItem},
        {MediaKind::Office, &MediaItemReader::readOfficeItem},
        {MediaKind::AnalogClock, &MediaItemReader::readAnalogClockItem},
        {MediaKind::DigitalClock, &MediaItemReader::readDigitalClockItem},
        {MediaKind::DigitalTimer, &MediaItemReader::readDigitalTimerItem},
        {MediaKind::SingleRowText, &MediaItemReader::readTextItem},
        {MediaKind::ScrollingText, &MediaItemReader::readTextItem},
        {MediaKind::SimpleText, &MediaItemReader::readTextItem},
        {MediaKind::Txt, &MediaItemReader::readTextItem},
        {MediaKind::Url, &MediaItemReader::readUrlItem},
        {MediaKind::VideoDevice, &MediaItemReader::readVideoDeviceItem},
        {MediaKind::Streaming, &MediaItemReader::readStreamingItem},
        {MediaKind::Weather, &MediaItemReader::readWeatherItem},
    };
    for (const auto &step : steps) {
        if (kindBytes == QByteArray::fromRawData(step.kind.data(), step.kind.size())) {
            item->kind = step.kind;
            (this->*step.read)(*item);
            return m_in.failed() ? nullptr : item.release();
        }
    }
    return nullptr; // unknown kind: the writer stored no block for it
}

void MediaItemReader::readVideoItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::video(io, item.video);
}

void MediaItemReader::readImageItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::image(io, item.image);
}

void MediaItemReader::readOfficeItem(QVLedMediaObject &item)
{
    // Same block as a picture; the page images come from the document later.
    readImageItem(item);
}

void MediaItemReader::readAnalogClockItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::analogClock(io, item.analogClock);
}

void MediaItemReader::readDigitalClockItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::digitalClock(io, item.digitalClock);
}

void MediaItemReader::readDigitalTimerItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::digitalTimer(io, item.digitalTimer);
}

void MediaItemReader::readTextItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::text(io, item.text);
}

void MediaItemReader::readUrlItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::url(io, item.url);
}

void MediaItemReader::readVideoDeviceItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::videoDevice(io, item.videoDevice);
}

void MediaItemReader::readStreamingItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::streaming(io, item.streaming);
}

void MediaItemReader::readWeatherItem(QVLedMediaObject &item)
{
    ReadIo io(m_in);
    MediaBlockLayout::weather(io, item.weather);
}

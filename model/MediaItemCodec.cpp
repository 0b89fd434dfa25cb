#include "model/MediaItemCodec.h"

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

    // An item of a kind the table does not know is stored without a block.
    if (const MediaKindRow *row = MediaKinds::find(item.kind)) {
        WriteIo io(m_out);
        MediaBlockLayout::familyBlock(io, item, row->family);
    }
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

    // The kind is compared byte for byte with each kind of the table.
    for (const MediaKindRow &row : MediaKinds::rows()) {
        if (kindBytes == QByteArray::fromRawData(row.kind.data(), row.kind.size())) {
            item->kind = row.kind;
            ReadIo io(m_in);
            MediaBlockLayout::familyBlock(io, *item, row.family);
            return m_in.failed() ? nullptr : item.release();
        }
    }
    return nullptr; // unknown kind: the writer stored no block for it
}

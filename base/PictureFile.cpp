// Pictures decoded within a budget, from regular files only.

#include "base/PictureFile.h"

#include <QFile>
#include <QImageReader>

#include <cmath>

namespace PictureFile {

namespace {

// Enough of a file to find its header, also behind a JPEG's large EXIF block.
constexpr qint64 kHeadBytes = 256 * 1024;

// A file whose reads fail once `cancel` is set: the decoder then gives up
// at its next read instead of finishing a picture nobody waits for.
class CancellableFile : public QFile
{
public:
    CancellableFile(const QString &path, const std::atomic_bool *cancel) : QFile(path), m_cancel(cancel) { }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_cancel && m_cancel->load(std::memory_order_relaxed))
            return -1;
        return QFile::readData(data, maxSize);
    }

private:
    const std::atomic_bool *m_cancel;
};

// A JPEG decodes row by row, and so shrinks while it is read, when it is
// sequential; a progressive one holds every coefficient of the whole picture.
bool isSequentialJpeg(const QByteArray &head)
{
    const auto byte = [&head](int i) { return quint8(head.at(i)); };
    if (head.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8)
        return false;
    int i = 2;
    while (i + 3 < head.size()) {
        if (byte(i) != 0xFF)
            return false;
        const quint8 marker = byte(i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // markers without a length
            i += 2;
            continue;
        }
        const bool frameHeader = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frameHeader)
            return marker == 0xC0 || marker == 0xC1; // baseline or extended sequential
        if (marker == 0xDA || marker == 0xD9)        // a scan or the end before any frame header
            return false;
        i += 2 + ((byte(i + 2) << 8) | byte(i + 3));
    }
    return false;
}

// Whether Qt's reader of the format decodes to a smaller size row by row
// (holding one row of the source), or decodes the whole picture first.
bool shrinksWhileReading(const QByteArray &format, const QByteArray &head)
{
    if (format == "png")
        return head.size() > 28 && head.at(28) == 0; // the header's interlace method: 0 none, 1 Adam7
    if (format == "jpeg" || format == "jpg")
        return isSequentialJpeg(head);
    return format == "svg" || format == "svgz"; // drawn at the size asked for
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height());
}

} // namespace

QSize decodeSize(const QSize &source, const QSize &cover)
{
    if (source.isEmpty())
        return QSize();
    const double width = source.width();
    const double height = source.height();
    double scale = 1.0;
    if (!cover.isEmpty())
        scale = qMin(1.0, qMax(cover.width() / width, cover.height() / height));
    const double pixels = width * height * scale * scale;
    const bool capped = pixels > double(kMaxShownPixels);
    if (capped)
        scale *= std::sqrt(double(kMaxShownPixels) / pixels);
    // Rounded up to cover, but down under the cap.
    const auto side = [capped, scale](double length) {
        return qBound(1.0, capped ? std::floor(length * scale) : std::ceil(length * scale - 1e-9), length);
    };
    qint64 w = qint64(side(width));
    qint64 h = qint64(side(height));
    if (w * h > kMaxShownPixels) // a sliver one pixel wide
        h = qMax<qint64>(1, kMaxShownPixels / w);
    return QSize(int(w), int(h));
}

Decoded read(const QString &path, const QSize &cover, const std::atomic_bool *cancel)
{
    Decoded result;
    CancellableFile file(path, cancel);
    QString reason;
    if (!RegularFile::open(file, &reason, &result.identity)) {
        result.error = reason;
        return result;
    }
    const QByteArray head = file.peek(kHeadBytes);
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize source = reader.size();
    if (source.isEmpty()) {
        result.error = QStringLiteral("not a picture that can be read (%1)").arg(reader.errorString());
        return result;
    }
    result.sourceSize = source;
    const qint64 pixels = qint64(source.width()) * source.height();
    if (pixels > kMaxSourcePixels) {
        result.error = QStringLiteral("%1 are more than a picture may have").arg(sizeText(source));
        return result;
    }
    const bool shrinks = shrinksWhileReading(reader.format(), head);
    if (!shrinks && pixels > kMaxWholePixels) {
        result.error = QStringLiteral("%1 are too many for a %2 picture that cannot be shrunk while it is read")
                           .arg(sizeText(source), QString::fromLatin1(reader.format()));
        return result;
    }
    const QSize target = decodeSize(source, cover);
    if (shrinks && target != source)
        reader.setScaledSize(target);
    QImage image = reader.read();
    if (image.isNull()) {
        result.error = QStringLiteral("the picture cannot be decoded (%1)").arg(reader.errorString());
        return result;
    }
    if (image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // The formats the painter draws fastest.
    const QImage::Format fast = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != fast)
        image = std::move(image).convertToFormat(fast);
    result.image = std::move(image);
    return result;
}

} // namespace PictureFile

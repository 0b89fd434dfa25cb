#pragma once

// Picture files that are not what an operator expects, made by the test:
// small PNG files that decode to huge pictures (written with zlib, without
// ever holding the picture), truncated and corrupt pictures, and paths that
// name a FIFO, a folder, an endless device or nothing at all.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QVector>
#include <QtEndian>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace HostilePictures {

namespace detail {

inline void appendChunk(QByteArray &png, const char *type, const QByteArray &data)
{
    char length[4];
    qToBigEndian<quint32>(quint32(data.size()), length);
    png.append(length, 4);
    const QByteArray typed = QByteArray(type, 4) + data;
    png.append(typed);
    char crc[4];
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef *>(typed.constData()), uInt(typed.size()))),
                          crc);
    png.append(crc, 4);
}

// Raw deflate of `input`, ended by a full flush: the bytes do not depend on
// anything compressed before them, so the same block can be repeated.
inline QByteArray deflateBlock(const QByteArray &input, int flush)
{
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(input.size()))) + 64, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.constData()));
    stream.avail_in = uInt(input.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, flush);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

} // namespace detail

// A PNG of `width` x `height` pixels of one colour, in a file of a few MB at
// most: the first row of each pass gives the colour once (filter "Sub"),
// every other row repeats the one above (filter "Up"), and each row's
// deflate block is the same. `interlaced`: seven Adam7 passes.
inline bool writeHugePng(const QString &path, quint32 width, quint32 height, QRgb colour = qRgb(200, 40, 40),
                         bool interlaced = false)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bits per sample
    header[9] = 2; // RGB
    header[12] = interlaced ? 1 : 0;
    detail::appendChunk(png, "IHDR", header);

    // Passes as (first column, first row, column step, row step); one pass covers all without interlacing.
    const QList<QVector<quint32>> passes
        = interlaced ? QList<QVector<quint32>>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                               {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
                     : QList<QVector<quint32>>{{0, 0, 1, 1}};
    QByteArray idat("\x78\xda", 2); // zlib header, best compression
    uLong adler = 1;
    const auto adlerOf = [](const QByteArray &row) {
        return adler32(1, reinterpret_cast<const Bytef *>(row.constData()), uInt(row.size()));
    };
    for (const QVector<quint32> &pass : passes) {
        const quint32 passWidth = width > pass[0] ? (width - pass[0] + pass[2] - 1) / pass[2] : 0;
        const quint32 passHeight = height > pass[1] ? (height - pass[1] + pass[3] - 1) / pass[3] : 0;
        if (passWidth == 0 || passHeight == 0)
            continue;
        QByteArray first(1 + int(passWidth) * 3, '\0');
        first[0] = 1; // Sub: every pixel adds its left neighbour's value
        first[1] = char(qRed(colour));
        first[2] = char(qGreen(colour));
        first[3] = char(qBlue(colour));
        QByteArray next(first.size(), '\0');
        next[0] = 2; // Up: the row above again
        idat += detail::deflateBlock(first, Z_FULL_FLUSH);
        adler = adler32_combine(adler, adlerOf(first), first.size());
        const QByteArray repeated = detail::deflateBlock(next, Z_FULL_FLUSH);
        const uLong nextAdler = adlerOf(next);
        for (quint32 row = 1; row < passHeight; ++row) {
            idat += repeated;
            adler = adler32_combine(adler, nextAdler, next.size());
        }
    }
    idat += detail::deflateBlock(QByteArray(), Z_FINISH);
    char trailer[4];
    qToBigEndian<quint32>(quint32(adler), trailer);
    idat.append(trailer, 4);
    detail::appendChunk(png, "IDAT", idat);
    detail::appendChunk(png, "IEND", QByteArray());

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(png) == png.size();
}

// A small picture that decodes.
inline bool writePicture(const QString &path, const QSize &size, const QColor &colour, const char *format = "PNG")
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, format);
}

// A real picture cut off half-way through its pixel data.
inline bool writeTruncatedPicture(const QString &path)
{
    QImage picture(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) // stripes, so the data is not all one run
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x * y) & 0xff));
    if (!picture.save(path, "PNG"))
        return false;
    QFile file(path);
    return file.resize(file.size() / 2);
}

// A file named like a picture whose bytes are none.
inline bool writeCorruptPicture(const QString &path)
{
    QFile file(path);
    QByteArray noise("\x89PNG\r\n\x1a\n", 8); // a picture's signature, then nothing that decodes
    for (int i = 0; i < 4096; ++i)
        noise.append(char((i * 7919) & 0xff));
    return file.open(QIODevice::WriteOnly) && file.write(noise) == noise.size();
}

inline bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// After `seconds`, opens the writing end of a FIFO again and again until it
// is destroyed: a reader blocked in open() on it (the fault a test looks
// for) is let go, so the test fails instead of hanging.
class FifoRelease
{
public:
    FifoRelease(const QString &path, int seconds)
        : m_thread([this, name = QFile::encodeName(path), seconds] {
              for (int tenth = 0; !m_done; ++tenth) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(100));
                  if (tenth < seconds * 10)
                      continue;
                  const int writer = ::open(name.constData(), O_WRONLY | O_NONBLOCK);
                  if (writer >= 0)
                      ::close(writer);
              }
          })
    { }
    ~FifoRelease()
    {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic_bool m_done{false};
    std::thread m_thread;
};

inline bool linkTo(const QString &target, const QString &path)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

} // namespace HostilePictures

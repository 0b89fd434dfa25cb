#pragma once

// Decodes a picture file that somebody else made, within a budget. Only a
// regular file is opened (never a FIFO or a device); the header is read
// first, and the picture is decoded no larger than where it shows needs,
// and never beyond the caps below, however large its header says it is.
// Safe to call on any thread; the program calls it on a worker
// (PictureCache), never on the GUI thread.

#include "model/RegularFile.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <atomic>

namespace PictureFile {

// The most pixels a decoded picture holds: 4096 x 4096, 64 MB at 32 bits a pixel.
constexpr qint64 kMaxShownPixels = 4096LL * 4096;
// A picture whose format cannot be shrunk while it is read (GIF, BMP,
// interlaced PNG, progressive JPEG) is held whole for a moment: up to this
// many pixels (128 MB at 32 bits a pixel), no more.
constexpr qint64 kMaxWholePixels = 32LL * 1024 * 1024;
// Pictures of more pixels are not read at all: even shrunk row by row, a
// picture of 2^30 pixels keeps a worker busy for a minute.
constexpr qint64 kMaxSourcePixels = 1LL << 30;

// The size a picture of `source` pixels is decoded at to cover `cover` (the
// size it is shown at) on both axes, keeping its shape: never larger than
// the source, nor than kMaxShownPixels. An empty `cover` asks for the
// picture's own size, within the cap.
QSize decodeSize(const QSize &source, const QSize &cover);

struct Decoded
{
    QImage image;                   // null when the file cannot be shown
    QSize sourceSize;               // the picture's own size, from its header
    QString error;                  // why there is no image
    RegularFile::Identity identity; // the file that was read
};

// Reads the picture at `path` to cover `cover` (see decodeSize). The format
// is told by the contents. When `cancel` becomes true on another thread, a
// running read ends soon with an error.
Decoded read(const QString &path, const QSize &cover, const std::atomic_bool *cancel = nullptr);

} // namespace PictureFile

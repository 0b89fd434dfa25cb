#pragma once

// The values both video back ends send for the player's operations, and the
// one start seek of each opened file. Nothing here talks to libmpv. Written in
// the header, so that the video modules share it without calling the program.

#include <QByteArray>

namespace VideoValues {

// "video-zoom" for a scale index: 0 (fill the label) "20", 1 (whole picture,
// its aspect ratio kept) "0"; null for any other index, which changes nothing.
inline const char *zoomForScale(int scale)
{
    switch (scale) {
    case 0:
        return "20";
    case 1:
        return "0";
    default:
        return nullptr;
    }
}

// Degrees for a rotation index 0..3 (0, 90, 180, 270); -1 for any other index.
inline int degreesForRotation(int index)
{
    return index >= 0 && index <= 3 ? index * 90 : -1;
}

// An integer as libmpv's property text.
inline QByteArray number(int value)
{
    return QByteArray::number(value);
}

} // namespace VideoValues

// Each opened file is sought to the start position once, at its first length
// report; streams that report their length again never seek back.
class StartSeek
{
public:
    // A file was opened: its first length report may seek.
    void fileOpened() { m_due = true; }
    // A length report came: true for the first one since the file was opened.
    bool takeDue()
    {
        const bool due = m_due;
        m_due = false;
        return due;
    }

private:
    bool m_due = false;
};

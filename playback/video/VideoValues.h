#pragma once

// The values both video back ends send for the player's operations, and the
// one start seek of each opened file. Nothing here talks to libmpv.

#include <QByteArray>

namespace VideoValues {

// "video-zoom" for a scale index: 0 (fill the label) "20", 1 (whole picture,
// its aspect ratio kept) "0"; null for any other index, which changes nothing.
const char *zoomForScale(int scale);
// Degrees for a rotation index 0..3 (0, 90, 180, 270); -1 for any other index.
int degreesForRotation(int index);
// An integer as libmpv's property text.
QByteArray number(int value);

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

#pragma once

// Video files made at test time with ffmpeg's lavfi sources, and the libmpv
// set-up every test of the real players shares: numbers in the C locale and
// no sound device.

#include "playback/video/MpvSession.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

#include <clocale>

namespace VideoClips {

// Called once the QApplication exists.
inline void prepareLibmpv()
{
    std::setlocale(LC_NUMERIC, "C");
    MpvSession::setOverride("ao", "null");
}

// A clip of `seconds` from the lavfi source (e.g. "testsrc2=size=160x120:rate=10"
// or "color=c=red:size=160x120:rate=10") written to `path`; false when ffmpeg fails.
inline bool make(const QString &path, const QString &source, double seconds)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-v", "error", "-y", "-f", "lavfi", "-i", source, "-t", QString::number(seconds), "-c:v",
                  "mpeg4", "-q:v", "5", "-pix_fmt", "yuv420p", path});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

} // namespace VideoClips

#pragma once

// Video files made at test time with ffmpeg's lavfi sources, and the libmpv
// set-up every test of the real players shares: numbers in the C locale and
// no sound device.

#include "playback/video/VideoModule.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

#include <clocale>

namespace VideoClips {

// Called once the QApplication exists.
inline void prepareLibmpv()
{
    std::setlocale(LC_NUMERIC, "C");
    VideoSettings::setOverride("ao", "null");
}

// ffmpeg: the lavfi sources, `seconds` long, the picture as MPEG-4 and the
// sound (a second source) as PCM, written to `path`; false when ffmpeg fails.
inline bool encode(const QStringList &sources, const QString &path, double seconds)
{
    QStringList arguments{"-v", "error", "-y"};
    for (const QString &source : sources)
        arguments += QStringList{"-f", "lavfi", "-i", source};
    arguments += QStringList{"-t", QString::number(seconds), "-c:v", "mpeg4", "-q:v", "5", "-pix_fmt", "yuv420p"};
    if (sources.size() > 1)
        arguments += QStringList{"-c:a", "pcm_s16le"};
    arguments << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// A clip of `seconds` from the lavfi source (e.g. "testsrc2=size=160x120:rate=10"
// or "color=c=red:size=160x120:rate=10") written to `path`; false when ffmpeg fails.
inline bool make(const QString &path, const QString &source, double seconds)
{
    return encode({source}, path, seconds);
}

// As make(), with a silent sound track beside the picture: a player that can
// open no sound device must still show and measure it.
inline bool makeWithSound(const QString &path, const QString &source, double seconds)
{
    return encode({source, QStringLiteral("anullsrc=r=44100:cl=mono")}, path, seconds);
}

} // namespace VideoClips

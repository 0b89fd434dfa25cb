#pragma once

// Background music for the tests: files named like music that hold none (a
// line of text, nothing at all, a picture), and a short tone made by ffmpeg.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace MusicFiles {

// "text.mp3", "empty.mp3" and "picture.mp3" in `folder`; their paths, or none when one could not be written.
inline QStringList writeNotAudio(const QString &folder)
{
    QFile text(folder + QStringLiteral("/text.mp3"));
    if (!text.open(QIODevice::WriteOnly) || text.write("no sound in here\n") < 0)
        return {};
    text.close();
    QFile empty(folder + QStringLiteral("/empty.mp3"));
    if (!empty.open(QIODevice::WriteOnly))
        return {};
    empty.close();
    QImage picture(32, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    if (!picture.save(folder + QStringLiteral("/picture.mp3"), "PNG"))
        return {};
    return {folder + QStringLiteral("/picture.mp3"), folder + QStringLiteral("/text.mp3"),
            folder + QStringLiteral("/empty.mp3")};
}

// Two seconds of a 440 Hz tone as a WAV file.
inline bool writeTone(const QString &path)
{
    return QProcess::execute(QStringLiteral("ffmpeg"),
                             {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=2", path})
           == 0;
}

} // namespace MusicFiles

#pragma once

// Reads how long a video file is without showing or sounding it: a libmpv
// player of its own, whose picture and sound go nowhere ("vo" and "ao"
// "null", paused), opens the file and reports its length. It needs neither a
// drawing surface nor a sound device, so it works the same in both programs,
// on a machine without a sound card and behind a hidden display window.
//
// The reader lives in the program, like PlayLabel; the player behind it
// comes from the program's video module (VideoModule.h), opened by the first
// read. Without the module every read fails, with one log line.

#include <QObject>
#include <QString>

#include <memory>

class VideoLengthReader : public QObject
{
    Q_OBJECT

public:
    // Makes nothing heavy: the module and libmpv are started by the first read.
    explicit VideoLengthReader(QObject *parent = nullptr);
    ~VideoLengthReader() override;

    // Opens the file to learn its length; a file being read is given up for
    // it. The answer, sigLength or sigFailed, always comes later, through the
    // event loop, never from within this call.
    void read(const QString &path);
    // Gives up the file being read: no answer comes for it.
    void cancel();
    // The file being read, empty when none.
    QString reading() const;

signals:
    void sigLength(QString path, double seconds);
    // The file cannot be read, or the module or libmpv cannot be started.
    void sigFailed(QString path);

private:
    struct Engine; // the module's engine, the file being read and the patience for it
    std::unique_ptr<Engine> m_engine;
};

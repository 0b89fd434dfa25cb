#pragma once

// Reads how long a video file is without showing or sounding it: a libmpv
// player of its own, whose picture and sound go nowhere ("vo" and "ao"
// "null", paused), opens the file and reports its length. It needs neither a
// drawing surface nor a sound device, so it works the same in both programs,
// on a machine without a sound card and behind a hidden display window.
//
// Declared here once, like PlayLabel; the two programs link the libmpv
// implementation (VideoLengthReader.cpp), the tests a recording fake.

#include <QObject>
#include <QString>

#include <memory>

class VideoLengthReader : public QObject
{
    Q_OBJECT

public:
    // Makes nothing heavy: libmpv is started by the first read.
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
    // The file cannot be read, or libmpv cannot be started.
    void sigFailed(QString path);

private:
    struct Engine; // what the linked implementation keeps
    std::unique_ptr<Engine> m_engine;
};

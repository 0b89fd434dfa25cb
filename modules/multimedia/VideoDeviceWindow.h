#pragma once

// The camera of an area: the default camera's picture in a viewfinder and,
// at the same time, the default microphone played on the default speaker at
// 8 kHz. A machine without a camera shows an empty viewfinder; without a
// microphone or a speaker there is no sound; nothing is read from or written
// to a device that is not there. Whether there is a camera to show is asked
// before capture starts (cameraProblem), and a camera that fails once started
// says so (sigCameraFailed).

#include <QAudio>
#include <QAudioFormat>
#include <QLabel>
#include <QMetaObject>

class QAudioInput;
class QAudioOutput;
class QCamera;
class QCameraViewfinder;
class QIODevice;

class VideoDeviceWindow : public QLabel
{
    Q_OBJECT

public:
    explicit VideoDeviceWindow(QWidget *parent);
    ~VideoDeviceWindow() override;

    QAudioInput *audioInput = nullptr;   // null without a microphone
    QAudioOutput *audioOutput = nullptr; // null without a speaker
    QIODevice *inputDevice = nullptr;    // not owned; null while not capturing
    QIODevice *outputDevice = nullptr;   // not owned; null while not capturing
    QCamera *camera = nullptr;           // null without a camera
    QCameraViewfinder *viewfinder = nullptr;

    // 8000 Hz, one channel, 16-bit unsigned little-endian PCM.
    static QAudioFormat loopFormat();
    // Copies one block of at most 2048 bytes from input to output; the
    // bytes written (0 when there was nothing or no output).
    static qint64 copyBlock(QIODevice *input, QIODevice *output);

    // Why no camera picture can show, or empty when the camera is there. A
    // camera plugged in since the last call is found now.
    QString cameraProblem();

    void startCapture();
    void stopCapture();
    bool capturing() const { return m_capturing; }

signals:
    // The camera reported an error while capturing; `reason` says which.
    void sigCameraFailed(const QString &reason);

public slots:
    void finishedPlaying(QAudio::State state);
    void readMore();

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Where the two sound streams come from once capture starts; null when
    // there is no such device. Tests give streams of their own.
    virtual QIODevice *openInput();
    virtual QIODevice *openOutput();

private:
    void makeAudio();
    void makeCamera();

    QMetaObject::Connection m_readConnection; // ours alone: Qt's own connections stay
    bool m_capturing = false;
};

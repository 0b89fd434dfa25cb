// The camera window: capture start and stop, and the sound loop-back.

#include "modules/multimedia/VideoDeviceWindow.h"

#include "base/Log.h"

#include <QAudioDeviceInfo>
#include <QAudioInput>
#include <QAudioOutput>
#include <QCamera>
#include <QCameraInfo>
#include <QCameraViewfinder>
#include <QResizeEvent>

namespace {
constexpr int kBlockBytes = 2048;
}

VideoDeviceWindow::VideoDeviceWindow(QWidget *parent) : QLabel(parent)
{
    makeAudio();
    viewfinder = new QCameraViewfinder(this);
    makeCamera();
}

void VideoDeviceWindow::makeCamera()
{
    // A machine without a camera keeps the viewfinder empty instead of asking the system for one.
    const QCameraInfo info = QCameraInfo::defaultCamera();
    if (camera || info.isNull())
        return;
    camera = new QCamera(info, this);
    camera->setViewfinder(viewfinder);
    connect(camera, &QCamera::errorOccurred, this, [this](QCamera::Error) {
        emit sigCameraFailed(QStringLiteral("the camera failed: %1").arg(camera->errorString()));
    });
}

QString VideoDeviceWindow::cameraProblem()
{
    makeCamera();
    if (!camera)
        return QStringLiteral("no camera is connected");
    if (camera->availability() != QMultimedia::Available)
        return QStringLiteral("the camera is not available (%1)").arg(int(camera->availability()));
    return QString();
}

VideoDeviceWindow::~VideoDeviceWindow()
{
    stopCapture();
}

QAudioFormat VideoDeviceWindow::loopFormat()
{
    QAudioFormat format;
    format.setSampleRate(8000);
    format.setChannelCount(1);
    format.setSampleSize(16);
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::UnSignedInt);
    return format;
}

void VideoDeviceWindow::makeAudio()
{
    const QAudioDeviceInfo input = QAudioDeviceInfo::defaultInputDevice();
    const QAudioDeviceInfo output = QAudioDeviceInfo::defaultOutputDevice();
    QAudioFormat format = loopFormat();
    if (!input.isNull() && !input.isFormatSupported(format)) {
        qCDebug(lcPlayback) << "default format not supported try to use nearest";
        format = input.nearestFormat(format);
    }
    if (!input.isNull())
        audioInput = new QAudioInput(input, format, this);
    if (!output.isNull()) {
        audioOutput = new QAudioOutput(output, format, this);
        connect(audioOutput, &QAudioOutput::stateChanged, this, &VideoDeviceWindow::finishedPlaying);
    }
}

QIODevice *VideoDeviceWindow::openInput()
{
    return audioInput ? audioInput->start() : nullptr;
}

QIODevice *VideoDeviceWindow::openOutput()
{
    return audioOutput ? audioOutput->start() : nullptr;
}

void VideoDeviceWindow::startCapture()
{
    if (camera)
        camera->start();
    inputDevice = openInput();
    // A second start replaces the devices; only our own connection is remade.
    disconnect(m_readConnection);
    if (inputDevice)
        m_readConnection = connect(inputDevice, &QIODevice::readyRead, this, &VideoDeviceWindow::readMore);
    outputDevice = openOutput();
    m_capturing = true;
}

void VideoDeviceWindow::stopCapture()
{
    if (camera)
        camera->stop();
    if (audioOutput)
        audioOutput->stop();
    if (audioInput)
        audioInput->stop();
    disconnect(m_readConnection);
    // The streams are gone with their devices' stop.
    inputDevice = nullptr;
    outputDevice = nullptr;
    m_capturing = false;
}

qint64 VideoDeviceWindow::copyBlock(QIODevice *input, QIODevice *output)
{
    if (!input)
        return 0;
    QByteArray block(kBlockBytes, '\0');
    const qint64 read = input->read(block.data(), kBlockBytes);
    if (read <= 0 || !output)
        return 0;
    return output->write(block.constData(), read);
}

void VideoDeviceWindow::readMore()
{
    copyBlock(inputDevice, outputDevice);
}

void VideoDeviceWindow::finishedPlaying(QAudio::State)
{
    qCDebug(lcPlayback).noquote() << "play end!";
}

void VideoDeviceWindow::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    viewfinder->resize(event->size());
    if (camera)
        camera->setViewfinder(viewfinder);
}

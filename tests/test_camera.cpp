// The camera item: the sound loop-back's block copy, one read per signal
// however often capture starts, stopping what never started, the speaker's
// state reports, and a camera item on a machine without a camera, which ends
// as failed and says why once. The camera classes are linked into this test,
// which gives them to the program in place of the multimedia module, so that
// it can look inside them.

#include "base/Modules.h"
#include "modules/multimedia/BackgroundMusic.h"
#include "modules/multimedia/CameraPlayer.h"
#include "modules/multimedia/VideoDeviceWindow.h"
#include "playback/dataBaseConn.h"
#include "support/MessageLog.h"
#include "support/PlayFixture.h"

#include <QBuffer>
#include <QCameraInfo>
#include <QtTest>

namespace {
const QString General = QStringLiteral("generalSegment");

// A microphone stream that counts how often it is read.
class CountingInput : public QBuffer
{
public:
    int reads = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        ++reads;
        return QBuffer::readData(data, size);
    }
};

// A camera window whose sound streams are buffers of the test's.
class BufferedCamera : public VideoDeviceWindow
{
public:
    BufferedCamera() : VideoDeviceWindow(nullptr) { }
    CountingInput input;
    QBuffer output;

protected:
    QIODevice *openInput() override
    {
        if (!input.isOpen())
            input.open(QIODevice::ReadWrite);
        return &input;
    }
    QIODevice *openOutput() override
    {
        if (!output.isOpen())
            output.open(QIODevice::WriteOnly);
        return &output;
    }
};

// The multimedia module, made of the classes linked into this test.
class LinkedMultimedia : public QObject, public MediaModule
{
    Q_OBJECT
    Q_INTERFACES(MediaModule)

public:
    MusicPlayer *newMusic(QObject *parent) override { return new BackgroundMusic(parent); }
    std::unique_ptr<ContentPlayer> newCameraPlayer(QWidget *area) override
    {
        return std::make_unique<CameraPlayer>(area);
    }
};

void feed(CountingInput &input, int bytes)
{
    const qint64 at = input.pos();
    input.seek(input.size());
    input.write(QByteArray(bytes, 'x'));
    input.seek(at);
}
} // namespace

class CameraTest : public QObject
{
    Q_OBJECT

    LinkedMultimedia m_multimedia;

private slots:
    void initTestCase() { Modules::provide(QStringLiteral("multimedia"), &m_multimedia); }
    void cleanupTestCase() { Modules::provide(QStringLiteral("multimedia"), nullptr); }

    void blockCopy_data()
    {
        QTest::addColumn<int>("available");
        QTest::addColumn<bool>("withOutput");
        QTest::addColumn<qint64>("written");
        QTest::newRow("600 in, 600 out") << 600 << true << qint64(600);
        QTest::newRow("more than a block: 2048 at a time") << 5000 << true << qint64(2048);
        QTest::newRow("nothing in") << 0 << true << qint64(0);
        QTest::newRow("no speaker") << 600 << false << qint64(0);
    }

    void blockCopy()
    {
        QFETCH(int, available);
        QFETCH(bool, withOutput);
        QFETCH(qint64, written);
        QBuffer in;
        in.setData(QByteArray(available, 'a'));
        in.open(QIODevice::ReadOnly);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QCOMPARE(VideoDeviceWindow::copyBlock(&in, withOutput ? &out : nullptr), written);
        QCOMPARE(out.data().size(), int(written));
        QCOMPARE(VideoDeviceWindow::copyBlock(nullptr, &out), qint64(0)); // no microphone: nothing read
    }

    void startingTwiceKeepsOneReadPerSignal()
    {
        TestEnvironment env;
        BufferedCamera camera;
        camera.startCapture();
        camera.startCapture();
        feed(camera.input, 600);
        emit camera.input.readyRead();
        QCOMPARE(camera.input.reads, 1);
        QCOMPARE(camera.output.data().size(), 600);

        camera.stopCapture();
        QVERIFY(!camera.inputDevice && !camera.outputDevice);
        feed(camera.input, 100);
        emit camera.input.readyRead(); // no longer connected
        QCOMPARE(camera.input.reads, 1);
    }

    void stoppingBeforeStartingAndTheSpeakersReports()
    {
        TestEnvironment env;
        VideoDeviceWindow camera(nullptr);
        camera.stopCapture();
        QVERIFY(!camera.capturing());
        camera.readMore(); // devices that are not there are never touched
        for (QAudio::State state :
             {QAudio::ActiveState, QAudio::SuspendedState, QAudio::StoppedState, QAudio::IdleState}) {
            QTest::ignoreMessage(QtDebugMsg, "play end!");
            camera.finishedPlaying(state);
        }
        QCOMPARE(VideoDeviceWindow::loopFormat().sampleRate(), 8000);
        QCOMPARE(VideoDeviceWindow::loopFormat().sampleSize(), 16);
    }

    void aCameraItemWithoutACameraEndsAsFailedAndSaysWhyOnce()
    {
        if (!QCameraInfo::defaultCamera().isNull())
            QSKIP("this machine has a camera");
        MessageLog messages;
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2); // loops, so the camera comes round again
        CommonWinObject *window = f.addWindow("W", 2, 1);
        QVLedMediaObject *camera = window->media.value(0);
        camera->kind = MediaKind::VideoDevice;
        camera->videoDevice.timeLength = QTime(0, 0, 30);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        for (int round = 0; round < 2; ++round) {
            QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::VideoDevice), 5000);
            auto *player = qobject_cast<CameraPlayer *>(area->content().find(MediaFamily::VideoDevice));
            QVERIFY(player && player->window());
            QVERIFY(player->window()->isHidden());
            QVERIFY(!player->window()->capturing());
            // The shortest stay, not the item's 30 s.
            QTRY_COMPARE_WITH_TIMEOUT(area->currentKind, QString(MediaKind::SimpleText), 3000);
        }
        PlayLog::flush();
        dataBaseConn log;
        const QString today = f.clock.currentDate().toString("yyyy-MM-dd");
        QStringList cameraResults;
        for (const QStringList &row : log.queryLogs(QString(), today, today)) {
            if (row.value(0) == QStringLiteral("Device"))
                cameraResults << row.value(6);
        }
        QCOMPARE(cameraResults, (QStringList{"failed", "failed"}));
        QCOMPARE(messages.count(QtWarningMsg, "qv.playback", "a camera item cannot show: no camera is connected"), 1);
    }
};

QTEST_MAIN(CameraTest)
#include "test_camera.moc"

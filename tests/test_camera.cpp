// The camera item: the sound loop-back's block copy, one read per signal
// however often capture starts, stopping what never started, the speaker's
// state reports, and a camera item that plays its stay time on a machine
// without a camera.

#include "playback/content/CameraPlayer.h"
#include "playback/content/VideoDeviceWindow.h"
#include "support/PlayFixture.h"

#include <QBuffer>
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

private slots:
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

    void aCameraItemPlaysItsStayTimeWithoutACamera()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", General, 2);
        CommonWinObject *window = f.addWindow("W", 2);
        QVLedMediaObject *camera = window->media.value(0);
        camera->kind = MediaKind::VideoDevice;
        camera->videoDevice.timeLength = QTime(0, 0, 1);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        QCOMPARE(area->currentKind, QString(MediaKind::VideoDevice));
        auto *player = qobject_cast<CameraPlayer *>(area->content().find(MediaFamily::VideoDevice));
        QVERIFY(player && player->window());
        QVERIFY(!player->window()->isHidden());
        QVERIFY(player->window()->capturing());

        area->pauseRealPlay();
        QVERIFY(!player->window()->capturing());
        area->resumeRealPlay();
        QVERIFY(player->window()->capturing());
        QTRY_COMPARE_WITH_TIMEOUT(area->index, 1, 4000); // the next item follows after the stay time
        QVERIFY(player->window()->isHidden());
        QVERIFY(!player->window()->capturing());
    }
};

QTEST_MAIN(CameraTest)
#include "test_camera.moc"

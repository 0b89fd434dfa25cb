// The video surface against a real libmpv, built once per program's back end:
// lengths, the one start seek of each file, failures, the values of scale,
// rotation and volume, the picture at both scales, close, and many players
// made and destroyed in a row, and libmpv's voice: warnings and errors in
// the log, nothing on the terminal.

#include "playback/video/PlayLabel.h"
#include "support/CapturedOutput.h"
#include "support/MessageLog.h"
#include "support/VideoClips.h"

#include <QFile>

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class VideoPlayerTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_long, m_short, m_red;

    QString clip(const QString &name) const { return m_dir.filePath(name); }

    // A window with the label at (0, 0) of the given size, shown.
    struct Shown
    {
        Shown(int width, int height)
        {
            window.setGeometry(0, 0, width, height);
            window.setStyleSheet(QStringLiteral("background:black"));
            label = new PlayLabel(&window);
            label->setGeometry(0, 0, width, height);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
        }
        QWidget window;
        PlayLabel *label = nullptr;
    };

    static double positionOf(const PlayLabel &label) { return label.propertyText("time-pos").toDouble(); }

    // Waits for the first length report and returns it; -1 when none comes.
    static float lengthOf(PlayLabel &label, const QString &path)
    {
        QSignalSpy lengths(&label, &PlayLabel::sigSetVideoRange);
        label.on_file_open(path);
        label.on_file_contiue();
        if (!lengths.wait(10000))
            return -1;
        return lengths.first().first().toFloat();
    }

private slots:
    void initTestCase()
    {
        VideoClips::prepareLibmpv();
        m_long = clip("long.avi");
        m_short = clip("short.avi");
        m_red = clip("red.avi");
        QVERIFY(VideoClips::make(m_long, "testsrc2=size=64x48:rate=10", 83.5));
        QVERIFY(VideoClips::make(m_short, "testsrc2=size=64x48:rate=10", 20));
        QVERIFY(VideoClips::make(m_red, "color=c=red:size=160x120:rate=10", 20));
    }

    void reportsTheLengthOfTheFile()
    {
        Shown shown(200, 150);
        QCOMPARE(lengthOf(*shown.label, m_long), 83.5f);
        QCOMPARE(shown.label->openedPath(), m_long);
    }

    void seeksOncePerOpenedFileToTheStartPosition()
    {
        Shown shown(200, 150);
        PlayLabel &label = *shown.label;
        label.startPosition = 5;
        QVERIFY(lengthOf(label, m_short) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) >= 5, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) >= 5.5, 5000);
        // A later length report (a stream) never seeks back.
        label.setSliderRange(20);
        QTest::qWait(300);
        QVERIFY2(positionOf(label) >= 5.5, qPrintable(label.propertyText("time-pos")));

        label.startPosition = 12;
        QVERIFY(lengthOf(label, m_short) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) >= 12, 5000);
    }

    void reportsAFileItCannotOpen()
    {
        Shown shown(200, 150);
        QSignalSpy failures(shown.label, &PlayLabel::sigOpenFailed);
        QSignalSpy lengths(shown.label, &PlayLabel::sigSetVideoRange);
        shown.label->on_file_open(clip("missing.avi"));
        QVERIFY(failures.wait(10000));
        QCOMPARE(failures.first().first().toString(), clip("missing.avi"));
        QVERIFY(lengths.isEmpty());
    }

    void dropsReportsOfAReplacedFile()
    {
        Shown shown(200, 150);
        QSignalSpy lengths(shown.label, &PlayLabel::sigSetVideoRange);
        shown.label->on_file_open(m_long);
        shown.label->on_file_open(m_short);
        QVERIFY(lengths.wait(10000));
        QTest::qWait(500);
        for (const QList<QVariant> &report : qAsConst(lengths))
            QCOMPARE(report.first().toFloat(), 20.0f);
    }

    void scaleRotationAndVolumeReachLibmpv()
    {
        Shown shown(200, 150);
        PlayLabel &label = *shown.label;
        QVERIFY(lengthOf(label, m_short) > 0);
        label.on_file_Scale(0);
        QCOMPARE(label.propertyText("video-zoom").toDouble(), 20.0);
        label.on_file_Scale(1);
        QCOMPARE(label.propertyText("video-zoom").toDouble(), 0.0);
        label.on_file_Scale(2); // no scale of ours: nothing changes
        QCOMPARE(label.propertyText("video-zoom").toDouble(), 0.0);
        label.video_rotate(180);
        QCOMPARE(label.propertyText("video-rotate"), QStringLiteral("180"));
        label.on_file_volume(40);
        QCOMPARE(label.propertyText("volume").toDouble(), 40.0);
        label.on_file_pause();
        QVERIFY(label.paused);
        QCOMPARE(label.propertyText("pause"), QStringLiteral("yes"));
        label.on_file_contiue();
        QCOMPARE(label.propertyText("pause"), QStringLiteral("no"));
    }

    // A 4:3 red picture in a label twice as wide: filled at scale 0, black bars at scale 1.
    void fillsTheLabelAtScaleZeroAndKeepsTheAspectAtScaleOne()
    {
        Shown shown(320, 120);
        PlayLabel &label = *shown.label;
        QVERIFY(lengthOf(label, m_red) > 0);
        QScreen *screen = QGuiApplication::primaryScreen();
        const QPoint origin = label.mapToGlobal(QPoint(0, 0));
        auto edgeIsRed = [&] {
            const QImage frame = screen->grabWindow(0, origin.x(), origin.y(), 320, 120).toImage();
            const QColor edge = frame.pixelColor(8, 60);
            const QColor centre = frame.pixelColor(160, 60);
            return QPair<bool, bool>(edge.red() > 180 && edge.green() < 80, centre.red() > 180 && centre.green() < 80);
        };
        label.on_file_Scale(1);
        QTRY_VERIFY_WITH_TIMEOUT(edgeIsRed() == qMakePair(false, true), 5000);
        label.on_file_Scale(0);
        QTRY_VERIFY_WITH_TIMEOUT(edgeIsRed() == qMakePair(true, true), 5000);
    }

    void closeStopsTheFile()
    {
        Shown shown(200, 150);
        PlayLabel &label = *shown.label;
        QVERIFY(lengthOf(label, m_short) > 0);
        QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) > 0.5, 5000);
        label.on_file_close();
#ifdef QV_EMBEDDED_BUILD
        // The second program's close is a pause: the file and its place stay.
        QTRY_COMPARE_WITH_TIMEOUT(label.propertyText("pause"), QStringLiteral("yes"), 5000);
        const double stoppedAt = positionOf(label);
        QTest::qWait(500);
        QCOMPARE(positionOf(label), stoppedAt);
        label.on_file_contiue();
        QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) > stoppedAt, 5000);
#else
        QVERIFY(label.openedPath().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(label.propertyText("idle-active"), QStringLiteral("yes"), 5000);
#endif
    }

    void libmpvWarnsThroughTheLogAndWritesNothingOfItsOwn()
    {
        const QString garbage = clip("garbage.avi");
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();

        // Nothing of the test's own on either stream meanwhile: the log keeps what it is told.
        MessageLog log(MessageLog::Forward::No);
        CapturedOutput stdoutCapture(STDOUT_FILENO);
        CapturedOutput stderrCapture;
        {
            Shown shown(200, 150);
            PlayLabel &label = *shown.label;
            QVERIFY(lengthOf(label, m_short) > 0);
            QTRY_VERIFY_WITH_TIMEOUT(positionOf(label) > 2, 5000);
            QSignalSpy failures(&label, &PlayLabel::sigOpenFailed);
            label.on_file_open(garbage);
            QVERIFY(failures.wait(10000));
            // libmpv's log lines come on their own queue and may follow the failure.
            QTRY_VERIFY_WITH_TIMEOUT(log.count(QtWarningMsg, "qv.video", "libmpv error") >= 1, 5000);
        }
        const QByteArray written = stdoutCapture.text() + stderrCapture.text();
        // At verbose level it wrote dozens of lines per file, and its errors on top.
        QVERIFY2(written.count('\n') < 5, written.left(2000).constData());
        QVERIFY(!written.contains("[cplayer]"));
        // What went wrong with the garbage is still told, through the category.
        QVERIFY2(log.count(QtWarningMsg, "qv.video", "libmpv error") >= 1,
                 qPrintable(log.texts("qv.video").join('\n')));
        QCOMPARE(log.count(QtWarningMsg, "qv.video", "libmpv v "), 0);
    }

    void manyPlayersComeAndGo()
    {
        for (int cycle = 0; cycle < 20; ++cycle) {
            Shown shown(160, 120);
            QVERIFY2(lengthOf(*shown.label, m_short) > 0, qPrintable(QString::number(cycle)));
        }
    }
};

QTEST_MAIN(VideoPlayerTest)
#include "test_videoplayer.moc"

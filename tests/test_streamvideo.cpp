// A stream against a real libmpv, once per program's back end: an ffmpeg
// clip served over HTTP on 127.0.0.1 plays at the item's volume and stops
// playing when its item ends; streams that never open are logged as failed.

#include "playback/content/StreamPlayer.h"
#include "playback/video/PlayLabel.h"
#include "support/LocalHttpServer.h"
#include "support/PlayFixture.h"
#include "support/VideoClips.h"

#include <QFile>
#include <QTcpServer>
#include <QtTest>

class StreamVideoTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_clip;

private slots:
    void initTestCase()
    {
        VideoClips::prepareLibmpv();
        const QString path = m_dir.filePath("hall.avi");
        QVERIFY(VideoClips::make(path, "testsrc2=size=64x48:rate=10", 6));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_clip = file.readAll();
    }

    void aServedClipPlaysAtTheItemsVolumeAndClosesAtItsEnd()
    {
        LocalHttpServer server;
        server.answers["/live/hall.avi"] = {200, "video/x-msvideo", m_clip};
        PlayFixture f;
        Clock::install(nullptr); // libmpv plays on the real clock
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        CommonWinObject *window = f.addWindow("W", 2, 5);
        QVLedMediaObject *stream = window->media.value(0);
        stream->kind = MediaKind::Streaming;
        stream->streaming.address = server.url("/live/hall.avi");
        stream->streaming.volume = 40;
        stream->streaming.timeLength = QTime(0, 0, 3);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        area->owner->show();
        auto *player = qobject_cast<StreamPlayer *>(area->content().find(MediaFamily::Streaming));
        QVERIFY(player);
        PlayLabel *label = player->playLabel();
        QCOMPARE(label->openedPath(), server.url("/live/hall.avi"));
        QTRY_VERIFY_WITH_TIMEOUT(!server.requests.isEmpty(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(label->propertyText("time-pos").toDouble() > 0.5, 5000);
        QCOMPARE(label->propertyText("volume").toDouble(), 40.0);

        QTRY_VERIFY_WITH_TIMEOUT(area->currentItem == window->media.value(1), 6000);
        QVERIFY(label->isHidden());
#ifdef QV_EMBEDDED_BUILD
        // The second program's close holds the file paused: it plays on no more.
        QCOMPARE(label->propertyText("pause"), QString("yes"));
#else
        QVERIFY(label->openedPath().isEmpty());
#endif
    }

    void aStreamThatNeverOpenedIsLoggedAsFailed_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("result");
        QTest::newRow("refused") << QString() << "failed";
        QTest::newRow("a redirect loop") << "/loop"
                                         << "failed";
        QTest::newRow("garbage") << "/garbage"
                                 << "failed";
        QTest::newRow("a clip") << "/live/hall.avi"
                                << "success";
    }

    void aStreamThatNeverOpenedIsLoggedAsFailed()
    {
        QFETCH(QString, path);
        QFETCH(QString, result);
        LocalHttpServer server;
        server.answers["/live/hall.avi"] = {200, "video/x-msvideo", m_clip};
        server.answers["/loop"] = {302, "text/plain", {}, "Location: " + server.url("/loop").toUtf8() + "\r\n"};
        QByteArray garbage(64 * 1024, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919) ^ (i >> 3));
        server.answers["/garbage"] = {200, "video/x-msvideo", garbage};
        QString address = server.url(path);
        if (path.isEmpty()) {
            QTcpServer closed; // a port nobody listens on once it is closed again
            QVERIFY(closed.listen(QHostAddress::LocalHost));
            address = QStringLiteral("http://127.0.0.1:%1/live").arg(closed.serverPort());
        }

        PlayFixture f;
        Clock::install(nullptr);
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        CommonWinObject *window = f.addWindow("W", 2, 5);
        QVLedMediaObject *stream = window->media.value(0);
        stream->kind = MediaKind::Streaming;
        stream->streaming.address = address;
        stream->streaming.timeLength = QTime(0, 0, 4);
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        area->owner->show();
        QTRY_VERIFY_WITH_TIMEOUT(area->currentItem == window->media.value(1), 8000);

        const QList<QStringList> rows = f.loggedRows();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.value(0).value(0), QString("Streaming Media"));
        QCOMPARE(rows.value(0).value(6), result);
        // A clip plays its stay time; what never opened gives way after a second.
        const int seconds = rows.value(0).value(1).toInt();
        QVERIFY2(result == "success" ? seconds >= 3 : seconds <= 2, qPrintable(QString::number(seconds)));
    }
};

QTEST_MAIN(StreamVideoTest)
#include "test_streamvideo.moc"

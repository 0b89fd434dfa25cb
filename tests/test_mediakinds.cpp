// The media kind table and the effect numbering: every kind string maps to
// its block, labels and stay rule, and nothing else maps at all.

#include "model/Effects.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "support/PicturePages.h"

#include <QtTest>

Q_DECLARE_METATYPE(MediaFamily)

namespace {
// An item of the kind with a distinct value in every field a stay rule or a label may read.
QVLedMediaObject itemOf(const QString &kind)
{
    QVLedMediaObject item;
    item.kind = kind;
    item.video.path = QStringLiteral("C:/clips/sea.mp4");
    item.video.duration = QTime(0, 1, 23);
    item.image.path = QStringLiteral("/media/photos/beach.png");
    item.image.stayTime = 7;
    item.image.pages = PicturePages::coloured(3);
    item.analogClock.playTime = QTime(0, 0, 11);
    item.digitalClock.playTime = QTime(0, 0, 12);
    item.digitalTimer.length = QTime(0, 0, 13);
    item.text.stayTime = 14;
    item.text.playDuration = QTime(0, 1, 30);
    item.url.playTime = QTime(0, 0, 16);
    item.videoDevice.timeLength = QTime(0, 0, 17);
    item.streaming.timeLength = QTime(1, 0, 0);
    item.weather.timeLength = QTime(0, 0, 19);
    return item;
}
} // namespace

class MediaKindsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyKindHasItsRow_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<MediaFamily>("family");
        QTest::addColumn<QString>("tableLabel");
        QTest::addColumn<QString>("pasteLabel");
        QTest::addColumn<QString>("logName");
        QTest::addColumn<qint64>("staySeconds");
        using F = MediaFamily;
        QTest::newRow("video") << "video" << F::Video << "sea.mp4" << "sea.mp4" << "sea.mp4" << qint64(83);
        QTest::newRow("image") << "image" << F::Image << "beach.png" << "beach.png" << "beach.png" << qint64(7);
        QTest::newRow("office") << "office" << F::Image << "beach.png" << "beach.png" << "beach.png" << qint64(21);
        QTest::newRow("analogClock") << "analogClock" << F::AnalogClock << "Analog Clock" << "Analog Clock"
                                     << "Analog Clock" << qint64(11);
        QTest::newRow("digitalClock") << "digitalClock" << F::DigitalClock << "Digital Clock" << "Digital Clock"
                                      << "Digital Clock" << qint64(12);
        QTest::newRow("digitalTimer") << "digitalTimer" << F::DigitalTimer << "Digital Timer" << "Digital Timer"
                                      << "Digital Timer" << qint64(13);
        QTest::newRow("singleRowText") << "singleRowText" << F::Text << "Single-row text" << "Single - row text"
                                       << "Single - row text" << qint64(14);
        QTest::newRow("scrollingText") << "scrollingText" << F::Text << "Scrolling text" << "Scrolling Text"
                                       << "Scrolling Text" << qint64(90);
        QTest::newRow("simpleText") << "simpleText" << F::Text << "Simple Text" << "Simple Text" << "Simple Text"
                                    << qint64(14);
        QTest::newRow("txt") << "txt" << F::Text << "Simple Text" << "Simple Text" << "Simple Text" << qint64(14);
        QTest::newRow("URL") << "URL" << F::Url << "URL" << "URL" << "URL" << qint64(16);
        QTest::newRow("videoDevice") << "videoDevice" << F::VideoDevice << "Device" << "Device" << "Device"
                                     << qint64(17);
        QTest::newRow("streaming") << "streaming" << F::Streaming << "Streaming Media" << "Streaming Media"
                                   << "Streaming Media" << qint64(3600);
        QTest::newRow("weather") << "weather" << F::Weather << "Weather" << "Weather" << "Weather" << qint64(19);
    }

    void everyKindHasItsRow()
    {
        QFETCH(QString, kind);
        QFETCH(MediaFamily, family);
        QFETCH(QString, tableLabel);
        QFETCH(QString, pasteLabel);
        QFETCH(QString, logName);
        QFETCH(qint64, staySeconds);
        const QVLedMediaObject item = itemOf(kind);
        const MediaKindRow *row = MediaKinds::find(kind);
        QVERIFY(row);
        QCOMPARE(QString(row->kind), kind);
        QCOMPARE(row->family, family);
        QCOMPARE(MediaKinds::tableLabel(item), tableLabel);
        QCOMPARE(MediaKinds::pasteLabel(item), pasteLabel);
        QCOMPARE(MediaKinds::logName(item), logName);
        QCOMPARE(MediaKinds::staySeconds(item), staySeconds);
    }

    void aRangedVideoStaysItsRangeInclusive()
    {
        QVLedMediaObject item = itemOf(QStringLiteral("video"));
        item.video.rangeOn = true;
        item.video.startTime = QTime(0, 1, 10);
        item.video.endTime = QTime(0, 1, 20);
        QCOMPARE(MediaKinds::staySeconds(item), qint64(11));
        // An office document without pages stays one page long.
        QVLedMediaObject office = itemOf(QStringLiteral("office"));
        office.image.pages.clear();
        QCOMPARE(MediaKinds::staySeconds(office), qint64(7));
    }

    void unknownKindsMapToNothing()
    {
        for (const QString &kind : {QStringLiteral("Video"), QStringLiteral("url"), QStringLiteral(""),
                                    QStringLiteral("video "), QStringLiteral("clock")}) {
            QVERIFY2(!MediaKinds::find(kind), qPrintable(kind));
            MediaFamily family = MediaFamily::Weather;
            QVERIFY(!MediaKinds::familyOf(kind, &family));
            const QVLedMediaObject item = itemOf(kind);
            QVERIFY(MediaKinds::tableLabel(item).isEmpty());
            QVERIFY(MediaKinds::logName(item).isEmpty());
            QCOMPARE(MediaKinds::staySeconds(item), qint64(0));
            QVERIFY(!MediaKind::isKnown(kind));
        }
        QCOMPARE(MediaKinds::rows().size(), 14);
        QCOMPARE(MediaKind::all().size(), 14);
    }

    void effectNumbersAndLists()
    {
        // A draw of 0 (or any multiple of 17) gives 17; 18, the fade, never comes.
        QCOMPARE(Effects::fromDraw(0), 17);
        QCOMPARE(Effects::fromDraw(17), 17);
        QCOMPARE(Effects::fromDraw(1), 1);
        QCOMPARE(Effects::fromDraw(35), 1);
        for (quint32 v = 0; v < 1000; ++v) {
            const int n = Effects::fromDraw(v);
            QVERIFY(n >= 1 && n <= 17);
        }
        for (int i = 0; i < 200; ++i) {
            const int n = Effects::resolve(0);
            QVERIFY(n >= 1 && n <= 17);
        }
        QCOMPARE(Effects::resolve(18), 18);
        QCOMPARE(Effects::normalized(-1), 0);
        QCOMPARE(Effects::normalized(19), 0);
        QCOMPARE(Effects::normalized(9), 9);

        const QStringList entrance = Effects::names(Effects::List::Entrance);
        const QStringList image = Effects::names(Effects::List::ImageEntrance);
        const QStringList exit = Effects::names(Effects::List::Exit);
        QCOMPARE(entrance.size(), 18);
        QCOMPARE(entrance.value(0), QStringLiteral("Random"));
        QCOMPARE(entrance.value(11), QStringLiteral("Reveal from top "));
        QCOMPARE(entrance.value(17), QStringLiteral("Reveal in to center"));
        QCOMPARE(image.value(17), QStringLiteral("Reveal into center"));
        QCOMPARE(exit.value(17), QStringLiteral("Reveal out from center"));
        QCOMPARE(entrance.mid(0, 17), exit.mid(0, 17));
    }
};

QTEST_GUILESS_MAIN(MediaKindsTest)
#include "test_mediakinds.moc"

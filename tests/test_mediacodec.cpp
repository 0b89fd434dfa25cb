#include "fixtures/GoldenBytes.h"
#include "fixtures/ScheduleFixtures.h"
#include "model/KindNames.h"
#include "model/MediaItemCodec.h"
#include "model/RecordDisposal.h"
#include "model/ScheduleStream.h"
#include "support/PicturePages.h"

#include <QtTest>

namespace {

QByteArray encodeItems(const QList<QVLedMediaObject *> &items)
{
    QByteArray bytes;
    ScheduleStreamWriter out(&bytes);
    MediaItemWriter(out).writeMediaItems(items);
    return bytes;
}

// Reads count items; the list owns what was read.
struct ReadBack
{
    QList<QVLedMediaObject *> items;
    QString error;
    qint64 left = 0;
    ~ReadBack() { RecordDisposal::deleteAll(items); }
};

void decodeItems(const QByteArray &bytes, int count, ReadBack &out)
{
    ScheduleStreamReader in(bytes);
    MediaItemReader(in).readMediaItems(count, out.items);
    out.error = in.errorString();
    out.left = in.remaining();
}

} // namespace

class MediaCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void everyKindRoundTripsBothWays_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : MediaKind::all())
            QTest::newRow(qPrintable(kind)) << kind;
    }

    void everyKindRoundTripsBothWays()
    {
        QFETCH(QString, kind);
        MediaFixture f = Fixtures::mediaItem(kind);
        QCOMPARE(encodeItems({f.item.get()}).toHex(), f.golden.toHex());

        ReadBack back;
        decodeItems(f.golden, 1, back);
        QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
        QCOMPARE(back.left, 0);
        QCOMPARE(back.items.size(), 1);
        QCOMPARE(back.items.first()->kind, kind);
        QCOMPARE(back.items.first()->id, f.item->id);
        QCOMPARE(encodeItems(back.items).toHex(), f.golden.toHex());
    }

    void videoBlockKeepsItsSwappedFieldsApart()
    {
        MediaFixture f = Fixtures::mediaItem(MediaKind::Video);
        ReadBack back;
        decodeItems(f.golden, 1, back);
        QCOMPARE(back.items.size(), 1);
        const VideoProperty &v = back.items.first()->video;
        QCOMPARE(std::make_tuple(v.coverFontSize, v.coverColourful, v.coverDirection, v.coverSpeed),
                 std::make_tuple(12, 3, 1, 7));
        QCOMPARE(v.duration, QTime(0, 3, 25, 480)); // milliseconds survive
        QCOMPARE(v.coverColour.alpha(), 255);
    }

    void picturesAndPagesAreNotStored()
    {
        MediaFixture image = Fixtures::mediaItem(MediaKind::Image);
        QPixmap picture(4, 4);
        picture.fill(Qt::green);
        image.item->image.pixmap = picture;
        image.item->image.pages = PicturePages::coloured(2);
        QCOMPARE(encodeItems({image.item.get()}), image.golden);

        ReadBack back;
        decodeItems(image.golden, 1, back);
        QCOMPARE(back.items.size(), 1);
        QVERIFY(back.items.first()->image.pixmap.isNull());
        QVERIFY(back.items.first()->image.pages.isEmpty());
    }

    // A kind outside the fourteen, even one that differs only in case, is
    // stored without a block and skipped on reading; the next item still reads.
    void unknownKindsAreSkipped_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("other case") << "Video";
        QTest::newRow("foreign") << "hologram";
        QTest::newRow("empty") << "";
    }

    void unknownKindsAreSkipped()
    {
        QFETCH(QString, kind);
        QVLedMediaObject unknown;
        unknown.kind = kind;
        unknown.id = 7;
        unknown.displayName = QStringLiteral("D");
        MediaFixture next = Fixtures::mediaItem(MediaKind::Streaming);

        const QByteArray bytes = encodeItems({&unknown, next.item.get()});
        GoldenBytes head;
        head.i32(7).str("D").nullStr().nullStr().nullStr().str(kind.toUtf8().constData());
        QCOMPARE(bytes.toHex(), (head.bytes() + next.golden).toHex());

        ReadBack back;
        decodeItems(bytes, 2, back);
        QVERIFY(back.error.isEmpty());
        QCOMPARE(back.items.size(), 1);
        QCOMPARE(back.items.first()->kind, QStringLiteral("streaming"));
        QCOMPARE(back.items.first()->streaming.volume, 30);
    }
};

QTEST_MAIN(MediaCodecTest)
#include "test_mediacodec.moc"

// Reading pictures within a budget and keeping them: the size a picture is
// decoded at, the caps that refuse what cannot be shrunk while it is read,
// paths that are no regular file, and a cache that decodes a file once,
// again when it changes, and holds no more than its bound.

#include "base/PictureCache.h"
#include "base/PictureFile.h"
#include "base/PictureRequest.h"
#include "support/HostilePictures.h"
#include "support/HostileProbes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <future>

namespace {
PictureCache::Result settle(const QString &path, const QSize &cover)
{
    PictureCache &cache = PictureCache::instance();
    PictureCache::Result result = cache.picture(path, cover);
    QSignalSpy decoded(&cache, &PictureCache::sigDecoded);
    while (result.state == PictureCache::State::Pending && decoded.wait(60000))
        result = cache.picture(path, cover);
    return result;
}
} // namespace

class PictureCacheTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { PictureCache::instance().clear(); }

    void aPictureCoversWhereItShowsWithinTheCap_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<QSize>("cover");
        QTest::addColumn<QSize>("decoded");
        QTest::newRow("its own size") << QSize(800, 600) << QSize() << QSize(800, 600);
        QTest::newRow("never larger than it is") << QSize(800, 600) << QSize(1920, 1080) << QSize(800, 600);
        QTest::newRow("shrunk, both sides covered") << QSize(4000, 3000) << QSize(400, 400) << QSize(534, 400);
        QTest::newRow("odd scale rounds up") << QSize(1001, 1001) << QSize(100, 50) << QSize(100, 100);
        QTest::newRow("huge, at its own size: the cap") << QSize(16000, 16000) << QSize() << QSize(4096, 4096);
        QTest::newRow("a cover beyond the cap") << QSize(30000, 30000) << QSize(8000, 8000) << QSize(4096, 4096);
        QTest::newRow("a sliver") << QSize(1, 1000000000) << QSize(100, 100) << QSize(1, 16777216);
    }

    void aPictureCoversWhereItShowsWithinTheCap()
    {
        QFETCH(QSize, source);
        QFETCH(QSize, cover);
        QFETCH(QSize, decoded);
        const QSize size = PictureFile::decodeSize(source, cover);
        QCOMPARE(size, decoded);
        QVERIFY(qint64(size.width()) * size.height() <= PictureFile::kMaxShownPixels);
    }

    // What a format cannot shrink while reading is held whole for a moment:
    // only up to its cap. The header alone refuses the rest.
    void largePicturesAreShrunkOrRefusedByTheirHeader_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("interlaced");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("8000 x 8000, row by row: shrunk") << QSize(8000, 8000) << false << true;
        QTest::newRow("2000 x 2000 interlaced: whole, then shrunk") << QSize(2000, 2000) << true << true;
        QTest::newRow("8000 x 8000 interlaced: past the cap") << QSize(8000, 8000) << true << false;
        QTest::newRow("40000 x 40000: past the source cap") << QSize(40000, 40000) << false << false;
    }

    void largePicturesAreShrunkOrRefusedByTheirHeader()
    {
        QFETCH(QSize, size);
        QFETCH(bool, interlaced);
        QFETCH(bool, decodes);
        QTemporaryDir dir;
        const QString path = dir.filePath("big.png");
        QVERIFY(HostilePictures::writeHugePng(path, size.width(), size.height(), qRgb(10, 20, 30), interlaced));
        HostileProbes::PeakMemory memory;
        QVERIFY(memory.start());
        const PictureFile::Decoded decoded = PictureFile::read(path, QSize(300, 200));
        QCOMPARE(decoded.sourceSize, size);
        QCOMPARE(decoded.image.isNull(), !decodes);
        if (decodes) {
            QCOMPARE(decoded.image.size(), PictureFile::decodeSize(size, QSize(300, 200)));
            QCOMPARE(decoded.image.pixel(150, 150), qRgb(10, 20, 30));
        } else {
            QVERIFY2(decoded.error.contains(QString("%1 x %2 pixels").arg(size.width()).arg(size.height())),
                     qPrintable(decoded.error));
        }
        // 2000 x 2000 whole is 16 MB; none of the others is ever held whole.
        QVERIFY2(memory.growthMb() < 40, qPrintable(QString("%1 MB").arg(memory.growthMb())));
    }

    void onlyRegularFilesAreOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "FIFO";
        QTest::newRow("folder") << "folder";
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("a link to /dev/zero") << "link";
    }

    void onlyRegularFilesAreOpened()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("picture.png");
        if (kind == "FIFO")
            QVERIFY(HostilePictures::makeFifo(path));
        else if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("picture.png"));
        else if (kind == "link")
            QVERIFY(HostilePictures::linkTo("/dev/zero", path));
        else
            path = kind;
        std::unique_ptr<HostilePictures::FifoRelease> release;
        if (kind == "FIFO")
            release = std::make_unique<HostilePictures::FifoRelease>(path, 10);
        auto reading = std::async(std::launch::async, [&path] { return PictureFile::read(path, QSize(100, 100)); });
        QVERIFY2(reading.wait_for(std::chrono::seconds(5)) == std::future_status::ready, "the read waited");
        const PictureFile::Decoded decoded = reading.get();
        QVERIFY(decoded.image.isNull());
        QCOMPARE(decoded.error, QString("it is not a regular file"));
    }

    void aFileIsDecodedOnceUntilItChanges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("shot.png");
        QVERIFY(HostilePictures::writePicture(path, QSize(400, 300), Qt::red));
        PictureCache &cache = PictureCache::instance();
        const quint64 before = cache.decodesStarted();

        // Two areas ask while it is decoded, and again later, one for fewer pixels: one decode.
        QCOMPARE(cache.picture(path, QSize(200, 150)).state, PictureCache::State::Pending);
        QCOMPARE(cache.picture(path, QSize(200, 150)).state, PictureCache::State::Pending);
        QCOMPARE(settle(path, QSize(200, 150)).picture.size(), QSize(200, 150));
        QCOMPARE(settle(path, QSize(100, 75)).state, PictureCache::State::Ready);
        QCOMPARE(cache.decodesStarted(), before + 1);

        // More pixels are wanted: decoded again, at most at the picture's own size.
        QCOMPARE(settle(path, QSize(800, 600)).picture.size(), QSize(400, 300));
        QCOMPARE(cache.decodesStarted(), before + 2);

        // The file changes: the new picture is read, not the one held.
        QTest::qWait(20); // a new time of change, also on a coarse clock
        QVERIFY(HostilePictures::writePicture(path, QSize(40, 30), Qt::blue));
        const PictureCache::Result changed = settle(path, QSize(800, 600));
        QCOMPARE(changed.picture.size(), QSize(40, 30));
        QCOMPARE(changed.picture.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(cache.decodesStarted(), before + 3);
    }

    // A broken file is decoded and reported once; repaired, it shows.
    void aFailureIsToldOnceUntilTheFileChanges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("broken.png");
        QVERIFY(HostilePictures::writeCorruptPicture(path));
        PictureCache &cache = PictureCache::instance();
        const quint64 before = cache.decodesStarted();
        const PictureCache::Result first = settle(path, QSize(100, 100));
        QCOMPARE(first.state, PictureCache::State::Failed);
        QVERIFY(first.firstFailure);
        const PictureCache::Result again = cache.picture(path, QSize(100, 100));
        QCOMPARE(again.state, PictureCache::State::Failed);
        QVERIFY(!again.firstFailure);
        QCOMPARE(cache.decodesStarted(), before + 1);

        QTest::qWait(20);
        QVERIFY(HostilePictures::writePicture(path, QSize(10, 10), Qt::green));
        QCOMPARE(settle(path, QSize(100, 100)).state, PictureCache::State::Ready);

        // A missing file is told once too, and never handed to a worker.
        const QString missing = dir.filePath("gone.png");
        QVERIFY(cache.picture(missing, QSize()).firstFailure);
        QVERIFY(!cache.picture(missing, QSize()).firstFailure);
        QCOMPARE(cache.decodesStarted(), before + 2);
    }

    void theCacheHoldsNoMoreThanItsBound()
    {
        QTemporaryDir dir;
        PictureCache &cache = PictureCache::instance();
        for (int i = 0; i < 3; ++i) {
            const QString path = dir.filePath(QString("big%1.png").arg(i));
            QVERIFY(HostilePictures::writeHugePng(path, 4096, 4096, qRgb(i, 0, 0)));
            const PictureCache::Result result = settle(path, QSize()); // 64 MB each
            QCOMPARE(result.picture.size(), QSize(4096, 4096));
            QVERIFY(cache.bytesHeld() <= PictureCache::kMaxBytes);
        }
        QCOMPARE(cache.bytesHeld(), 2 * 4096LL * 4096 * 4); // the first went
        QCOMPARE(cache.picture(dir.filePath("big0.png"), QSize()).state, PictureCache::State::Pending);
    }

    // A request waits for its decode, and hears nothing of a picture it no longer wants.
    void aRequestSettlesOnceForWhatItWantsNow()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first.png");
        const QString second = dir.filePath("second.png");
        QVERIFY(HostilePictures::writePicture(first, QSize(50, 50), Qt::red));
        QVERIFY(HostilePictures::writePicture(second, QSize(60, 60), Qt::blue));
        PictureRequest request(QStringLiteral("picture"), nullptr);
        QList<PictureCache::Result> settled;
        connect(&request, &PictureRequest::sigSettled, this,
                [&settled](const PictureCache::Result &result) { settled << result; });
        QCOMPARE(request.want(first, QSize()).state, PictureCache::State::Pending);
        QCOMPARE(request.want(second, QSize()).state, PictureCache::State::Pending);
        QTRY_COMPARE(settled.size(), 1);
        QCOMPARE(settled.first().picture.size(), QSize(60, 60));
        QTest::qWait(100);
        QCOMPARE(settled.size(), 1);
        request.forget();
        PictureCache::instance().clear();
        QCOMPARE(request.want(first, QSize()).state, PictureCache::State::Pending);
        request.forget();
        QTest::qWait(300);
        QCOMPARE(settled.size(), 1);
    }
};

QTEST_MAIN(PictureCacheTest)
#include "test_picturecache.moc"

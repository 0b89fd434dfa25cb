// Picture files an operator really meets, named where a schedule names
// pictures: a camera picture of 16000 or 30000 pixels a side in a small
// file, a picture cut off or corrupt, and paths that name a FIFO, a folder,
// an endless device or nothing. As an item's picture, an item's background
// and a program's background, each must leave the program usable at once,
// the GUI thread responsive, memory and CPU bounded, and the play log
// truthful.

#include "base/PictureCache.h"
#include "shell/Prodoc.h"
#include "support/GeneratedSchedules.h"
#include "support/HostilePictures.h"
#include "support/HostileProbes.h"
#include "support/MessageLog.h"
#include "support/PictureItems.h"
#include "support/PlayFixture.h"
#include "support/PlayLogRows.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

using namespace HostileProbes;
using namespace PlayLogRows;

namespace {

// Peak resident memory a row may add: the decoded pictures are a few MB,
// the rest is the play machinery (before: 1.17 GB for 16000 x 16000, 3.7 GB
// for 30000 x 30000).
constexpr qint64 kMemoryBudgetMb = 100;
constexpr qint64 kStallBudgetMs = 250;
constexpr qint64 kLoadBudgetMs = 3000;
// Decoding 30000 x 30000 pixels row by row takes a worker some seconds, more on a busy machine.
constexpr int kDecodeTimeoutMs = 180000;

const QRgb kHostileColour = qRgb(200, 40, 40);
const QSize kAreaSize(640, 360);

enum class Target { ItemPicture, ItemBackground, ProgramBackground };

// Makes the hostile file of the row; its path, named like a picture.
QString makeHostile(const QString &kind, const QString &folder)
{
    using namespace HostilePictures;
    const QString path = folder + QStringLiteral("/camera.png");
    bool made = true;
    if (kind == "16000 x 16000")
        made = writeHugePng(path, 16000, 16000, kHostileColour);
    else if (kind == "30000 x 30000")
        made = writeHugePng(path, 30000, 30000, kHostileColour);
    else if (kind == "truncated")
        made = writeTruncatedPicture(path);
    else if (kind == "corrupt")
        made = writeCorruptPicture(path);
    else if (kind == "FIFO")
        made = makeFifo(path);
    else if (kind == "folder")
        made = QDir(folder).mkdir(QStringLiteral("camera.png"));
    else if (kind == "/dev/zero")
        made = linkTo(QStringLiteral("/dev/zero"), path);
    return made ? path : QString();
}

QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage();
}

} // namespace

class HostileContentTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MessageLog> m_log;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("qv.playback.debug=false")); // a line per logged row
        m_log = std::make_unique<MessageLog>();
    }
    void cleanupTestCase() { m_log.reset(); }
    void init()
    {
        m_log->clear();
        PictureCache::instance().clear();
    }

    void aHostilePictureLeavesTheProgramUsable_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("shows"); // scaled down to its area; the others cannot be shown
        const QStringList files{"16000 x 16000", "30000 x 30000", "truncated", "corrupt",
                                "FIFO",          "folder",        "/dev/zero", "missing"};
        const QList<QPair<Target, const char *>> targets{{Target::ItemPicture, "item picture"},
                                                         {Target::ItemBackground, "item background"},
                                                         {Target::ProgramBackground, "program background"}};
        for (const auto &target : targets) {
            for (const QString &file : files) {
                QTest::addRow("%s: %s", target.second, qPrintable(file))
                    << int(target.first) << file << file.contains(QLatin1String(" x "));
            }
        }
    }

    void aHostilePictureLeavesTheProgramUsable()
    {
        QFETCH(int, target);
        QFETCH(QString, file);
        QFETCH(bool, shows);
        PlayFixture f;
        QVERIFY(QDir(f.env.path(".")).mkpath("pictures"));
        const QString path = makeHostile(file, f.env.path("pictures"));
        QVERIFY2(!path.isEmpty(), "the hostile file was not made");
        std::unique_ptr<HostilePictures::FifoRelease> release;
        if (file == "FIFO")
            release = std::make_unique<HostilePictures::FifoRelease>(path, 20);

        // A tall good picture kept in shape: the item's background shows beside it.
        const QString good = f.env.path("good.png");
        QVERIFY(HostilePictures::writePicture(good, QSize(10, 50), Qt::green));
        auto owned = GeneratedSchedules::wide(1);
        ProgramObject *program = owned->schedule().displayWindows.first().generalSegments.first()->programs.first();
        CommonWinObject *window = program->windows.first();
        window->width = kAreaSize.width();
        window->height = kAreaSize.height();
        QVLedMediaObject *item = window->media.first();
        item->kind = MediaKind::Image;
        item->image.stayTime = 1;
        item->image.scaleType = Target(target) == Target::ItemPicture ? 0 : 1;
        item->image.path = Target(target) == Target::ItemPicture ? path : good;
        if (Target(target) == Target::ItemBackground) {
            item->image.bgIsColour = false;
            item->image.bgPicture = path;
        }
        if (Target(target) == Target::ProgramBackground)
            program->bgPicture = path;
        const QString schedule = f.env.path("hostile.qvsc");
        QVERIFY(GeneratedSchedules::save(*owned, schedule));

        PeakMemory memory;
        QVERIFY(memory.start());
        QElapsedTimer loading;
        loading.start();
        f.w->slotOpenSettingsDoc(schedule); // as start-up opens the schedule of the settings
        const qint64 loadMs = loading.elapsed();
        QVERIFY2(loadMs < kLoadBudgetMs, qPrintable(QString("the schedule took %1 ms to load").arg(loadMs)));
        GuiStallProbe stalls;
        stalls.start();

        ProjectTree *tree = f.w->curProjectWidget->tree();
        MainPlayBKLabel *display = f.w->displayWindows.value(0);
        QVERIFY(tree && display);
        ProgramObject *loadedProgram = tree->generalSegments.value(0)->programs.value(0);
        f.w->checkProgram(loadedProgram->windows, loadedProgram, SegmentType::General); // the operator looks at it
        const quint64 rowsBefore = PlayLog::queuedRows();
        QElapsedTimer playing;
        playing.start();
        tree->slotStartPlay(tree->displayName);
        CommonPlayWindow *area = display->playWindows.value(0);
        QVERIFY(area);

        // Two passes of the one-item list (counted without touching the database,
        // which the GUI thread would wait for).
        QTRY_VERIFY_WITH_TIMEOUT(PlayLog::queuedRows() >= rowsBefore + 1, kDecodeTimeoutMs);
        const qint64 firstRowMs = playing.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(PlayLog::queuedRows() >= rowsBefore + 2, kDecodeTimeoutMs);

        ImageContentPlayer *player = PictureItems::imagePlayer(area);
        QVERIFY(player);
        switch (Target(target)) {
        case Target::ItemPicture:
            if (shows) {
                QTRY_VERIFY(!player->shownPicture().isNull());
                QCOMPARE(player->shownPicture().size(), kAreaSize);
                QCOMPARE(player->shownPicture().toImage().pixel(320, 180), kHostileColour);
            }
            break;
        case Target::ItemBackground:
            if (shows) // beside the item's picture
                QTRY_COMPARE_WITH_TIMEOUT(grabbed(player->view()).pixel(5, 180), kHostileColour, kDecodeTimeoutMs);
            QTRY_VERIFY(!player->shownPicture().isNull()); // the item's own picture shows either way
            break;
        case Target::ProgramBackground:
            if (shows) { // outside the area
                QTRY_COMPARE_WITH_TIMEOUT(grabbed(display).pixel(1000, 600), kHostileColour, kDecodeTimeoutMs);
                QVERIFY(display->backgroundImage.width() * qint64(display->backgroundImage.height())
                        <= PictureFile::kMaxShownPixels);
            } else {
                QVERIFY(display->backgroundImage.isNull());
                QCOMPARE(grabbed(display).pixel(1000, 600), qRgb(0, 0, 0));
            }
            break;
        }
        if (!shows)
            QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", path), 1);

        // Steady play: nothing spins, retries the file or decodes it again.
        const quint64 decodes = PictureCache::instance().decodesStarted();
        CpuProbe cpu;
        cpu.start();
        QTest::qWait(1000);
        const double cores = cpu.cores();
        QCOMPARE(PictureCache::instance().decodesStarted(), decodes);
        if (!shows)
            QCOMPARE(m_log->count(QtWarningMsg, "qv.playback", path), 1);
        tree->slotStopPlay(tree->displayName);

        const qint64 stallMs = stalls.longestStallMs();
        const qint64 memoryMb = memory.growthMb();
        qInfo("%s: load %lld ms, first row %lld ms after play began, longest GUI stall %lld ms, "
              "peak memory +%lld MB, CPU %.2f cores in steady play",
              QTest::currentDataTag(), loadMs, firstRowMs, stallMs, memoryMb, cores);
        QVERIFY2(stallMs < kStallBudgetMs, qPrintable(QString("the GUI thread stalled %1 ms").arg(stallMs)));
        // Each pass logged; "failed" where nothing of the item showed, and said once.
        const QString logName = QFileInfo(Target(target) == Target::ItemPicture ? path : good).fileName();
        const QString result = shows || Target(target) != Target::ItemPicture ? "success" : "failed";
        QCOMPARE(loggedResults(logName, f.clock.currentDate()).mid(0, 2), QStringList({result, result}));
        QVERIFY2(memoryMb < kMemoryBudgetMb, qPrintable(QString("peak memory grew %1 MB").arg(memoryMb)));
        QVERIFY2(cores < 0.5, qPrintable(QString("%1 cores busy in steady play").arg(cores)));
    }
};

QTEST_MAIN(HostileContentTest)
#include "test_hostilecontent.moc"

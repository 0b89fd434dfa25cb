#include "fixtures/ScheduleFixtures.h"
#include "model/PlayValue.h"
#include "model/ScheduleFile.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleRecords.h"
#include "model/ScheduleStream.h"
#include "model/ScheduleWriter.h"

#include <QtTest>

#include "support/FileSizeLimit.h"

namespace {

QByteArray encode(const Schedule &schedule)
{
    return ScheduleWriter().encode(schedule);
}

std::unique_ptr<OwnedSchedule> decode(const QByteArray &bytes)
{
    ScheduleReader reader;
    auto schedule = reader.decode(bytes);
    if (!schedule)
        qWarning() << reader.errorString();
    return schedule;
}

// A schedule with one display window holding the given segment lists.
struct OneWindow
{
    OwnedSchedule owned;
    DisplayWindowSchedule &dw()
    {
        if (owned.schedule().displayWindows.isEmpty()) {
            DisplayWindowSchedule d;
            d.window = new PlayWinObject;
            owned.schedule().displayWindows.append(d);
        }
        return owned.schedule().displayWindows.first();
    }
};

} // namespace

class ScheduleCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void fixturesRoundTripBothWays_data()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("empty schedule") << 0;
        QTest::newRow("one segment of each kind") << 1;
        QTest::newRow("with every media kind") << 2;
    }

    void fixturesRoundTripBothWays()
    {
        QFETCH(int, which);
        ScheduleFixture f = which == 0 ? Fixtures::emptySchedule() : Fixtures::structureSchedule(which == 2);
        QCOMPARE(encode(f.records->schedule()).toHex(), f.golden.toHex());
        auto decoded = decode(f.golden);
        QVERIFY(decoded);
        QCOMPARE(encode(decoded->schedule()).toHex(), f.golden.toHex());
    }

    void emptyScheduleIsEightBytes()
    {
        OwnedSchedule empty;
        QCOMPARE(encode(empty.schedule()).size(), 8);
    }

    void decodedValuesLandInTheirFields()
    {
        ScheduleFixture f = Fixtures::structureSchedule();
        auto decoded = decode(f.golden);
        QVERIFY(decoded);
        const Schedule &s = decoded->schedule();
        QCOMPARE(s.displayWindowCounter, 2);
        QCOMPARE(s.displayWindows.size(), 1);
        const DisplayWindowSchedule &dw = s.displayWindows.first();
        QCOMPARE(dw.window->name, QString::fromUtf8("显示窗口1"));
        QCOMPARE(QRect(dw.window->x, dw.window->y, dw.window->width, dw.window->height), QRect(10, 20, 640, 480));
        QCOMPARE(dw.window->onTopMode, 2);
        QVERIFY(!dw.window->backStage);

        const GeneralObject *general = dw.generalSegments.value(0);
        QVERIFY(general);
        QCOMPARE(general->weekdays, QStringList({"Monday", "Sunday"})); // held as Sunday, Monday
        QCOMPARE(general->startDate, QDate(2026, 1, 1));
        QCOMPARE(general->endTime, QTime(20, 30, 15));
        QCOMPARE(general->programCounter, 1); // stored value; the tree's loader adds one
        const ProgramObject *program = general->programs.value(0);
        QVERIFY(program);
        QCOMPARE(program->playMode, 1);
        QCOMPARE(program->playLength, QTime(1, 30, 10));
        QCOMPARE(program->bgMusic, QStringList({"/m/a.mp3", "/m/b.mp3"}));
        QCOMPARE(program->windows.value(0)->borderColour, QColor(0, 255, 0));
        QCOMPARE(program->windows.value(0)->borderColour.alpha(), 255);

        const CycleObject *cycle = dw.cycleSegments.value(0);
        QVERIFY(cycle);
        QCOMPARE(std::make_tuple(cycle->playMinutes, cycle->playSeconds, cycle->playTimes), std::make_tuple(2, 5, 125));
        QVERIFY(cycle->startDate.isNull() && !cycle->startTime.isValid() && !cycle->endTime.isValid());
        // a text never set stays null, an empty one stays empty: both save back as they were
        QVERIFY(cycle->programs.value(0)->bgPicture.isNull());

        const TimingObject *timing = dw.timingSegments.value(0);
        QVERIFY(timing);
        QCOMPARE(std::make_tuple(timing->playMinutes, timing->playSeconds, timing->playTimes), std::make_tuple(5, 0, 3));
        QCOMPARE(timing->timePoints.size(), 2);
        QCOMPARE(timing->timePoints.value(0)->time, QTime(7, 45, 0));
        QCOMPARE(timing->timePoints.value(0)->weekdays, QStringList({"Saturday"}));
        QVERIFY(timing->timePoints.value(1)->weekdays.isEmpty());
        QVERIFY(timing->timePoints.value(0)->label.isEmpty());
        const ProgramObject *inserted = timing->programs.value(0);
        QVERIFY(inserted && !inserted->bgPicture.isNull() && inserted->bgPicture.isEmpty());
        QCOMPARE(inserted->bgMusic, QStringList({QString::fromUtf8("音乐.mp3")}));
        QCOMPARE(std::make_tuple(inserted->playMode, inserted->playTimes, inserted->playLength),
                 std::make_tuple(0, 1, QTime(0, 6, 0)));
        QCOMPARE(inserted->windows.value(0)->segmentType, QStringLiteral("timingSegment"));
    }

    void displayWindowsKeepFileOrder()
    {
        OwnedSchedule owned;
        for (const char *name : {"B", "A", "C"}) {
            DisplayWindowSchedule dw;
            dw.window = new PlayWinObject;
            dw.window->name = QString::fromLatin1(name);
            owned.schedule().displayWindows.append(dw);
        }
        auto decoded = decode(encode(owned.schedule()));
        QVERIFY(decoded);
        QStringList names;
        for (const DisplayWindowSchedule &dw : decoded->schedule().displayWindows)
            names << dw.window->name;
        QCOMPARE(names, QStringList({"B", "A", "C"}));
    }

    // What survives a save and load of an inserted segment's play settings.
    void insertedSegmentPlayValues_data()
    {
        QTest::addColumn<bool>("timing");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("readMinutes");
        QTest::addColumn<int>("readSeconds");
        QTest::addColumn<int>("readTimes");
        //                                       timing  mode min sec times stored rMin rSec rTimes
        QTest::newRow("cycle length 2:05") << false << 0 << 2 << 5 << 9 << 125 << 2 << 5 << 125;
        QTest::newRow("cycle 3 passes") << false << 1 << 7 << 8 << 3 << 3 << 1 << 0 << 3;
        QTest::newRow("cycle odd mode") << false << 2 << 1 << 1 << 4 << 61 << 1 << 0 << 61;
        QTest::newRow("timing length 10:00") << true << 0 << 10 << 0 << 2 << 600 << 10 << 0 << 600;
        QTest::newRow("timing 3 passes") << true << 1 << 7 << 8 << 3 << 3 << 5 << 0 << 3;
        QTest::newRow("timing zero length") << true << 0 << 0 << 0 << 1 << 0 << 0 << 0 << 0;
    }

    void insertedSegmentPlayValues()
    {
        QFETCH(bool, timing);
        QFETCH(int, mode);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, times);
        QFETCH(int, stored);
        QFETCH(int, readMinutes);
        QFETCH(int, readSeconds);
        QFETCH(int, readTimes);

        OneWindow one;
        int valueOffset = 0;
        if (timing) {
            auto *segment = new TimingObject;
            segment->playMode = mode;
            segment->playMinutes = minutes;
            segment->playSeconds = seconds;
            segment->playTimes = times;
            one.dw().timingSegments.append(segment);
            valueOffset = 8 + 4 + 5 * 4 + 3 * 4 + 4 + 4 + 4; // after the two names and the mode
        } else {
            auto *segment = new CycleObject;
            segment->playMode = mode;
            segment->playMinutes = minutes;
            segment->playSeconds = seconds;
            segment->playTimes = times;
            one.dw().cycleSegments.append(segment);
            valueOffset = 8 + 4 + 5 * 4 + 3 * 4 + 4 + 4 + 4 + 4; // after the names, interval and mode
        }
        const QByteArray bytes = encode(one.owned.schedule());
        QCOMPARE(qFromBigEndian<qint32>(bytes.constData() + valueOffset), stored);
        auto decoded = decode(bytes);
        QVERIFY(decoded);
        const DisplayWindowSchedule &dw = decoded->schedule().displayWindows.first();
        std::tuple<int, int, int> got;
        if (timing)
            got = {dw.timingSegments.first()->playMinutes, dw.timingSegments.first()->playSeconds,
                   dw.timingSegments.first()->playTimes};
        else
            got = {dw.cycleSegments.first()->playMinutes, dw.cycleSegments.first()->playSeconds,
                   dw.cycleSegments.first()->playTimes};
        QCOMPARE(got, std::make_tuple(readMinutes, readSeconds, readTimes));
    }

    // What survives of a general program's play settings: mode 0 keeps its
    // times, mode 1 its length, anything else keeps neither.
    void generalProgramPlayValues_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("times");
        QTest::addColumn<QTime>("length");
        QTest::addColumn<QByteArray>("storedTail"); // from the mode to the window count
        QTest::addColumn<int>("readTimes");
        QTest::addColumn<QTime>("readLength");
        QTest::newRow("times") << 0 << 4 << QTime(0, 1, 0) << QByteArray::fromHex("00000000" "00000004" "00000000")
                               << 4 << QTime(0, 6, 0);
        QTest::newRow("length") << 1 << 4 << QTime(1, 30, 10)
                                << QByteArray::fromHex("00000001" "00001522" "00000000") << 1 << QTime(1, 30, 10);
        QTest::newRow("loop") << 2 << 4 << QTime(0, 1, 0) << QByteArray::fromHex("00000002" "00000000") << 1
                              << QTime(0, 6, 0);
    }

    void generalProgramPlayValues()
    {
        QFETCH(int, mode);
        QFETCH(int, times);
        QFETCH(QTime, length);
        QFETCH(QByteArray, storedTail);
        QFETCH(int, readTimes);
        QFETCH(QTime, readLength);

        OneWindow one;
        auto *segment = new GeneralObject;
        auto *program = new ProgramObject;
        program->playMode = mode;
        program->playTimes = times;
        program->playLength = length;
        segment->programs.append(program);
        one.dw().generalSegments.append(segment);
        const QByteArray bytes = encode(one.owned.schedule());
        QVERIFY(bytes.endsWith(storedTail));
        auto decoded = decode(bytes);
        QVERIFY(decoded);
        const ProgramObject *read = decoded->schedule().displayWindows.first().generalSegments.first()->programs.first();
        QCOMPARE(read->playMode, mode);
        QCOMPARE(read->playTimes, readTimes);
        QCOMPARE(read->playLength, readLength);
    }

    // Times are parsed by a fast path; whatever the text, the result must be
    // what Qt's own parser makes of it.
    void timeTextsReadAsQtReadsThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        const QString plain = QStringLiteral("HH:mm:ss"), point = QStringLiteral("hh:mm:ss"),
                      millis = QStringLiteral("HH:mm:ss.zzz");
        for (const char *text : {"00:00:00", "23:59:59", "24:00:00", "12:60:00", "7:05:00", "07:05:0x",
                                    "07-05-00", "", "١٢:٠٠:٠٠"}) {
            QTest::newRow(qPrintable(plain + " " + text)) << QString::fromUtf8(text) << plain;
            QTest::newRow(qPrintable(point + " " + text)) << QString::fromUtf8(text) << point;
        }
        for (const char *text : {"00:03:25.480", "23:59:59.999", "01:00:00.5", "01:00:00", "01:00:00,123",
                                 "01:00:00.12x"})
            QTest::newRow(qPrintable(millis + " " + text)) << QString::fromUtf8(text) << millis;
    }

    void timeTextsReadAsQtReadsThem()
    {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QByteArray bytes;
        ScheduleStreamWriter(&bytes).writeString(text);
        ScheduleStreamReader in(bytes);
        const QTime read = in.readTime("time", format.toLatin1().constData());
        const QTime expected = QTime::fromString(text, format);
        QCOMPARE(read.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(read, expected);
        if (read.isValid()) {
            QByteArray written;
            ScheduleStreamWriter(&written).writeTime(read, format == QLatin1String("HH:mm:ss.zzz") ? "HH:mm:ss.zzz" : "HH:mm:ss");
            QCOMPARE(ScheduleStreamReader(written).readString("time"), read.toString(format == QLatin1String("HH:mm:ss.zzz") ? format : QStringLiteral("HH:mm:ss")));
        }
    }

    void savedFileLoadsBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schedule.qvsc"));
        ScheduleFixture f = Fixtures::structureSchedule(true);
        QString error;
        QVERIFY2(ScheduleFile::save(path, f.records->schedule(), &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), f.golden);
        auto loaded = ScheduleFile::load(path, &error);
        QVERIFY2(loaded, qPrintable(error));
        QCOMPARE(encode(loaded->schedule()), f.golden);
    }

    void failedSaveLeavesOldFileAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schedule.qvsc"));
        ScheduleFixture old = Fixtures::structureSchedule(false);
        QString error;
        QVERIFY(ScheduleFile::save(path, old.records->schedule(), &error));

        // A disk that fills up half-way through the write: the file-size limit
        // stops writing even for root.
        ScheduleFixture bigger = Fixtures::structureSchedule(true);
        bool saved_ok = true;
        withFileSizeLimit(512, [&] { saved_ok = ScheduleFile::save(path, bigger.records->schedule(), &error); });

        QVERIFY(!saved_ok);
        QVERIFY2(error.contains(path), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old.golden);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"schedule.qvsc"}));

        // A target that cannot be a file at all.
        QVERIFY(!ScheduleFile::save(dir.path(), old.records->schedule(), &error));
        QVERIFY(!error.isEmpty());
    }

    void loadErrorsNameTheFile()
    {
        QTemporaryDir dir;
        QString error;
        const QString missing = dir.filePath(QStringLiteral("missing.qvsc"));
        QVERIFY(!ScheduleFile::load(missing, &error));
        QVERIFY2(error.contains(missing), qPrintable(error));

        const QString foreign = dir.filePath(QStringLiteral("notes.qvsc"));
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some text, not a schedule\n");
        file.close();
        QVERIFY(!ScheduleFile::load(foreign, &error));
        QVERIFY2(error.contains(foreign) && error.contains(QStringLiteral("offset")), qPrintable(error));
    }
};

QTEST_MAIN(ScheduleCodecTest)
#include "test_schedulecodec.moc"

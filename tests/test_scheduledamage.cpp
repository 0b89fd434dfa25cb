#include "fixtures/GoldenBytes.h"
#include "fixtures/ScheduleFixtures.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleWriter.h"

#include <QtTest>

// A schedule file is never trusted: whatever its bytes, reading it either
// gives a whole schedule or no records and an error; it never crashes,
// leaks or allocates without bound.
class ScheduleDamageTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCutIsRefused()
    {
        const QByteArray whole = Fixtures::structureSchedule(true).golden;
        QVERIFY(whole.size() > 1000);
        for (int length = 0; length < whole.size(); ++length) {
            ScheduleReader reader;
            const auto decoded = reader.decode(whole.left(length));
            if (decoded || !reader.errorString().contains(QStringLiteral("offset")))
                QFAIL(qPrintable(QStringLiteral("cut at %1 accepted: '%2'").arg(length).arg(reader.errorString())));
        }
    }

    void flippedBytesNeverCrash()
    {
        const QByteArray whole = Fixtures::structureSchedule(true).golden;
        int refused = 0;
        for (int offset = 0; offset < whole.size(); ++offset) {
            for (char mask : {char(0xFF), char(0x80), char(0x01)}) {
                QByteArray damaged = whole;
                damaged[offset] = char(damaged[offset] ^ mask);
                ScheduleReader reader;
                const auto decoded = reader.decode(damaged);
                if (decoded)
                    ScheduleWriter().encode(decoded->schedule()); // what was accepted can be saved
                else
                    ++refused;
                QCOMPARE(bool(decoded), reader.errorString().isEmpty());
            }
        }
        QVERIFY(refused > 0);
    }

    void implausibleCountsAreRefusedAtOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two billion display windows")
            << GoldenBytes().i32(1).i32(0x7FFFFFFF).bytes() << QStringLiteral("display window count");
        QTest::newRow("negative display window count")
            << GoldenBytes().i32(1).i32(-3).bytes() << QStringLiteral("display window count");
        QTest::newRow("huge segment count")
            << GoldenBytes().i32(1).i32(1).str("D").i32(0).i32(0).i32(9).i32(9).i32(1).i32(0x10000000).i32(0).i32(0).bytes()
            << QStringLiteral("general segment count");
        QTest::newRow("text longer than the file")
            << GoldenBytes().i32(1).i32(1).i32(0x7FFFFFF0).raw(QByteArray(64, 0)).bytes()
            << QStringLiteral("display window name");
        QTest::newRow("bytes after the schedule")
            << GoldenBytes().i32(1).i32(0).i32(0).bytes() << QStringLiteral("end of schedule");
    }

    void implausibleCountsAreRefusedAtOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        ScheduleReader reader;
        QVERIFY(!reader.decode(bytes));
        QVERIFY2(reader.errorString().contains(expected), qPrintable(reader.errorString()));
    }

    void colourOutOfRangeIsRefused()
    {
        // one window whose border colour claims a red of 300
        GoldenBytes g;
        g.i32(1).i32(1).str("D").i32(0).i32(0).i32(9).i32(9).i32(1).i32(1).i32(0).i32(0);
        g.str("D").str("G").flag(false).nullStr().nullStr().days({1, 1, 1, 1, 1, 1, 1}).flag(true).nullStr().nullStr()
            .i32(0).i32(1);
        g.i32(0).str("D").str("G").str("P").rgb(0, 0, 0).nullStr().i32(1).i32(0).i32(2).i32(1);
        g.str("generalSegment").str("D").str("G").str("P").str("W").flag(true).i32(1).rgb(300, 0, 0)
            .i32(0).i32(0).i32(1).i32(1).i32(0);
        ScheduleReader reader;
        QVERIFY(!reader.decode(g.bytes()));
        QVERIFY2(reader.errorString().contains(QStringLiteral("window border colour")), qPrintable(reader.errorString()));

        // the same file with a valid colour is accepted
        QByteArray fixed = g.bytes();
        fixed.replace(QByteArray::fromHex("0000012c00000000"), QByteArray::fromHex("000000ff00000000"));
        QVERIFY2(reader.decode(fixed), qPrintable(reader.errorString()));
    }
};

QTEST_MAIN(ScheduleDamageTest)
#include "test_scheduledamage.moc"

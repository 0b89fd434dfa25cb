// Record operations of the model: the lookup of a record by its owners'
// names, the deep copies a paste makes, the set of records a removal frees,
// the record order that follows the tree, and the bounds and presets of a
// window's geometry.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordClone.h"
#include "model/RecordDisposal.h"
#include "model/RecordLookup.h"
#include "model/RecordOrder.h"
#include "model/RecordSet.h"
#include "model/ScheduleRecords.h"
#include "model/WindowGeometry.h"
#include "support/PicturePages.h"

#include <QtTest>

namespace {

CommonWinObject *addWindow(ProgramObject *program, const QString &name, const QString &display)
{
    auto *window = new CommonWinObject;
    window->name = name;
    window->programName = program->name;
    window->segmentName = program->segmentName;
    window->displayName = display;
    program->windows << window;
    return window;
}

template <typename Segment>
ProgramObject *addProgram(Segment *segment, const QString &name)
{
    auto *program = new ProgramObject;
    program->name = name;
    program->segmentName = segment->name;
    program->displayName = segment->displayName;
    segment->programs << program;
    return program;
}

// One display window's schedule: general segments G1 and G2 that both hold a
// "Program1" with a "Common Window1", a cycle segment C1 with the same names,
// and a general segment whose records name another display window.
struct Schedule {
    QList<GeneralObject *> general;
    QList<CycleObject *> cycle;
    QList<TimingObject *> timing;
    CommonWinObject *g1w1 = nullptr, *g2w1 = nullptr, *c1w1 = nullptr, *g1w2 = nullptr, *otherW1 = nullptr;

    Schedule()
    {
        auto segment = [](const QString &name, const QString &display) {
            auto *s = new GeneralObject;
            s->name = name;
            s->displayName = display;
            return s;
        };
        general << segment("G1", "D1") << segment("G2", "D1") << segment("G1", "D2");
        ProgramObject *p = addProgram(general[0], "Program1");
        g1w1 = addWindow(p, "Common Window1", "D1");
        g1w2 = addWindow(p, "Common Window2", "D1");
        g2w1 = addWindow(addProgram(general[1], "Program1"), "Common Window1", "D1");
        otherW1 = addWindow(addProgram(general[2], "Program1"), "Common Window1", "D2");
        auto *c = new CycleObject;
        c->name = "G1"; // same name as a general segment, another kind
        c->displayName = "D1";
        cycle << c;
        c1w1 = addWindow(addProgram(c, "Program1"), "Common Window1", "D1");
    }
    ~Schedule()
    {
        RecordDisposal::deleteAll(general);
        RecordDisposal::deleteAll(cycle);
        RecordDisposal::deleteAll(timing);
    }
    SegmentLists lists() const { return SegmentLists{&general, &cycle, &timing}; }
};

using WindowGeometry::Field;
using WindowGeometry::Preset;
using WindowGeometry::Setting;
using Settings = QList<Setting>;

} // namespace

Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Preset)
Q_DECLARE_METATYPE(Settings)

class RecordOpsTest : public QObject
{
    Q_OBJECT

private slots:
    void windowsAreFoundByAllFourNames()
    {
        Schedule s;
        const SegmentLists lists = s.lists();
        struct Case {
            const char *type;
            OwnerNames names;
            CommonWinObject *expected;
        } cases[] = {
            {"generalSegment", {"D1", "G1", "Program1", "Common Window1"}, s.g1w1},
            {"generalSegment", {"D1", "G1", "Program1", "Common Window2"}, s.g1w2},
            {"generalSegment", {"D1", "G2", "Program1", "Common Window1"}, s.g2w1},
            // the same names in a segment of another kind, and in another display window
            {"cycleSegment", {"D1", "G1", "Program1", "Common Window1"}, s.c1w1},
            {"generalSegment", {"D2", "G1", "Program1", "Common Window1"}, s.otherW1},
            // misses: any one name off, or a type with no list
            {"generalSegment", {"D1", "G1", "Program2", "Common Window1"}, nullptr},
            {"generalSegment", {"D1", "G3", "Program1", "Common Window1"}, nullptr},
            {"generalSegment", {"D3", "G1", "Program1", "Common Window1"}, nullptr},
            {"generalSegment", {"D1", "G1", "Program1", "Common Window3"}, nullptr},
            {"timingSegment", {"D1", "G1", "Program1", "Common Window1"}, nullptr},
            {"playprogramme", {"D1", "G1", "Program1", "Common Window1"}, nullptr},
        };
        for (const Case &c : cases) {
            QCOMPARE(RecordLookup::window(lists, QLatin1String(c.type), c.names), c.expected);
        }
        QCOMPARE(RecordLookup::program(lists, SegmentType::General, {"D1", "G2", "Program1", {}}),
                 s.general[1]->programs.value(0));
        QCOMPARE(RecordLookup::program(lists, SegmentType::Cycle, {"D1", "G2", "Program1", {}}),
                 static_cast<ProgramObject *>(nullptr));
    }

    void theFirstOfTwoEqualRecordsIsMeant()
    {
        Schedule s;
        CommonWinObject *twin = addWindow(s.general[0]->programs.value(0), "Common Window1", "D1");
        QCOMPARE(RecordLookup::window(s.lists(), SegmentType::General, {"D1", "G1", "Program1", "Common Window1"}),
                 s.g1w1);
        QVERIFY(twin != s.g1w1);
    }

    void aMediaCopyIsDeepAndOwnedByItsReceiver()
    {
        Schedule s;
        QVLedMediaObject source;
        source.kind = MediaKind::ScrollingText;
        source.id = 4;
        source.text.text = QStringLiteral("<b>50% off</b>");
        source.video.path = QStringLiteral("/clips/not-this-kind.mp4"); // every block goes along
        source.image.pages = PicturePages::coloured(1);
        int nextId = 10;
        std::unique_ptr<QVLedMediaObject> copy(RecordClone::cloneMedia(source, *s.c1w1, nextId));
        QCOMPARE(copy->kind, QString(MediaKind::ScrollingText));
        QCOMPARE(copy->id, 10);
        QCOMPARE(nextId, 11);
        QCOMPARE(copy->windowName, s.c1w1->name);
        QCOMPARE(copy->programName, s.c1w1->programName);
        QCOMPARE(copy->segmentName, s.c1w1->segmentName);
        QCOMPARE(copy->displayName, s.c1w1->displayName);
        QCOMPARE(copy->text.text, source.text.text);
        QCOMPARE(copy->video.path, source.video.path);
        // Independent of its source from now on.
        source.text.text = QStringLiteral("changed");
        source.image.pages.clear();
        QCOMPARE(copy->text.text, QStringLiteral("<b>50% off</b>"));
        QCOMPARE(copy->image.pages.size(), 1);
        QCOMPARE(source.id, 4);
    }

    void aSegmentCopyRenamesEveryOwnerAndNumbersMediaInOrder()
    {
        Schedule s;
        auto *timing = new TimingObject;
        timing->name = "T1";
        timing->displayName = "D1";
        timing->playMode = 0;
        timing->playSeconds = 42;
        timing->programCounter = 3;
        auto *point = new TimePoint;
        point->time = QTime(8, 30);
        point->weekdays = QStringList{"Monday"};
        timing->timePoints << point;
        s.timing << timing;
        ProgramObject *program = addProgram(timing, "Program1");
        program->windowCounter = 2;
        for (const char *name : {"Common Window1", "Common Window2"}) {
            CommonWinObject *window = addWindow(program, name, "D1");
            window->segmentType = SegmentType::Timing;
            for (int i = 0; i < 3; ++i) {
                auto *item = new QVLedMediaObject;
                item->kind = MediaKind::Image;
                item->id = i;
                window->media << item;
            }
        }

        int nextId = 10;
        std::unique_ptr<TimingObject> copy(RecordClone::cloneSegment(*timing, "T1-1", "D2", nextId));
        QCOMPARE(nextId, 16);
        QCOMPARE(copy->name, QStringLiteral("T1-1"));
        QCOMPARE(copy->playSeconds, 42);
        QCOMPARE(copy->programCounter, 3);
        QCOMPARE(copy->timePoints.size(), 1);
        QVERIFY(copy->timePoints.value(0) != point);
        const ProgramObject *p = copy->programs.value(0);
        QVERIFY(p && p != program);
        QCOMPARE(p->name, QStringLiteral("Program1"));
        QCOMPARE(p->segmentName, QStringLiteral("T1-1"));
        QCOMPARE(p->displayName, QStringLiteral("D2"));
        QCOMPARE(p->windowCounter, 2);
        QList<int> ids;
        for (const CommonWinObject *w : p->windows) {
            QCOMPARE(w->programName, QStringLiteral("Program1"));
            QCOMPARE(w->segmentName, QStringLiteral("T1-1"));
            QCOMPARE(w->displayName, QStringLiteral("D2"));
            QCOMPARE(w->segmentType, QString(SegmentType::Timing));
            for (const QVLedMediaObject *item : w->media) {
                ids << item->id;
                QCOMPARE(item->segmentName, QStringLiteral("T1-1"));
                QCOMPARE(item->windowName, w->name);
            }
        }
        QCOMPARE(ids, (QList<int>{10, 11, 12, 13, 14, 15}));

        // The source's time points can go; the copy keeps its own.
        qDeleteAll(timing->timePoints);
        timing->timePoints.clear();
        QCOMPARE(copy->timePoints.value(0)->time, QTime(8, 30));
        TimingObject *owned = copy.release();
        RecordDisposal::dispose(owned);
    }

    void aWindowPastedIntoAnotherKindTakesThatKind()
    {
        Schedule s;
        s.c1w1->borderWidth = 6;
        s.c1w1->segmentType = SegmentType::Cycle;
        int nextId = 0;
        std::unique_ptr<CommonWinObject> copy(RecordClone::cloneWindow(
            *s.c1w1, "Common Window1-4", "Program1", "G1", SegmentType::General, "D1", nextId));
        QCOMPARE(copy->segmentType, QString(SegmentType::General));
        QCOMPARE(copy->borderWidth, 6);
        QCOMPARE(copy->name, QStringLiteral("Common Window1-4"));
    }

    void aRemovedSegmentBringsEverythingItOwns()
    {
        Schedule s;
        auto *timing = new TimingObject;
        timing->name = "T1";
        auto *point = new TimePoint;
        timing->timePoints << point;
        s.timing << timing;
        CommonWinObject *window = addWindow(addProgram(timing, "Program1"), "Common Window1", "D1");
        auto *item = new QVLedMediaObject;
        window->media << item;

        RecordSet doomed;
        doomed.add(timing);
        for (const void *p : {static_cast<const void *>(timing), static_cast<const void *>(point),
                              static_cast<const void *>(timing->programs.value(0)),
                              static_cast<const void *>(window), static_cast<const void *>(item)})
            QVERIFY(doomed.contains(p));
        QCOMPARE(doomed.size(), 5);
        // nothing of the other segments, and never null
        QVERIFY(!doomed.contains(s.g1w1));
        QVERIFY(!doomed.contains(s.general[0]));
        QVERIFY(!doomed.contains(nullptr));

        RecordSet windowOnly;
        windowOnly.add(s.g1w1);
        QVERIFY(windowOnly.contains(s.g1w1));
        QVERIFY(!windowOnly.contains(s.general[0]->programs.value(0)));
        windowOnly.unite(doomed);
        QVERIFY(windowOnly.contains(item));
    }

    void recordsFollowTheOrderOfTheirItems_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a swap") << QStringList{"A", "B", "C"} << QStringList{"A", "C", "B"}
                                << QStringList{"A", "C", "B"};
        QTest::newRow("unchanged") << QStringList{"A", "B"} << QStringList{"A", "B"} << QStringList{"A", "B"};
        // twins of one name keep their relative order
        QTest::newRow("twins") << QStringList{"A", "B", "A"} << QStringList{"B", "A", "A"}
                               << QStringList{"B", "A", "A"};
        // a record no item names follows the named ones; an item without a record is passed over
        QTest::newRow("unnamed record") << QStringList{"X", "A", "B"} << QStringList{"B", "A"}
                                        << QStringList{"B", "A", "X"};
        QTest::newRow("item without record") << QStringList{"A", "B"} << QStringList{"B", "Z", "A"}
                                             << QStringList{"B", "A"};
        QTest::newRow("empty list") << QStringList{} << QStringList{"A"} << QStringList{};
    }

    void recordsFollowTheOrderOfTheirItems()
    {
        QFETCH(QStringList, records);
        QFETCH(QStringList, items);
        QFETCH(QStringList, expected);
        QList<ProgramObject *> programs;
        for (const QString &name : records) {
            programs << new ProgramObject;
            programs.last()->name = name;
        }
        const QList<ProgramObject *> before = programs;
        RecordOrder::followNames(programs, items,
                                 [](const ProgramObject *p, const QString &name) { return p->name == name; });
        QStringList names;
        for (const ProgramObject *p : programs)
            names << p->name;
        QCOMPARE(names, expected);
        QCOMPARE(programs.size(), before.size());
        for (ProgramObject *p : before)
            QVERIFY(programs.contains(p)); // the same records, only reordered
        qDeleteAll(before);
    }

    void geometryEditsKeepTheWindowInside_data()
    {
        QTest::addColumn<Field>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<bool>("store");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("correctField"); // -1: no correction
        QTest::addColumn<int>("correctValue");
        const QRect small(0, 0, 100, 50);
        const int x = int(Field::X), y = int(Field::Y), w = int(Field::Width), h = int(Field::Height);
        // display window record 320 x 240
        QTest::newRow("x inside") << Field::X << 100 << small << true << true << -1 << 0;
        QTest::newRow("x past W - 5") << Field::X << 316 << small << false << false << x << 315;
        QTest::newRow("x pushes width in") << Field::X << 300 << small << true << false << w << 20;
        QTest::newRow("y 200 lowers height 50 to 40") << Field::Y << 200 << small << true << false << h << 40;
        QTest::newRow("y past H - 5") << Field::Y << 236 << small << false << false << y << 235;
        QTest::newRow("width past W") << Field::Width << 400 << small << false << false << w << 320;
        QTest::newRow("width pushes x in") << Field::Width << 300 << QRect(50, 0, 100, 50) << true << false << x << 20;
        QTest::newRow("width fits") << Field::Width << 270 << QRect(50, 0, 100, 50) << true << true << -1 << 0;
        QTest::newRow("height past H") << Field::Height << 241 << small << false << false << h << 240;
        QTest::newRow("height pushes y in") << Field::Height << 240 << QRect(0, 10, 100, 50) << true << false << y
                                            << 0;
    }

    void geometryEditsKeepTheWindowInside()
    {
        QFETCH(Field, field);
        QFETCH(int, value);
        QFETCH(QRect, window);
        QFETCH(bool, store);
        QFETCH(bool, complete);
        QFETCH(int, correctField);
        QFETCH(int, correctValue);
        const WindowGeometry::Step step = WindowGeometry::edit(field, value, window, QSize(320, 240));
        QCOMPARE(step.store, store);
        QCOMPARE(step.complete, complete);
        QCOMPARE(step.correct, correctField >= 0);
        if (step.correct) {
            QCOMPARE(int(step.correctField), correctField);
            QCOMPARE(step.correctValue, correctValue);
        }
    }

    void presetsOfTheWindowMenu_data()
    {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<Settings>("expected");
        const QSize w(100, 50);
        // a display window of 320 x 240 on the desktop
        QTest::newRow("right") << Preset::Right << w << Settings{{Field::X, 220}};
        QTest::newRow("bottom") << Preset::Bottom << w << Settings{{Field::Y, 190}};
        QTest::newRow("center") << Preset::Center << w << Settings{{Field::X, 110}, {Field::Y, 95}};
        QTest::newRow("left") << Preset::Left << w << Settings{{Field::X, 0}};
        QTest::newRow("top") << Preset::Top << w << Settings{{Field::Y, 0}};
        QTest::newRow("center h") << Preset::CenterHorizontally << w << Settings{{Field::X, 110}};
        QTest::newRow("center v") << Preset::CenterVertically << w << Settings{{Field::Y, 95}};
        QTest::newRow("full") << Preset::Fullscreen << w
                              << Settings{{Field::X, 0}, {Field::Width, 320}, {Field::Y, 0}, {Field::Height, 240}};
        QTest::newRow("h full") << Preset::HorizontalFullscreen << w << Settings{{Field::X, 0}, {Field::Width, 320}};
        QTest::newRow("h half") << Preset::HorizontalHalf << w << Settings{{Field::X, 0}, {Field::Width, 160}};
        QTest::newRow("h third") << Preset::HorizontalThird << w << Settings{{Field::X, 0}, {Field::Width, 106}};
        QTest::newRow("h quarter") << Preset::HorizontalQuarter << w << Settings{{Field::X, 0}, {Field::Width, 80}};
        QTest::newRow("v full") << Preset::VerticalFullscreen << w << Settings{{Field::Y, 0}, {Field::Height, 240}};
        QTest::newRow("v half") << Preset::VerticalHalf << w << Settings{{Field::Y, 0}, {Field::Height, 120}};
        QTest::newRow("v third") << Preset::VerticalThird << w << Settings{{Field::Y, 0}, {Field::Height, 80}};
        QTest::newRow("v quarter") << Preset::VerticalQuarter << w << Settings{{Field::Y, 0}, {Field::Height, 60}};
        // wider than the display window: the spin box clamps what is computed here
        QTest::newRow("right of a wide window") << Preset::Right << QSize(400, 50) << Settings{{Field::X, -80}};
        QTest::newRow("odd centre truncates") << Preset::CenterHorizontally << QSize(321, 50)
                                              << Settings{{Field::X, 0}};
    }

    void presetsOfTheWindowMenu()
    {
        QFETCH(Preset, preset);
        QFETCH(QSize, window);
        QFETCH(Settings, expected);
        QCOMPARE(WindowGeometry::preset(preset, QSize(320, 240), window), expected);
    }
};

QTEST_MAIN(RecordOpsTest)
#include "test_recordops.moc"

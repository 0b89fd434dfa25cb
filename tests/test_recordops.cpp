// Record operations of the model: the lookup of a record by its owners'
// names, and the deep copies a paste makes.

#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/RecordClone.h"
#include "model/RecordDisposal.h"
#include "model/RecordLookup.h"
#include "model/ScheduleRecords.h"

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

} // namespace

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
        source.image.pages = {QPixmap(2, 2)};
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
};

QTEST_MAIN(RecordOpsTest)
#include "test_recordops.moc"

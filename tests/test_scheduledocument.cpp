#include "shell/Prodoc.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleRecords.h"
#include "model/ScheduleWriter.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/dialogs/DisplaySettingsDialog.h"
#include "shell/Widget.h"
#include "shell/newDisplayWindowButton.h"
#include "support/Probes.h"
#include "support/ScriptedPrompts.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// Adds to the current display window's tree one segment of each kind, each
// with a program, a window and media items, through the tree's loaders.
void fillCurrentTree(Widget &w, const QString &tag)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString display = w.curDisplayName;
    tree->loadCycleSegment(tag + "Cycle", display, 15, 0, 2, 5, 125, true, QDate(2026, 1, 1), QDate(2026, 2, 1),
                           {"Monday", "Friday"}, false, QTime(8, 0), QTime(9, 30), 3);
    tree->loadProgram("Program1", SegmentType::Cycle, display, QColor(1, 2, 3), "/bg.png", 2, {"/a.mp3"}, 0, 1,
                      QTime(0, 6, 0), 1);
    tree->loadCommonWindow("Common Window1", SegmentType::Cycle, true, 2, QColor(9, 9, 9), 5, 6, 70, 80);
    TextProperty text;
    text.text = QString::fromUtf8("滚动 " ) + tag;
    tree->loadTextObject(MediaKind::ScrollingText, 7, display, tag + "Cycle", "Program1", "Common Window1", text);
    tree->loadSegmentFinished();

    auto *point = new TimePoint;
    point->time = QTime(12, 30);
    point->weekdays = QStringList{"Sunday"};
    tree->loadTimingSegment(tag + "Timing", display, {point}, 1, 5, 0, 2, 0);
    tree->loadProgram("Program1", SegmentType::Timing, display, QColor(0, 0, 0), QString(), 1, {}, 0, 1,
                      QTime(0, 6, 0), 0);
    tree->loadCommonWindow("Common Window1", SegmentType::Timing, false, 0, QColor(255, 0, 0), 0, 0, 32, 16);
    WeatherProperty weather;
    weather.bgTransparent = true;
    tree->loadWeatherObject(3, display, tag + "Timing", "Program1", "Common Window1", weather);
    tree->loadSegmentFinished();
}

// The bytes a second save must give: the loaders count on from the stored
// counters (one more for every segment's programs and program's windows).
QByteArray withCountersAdvanced(const QByteArray &bytes)
{
    ScheduleReader reader;
    auto decoded = reader.decode(bytes);
    if (!decoded)
        return QByteArray();
    for (DisplayWindowSchedule &dw : decoded->schedule().displayWindows) {
        auto advance = [](auto *segment) {
            ++segment->programCounter;
            for (ProgramObject *program : segment->programs)
                ++program->windowCounter;
        };
        for (auto *s : dw.generalSegments)
            advance(s);
        for (auto *s : dw.cycleSegments)
            advance(s);
        for (auto *s : dw.timingSegments)
            advance(s);
    }
    return ScheduleWriter().encode(decoded->schedule());
}

} // namespace

class ScheduleDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void saveLoadSaveKeepsTheSchedule()
    {
        TestEnvironment env;
        ScriptedPrompts prompts;
        prompts.onDialog = [](QDialog *dialog) {
            static_cast<DisplaySettingsDialog *>(dialog)->sureBtnSlot();
            return dialog->result();
        };
        Widget w;
        fillCurrentTree(w, "A");
        w.slotAddDisplayWindow();
        fillCurrentTree(w, "B");
        w.playWinObjects.last()->onTopMode = 0; // "Never" must survive loading
        const QString first = env.path("first.qvsc"), second = env.path("second.qvsc");
        QVERIFY2(w.document->saveSchedule(first), qPrintable(w.document->errorString()));

        Widget loaded;
        QVERIFY2(loaded.document->loadSchedule(first), qPrintable(loaded.document->errorString()));
        QCOMPARE(tabNames(loaded), tabNames(w));
        QCOMPARE(loaded.playWinObjects.size(), 2);
        QCOMPARE(loaded.displayWindows.size(), 2);
        QCOMPARE(loaded.displayWindowCounter, 2);
        QVERIFY(loaded.document->saveSchedule(second));
        QCOMPARE(fileBytes(second).toHex(), withCountersAdvanced(fileBytes(first)).toHex());

        // every window that was loaded has its area on its display window
        for (MainPlayBKLabel *display : loaded.displayWindows)
            QCOMPARE(display->playWindows.size(), 3);
        QVERIFY(loaded.displayWindows.first()->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(loaded.displayWindows.last()->windowFlags() & Qt::WindowStaysOnTopHint));
    }

    void loadersBuildTheTreeInReadingOrder()
    {
        TestEnvironment env;
        Widget w;
        ProjectTree *tree = w.curProjectWidget->tree();
        QSignalSpy previews(tree, &ProjectTree::sigPreviewVideo);
        tree->loadGeneralSegment("Seg", w.curDisplayName, false, {}, {}, Weekday::allDays(), true, {}, {}, 4);
        tree->loadProgram("P", SegmentType::General, w.curDisplayName, Qt::black, {}, 1, {}, 0, 1, QTime(0, 6, 0), 2);
        tree->loadCommonWindow("A", SegmentType::General, false, 0, Qt::red, 0, 0, 10, 10);
        tree->loadCommonWindow("B", SegmentType::General, false, 0, Qt::red, 0, 0, 10, 10);
        for (int id : {3, 7, 5}) {
            VideoProperty v;
            tree->loadVideoObject(id, "/v.mp4", w.curDisplayName, "Seg", "P", "B", 40, QTime(0, 0, 1), false, {}, {},
                                  0, 0, true, Qt::black, {}, 0, false, false, {}, 8, false, false, false, Qt::red, {},
                                  0, false, 0, 5, 0);
        }
        AnalogClockProperty clock;
        tree->loadAnalogClockObject(9, w.curDisplayName, "Seg", "P", "B", clock);

        GeneralObject *segment = tree->generalSegments.last();
        QCOMPARE(segment->programCounter, 5);
        ProgramObject *program = segment->programs.value(0);
        QCOMPARE(program->windowCounter, 3);
        QCOMPARE(program->windows.value(0)->name, QStringLiteral("A"));
        QCOMPARE(program->windows.value(1)->name, QStringLiteral("B"));
        QTreeWidgetItem *programItem = tree->rootItem->child(tree->rootItem->childCount() - 1)->child(0);
        QCOMPARE(programItem->child(0)->text(0), QStringLiteral("B")); // shown above A
        QCOMPARE(program->windows.value(1)->media.size(), 4);
        QCOMPARE(program->windows.value(1)->media.value(0)->video.volume, 40);
        QCOMPARE(tree->mediaIdCounter, 9);
        QCOMPARE(previews.count(), 3); // videos announce themselves, clocks do not
    }

    void sameNamesNeverShareARecord()
    {
        // Two segments of one name: a program goes to the one loaded last only.
        TestEnvironment env;
        Widget w;
        ProjectTree *tree = w.curProjectWidget->tree();
        for (int i = 0; i < 2; ++i) {
            tree->loadGeneralSegment("Twin", w.curDisplayName, false, {}, {}, Weekday::allDays(), true, {}, {}, 0);
            tree->loadProgram("P", SegmentType::General, w.curDisplayName, Qt::black, {}, 1, {}, 0, 1, {}, 0);
            tree->loadCommonWindow("W", SegmentType::General, false, 0, Qt::red, 0, 0, 1, 1);
        }
        const int n = tree->generalSegments.size();
        QCOMPARE(tree->generalSegments.at(n - 2)->programs.size(), 1);
        QCOMPARE(tree->generalSegments.at(n - 1)->programs.size(), 1);
        QVERIFY(tree->generalSegments.at(n - 2)->programs.first() != tree->generalSegments.at(n - 1)->programs.first());
        QCOMPARE(tree->generalSegments.at(n - 1)->programs.first()->windows.size(), 1);
    }

    void damagedFileKeepsTheOpenSchedule_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("truncated") << QByteArray::fromHex("00000001000000010000");
        QTest::newRow("text") << QByteArray("hello, this is not a schedule");
    }

    void damagedFileKeepsTheOpenSchedule()
    {
        QFETCH(QByteArray, bytes);
        TestEnvironment env;
        Widget w;
        const QString path = env.path("bad.qvsc");
        if (!bytes.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        ProjectTree *tree = w.curProjectWidget->tree();
        QVERIFY(!w.document->loadSchedule(path));
        QVERIFY(w.document->errorString().contains(path));
        QCOMPARE(w.curProjectWidget->tree(), tree);
        QCOMPARE(tabNames(w), QStringList{Widget::displayWindowName(1)});
        QCOMPARE(tree->generalSegments.size(), 1);
    }

    void duplicateDisplayWindowNamesAreRefused()
    {
        TestEnvironment env;
        Widget w;
        OwnedSchedule twins;
        for (int i = 0; i < 2; ++i) {
            DisplayWindowSchedule dw;
            dw.window = new PlayWinObject;
            dw.window->name = "Same";
            twins.schedule().displayWindows.append(dw);
        }
        const QString path = env.path("twins.qvsc");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ScheduleWriter().encode(twins.schedule()));
        file.close();
        QVERIFY(!w.document->loadSchedule(path));
        QVERIFY(w.document->errorString().contains("Same"));
        QCOMPARE(w.playWinObjects.size(), 1);
    }
};

QTEST_MAIN(ScheduleDocumentTest)
#include "test_scheduledocument.moc"

// The property panels: the rule every media property slot follows, tried on a
// panel built alone, and the main window's map from kind to media panel, the
// relay of their reports and where the panels sit.

#include "model/KindNames.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "panels/ImagePanel.h"
#include "panels/MediaPanel.h"
#include "panels/ProgramPanel.h"
#include "panels/SchedulePanel.h"
#include "panels/SegmentPanel.h"
#include "panels/TextPanel.h"
#include "panels/TimingSegmentPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "panels/WeatherPanel.h"
#include "panels/WindowPanel.h"
#include "playback/MainPlayBKLabel.h"
#include "shell/Widget.h"
#include "support/FakePanelHost.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <initializer_list>

Q_DECLARE_METATYPE(QVLedMediaObject *)

namespace {

// A media panel with three slots shaped as the panel issues will write them.
class ProbePanel : public MediaPanel
{
public:
    ProbePanel(PanelHost &host, QWidget *windowPanel) : MediaPanel(host, MediaFamily::Text, windowPanel, 200, 200) { }
    void trUpdate() override { }

    int writes = 0;
    bool setKerning(int value)
    {
        return editCurrent([&](QVLedMediaObject &item) {
            ++writes;
            item.text.kerning = value;
        });
    }
    bool setKerningQuietly(int value)
    {
        return editCurrent(
            [&](QVLedMediaObject &item) {
                ++writes;
                item.text.kerning = value;
            },
            Preview::Skip);
    }
    bool setSpacingOfSimpleText(int value)
    {
        return editCurrentOfKind(MediaKindId::SimpleText, [&](QVLedMediaObject &item) {
            ++writes;
            item.text.spacing = value;
        });
    }
};

} // namespace

class PanelsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QVLedMediaObject *>(); }

    void mediaSlotsFollowTheCommonRule_data()
    {
        QTest::addColumn<bool>("current");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("previews");
        QTest::addColumn<bool>("reported");

        const QString simple = MediaKind::SimpleText;
        const QString txt = MediaKind::Txt;
        QTest::newRow("nothing current") << false << simple << 3 << "kerning" << false << 0 << false;
        QTest::newRow("nothing current, kind slot") << false << simple << 3 << "spacing" << false << 0 << false;
        QTest::newRow("edit with rows") << true << simple << 3 << "kerning" << true << 1 << true;
        QTest::newRow("edit, empty table") << true << simple << 0 << "kerning" << true << 1 << false;
        QTest::newRow("edit without preview") << true << simple << 3 << "quiet" << true << 0 << true;
        QTest::newRow("kind slot, its kind") << true << simple << 3 << "spacing" << true << 1 << true;
        // the kind check guards the field alone: refresh and report follow
        QTest::newRow("kind slot, other kind") << true << txt << 3 << "spacing" << false << 1 << true;
    }

    void mediaSlotsFollowTheCommonRule()
    {
        QFETCH(bool, current);
        QFETCH(QString, kind);
        QFETCH(int, rows);
        QFETCH(QString, slot);
        QFETCH(bool, written);
        QFETCH(int, previews);
        QFETCH(bool, reported);

        FakePanelHost host;
        QVLedMediaObject item;
        item.kind = kind;
        host.media = current ? &item : nullptr;
        host.rows = rows;
        host.currentRow = rows ? 1 : -1;
        ProbePanel panel(host, &host.window);
        QSignalSpy changes(&panel, &MediaPanel::sigQVMediaChanged);

        bool acted = false;
        if (slot == "kerning")
            acted = panel.setKerning(7);
        else if (slot == "quiet")
            acted = panel.setKerningQuietly(7);
        else
            acted = panel.setSpacingOfSimpleText(7);

        QCOMPARE(acted, current);
        QCOMPARE(panel.writes, written ? 1 : 0);
        QCOMPARE(item.text.kerning == 7 || item.text.spacing == 7, written);
        QCOMPARE(host.previews.size(), previews);
        if (previews)
            QCOMPARE(host.previews.first(), MediaFamily::Text);
        QCOMPARE(changes.size(), reported ? 1 : 0);
        if (reported) {
            QCOMPARE(changes.first().at(0).toInt(), 1);
            QCOMPARE(changes.first().at(1).value<QVLedMediaObject *>(), &item);
        }
    }

    void everyKindShowsThePanelOfItsFamily()
    {
        TestEnvironment env;
        Widget w;
        QSet<MediaPanel *> panels;
        for (const MediaKindRow &row : MediaKinds::rows()) {
            QVLedMediaObject item;
            item.kind = row.kind;
            w.slotSelectMediaObject(&item);
            const QList<MediaPanel *> shown = visibleMediaPanels(w);
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.first()->family(), row.family);
            panels << shown.first();
            w.curMedia = nullptr;
        }
        QCOMPARE(panels.size(), 10);

        // an unknown kind leaves the panel shown as it was
        QVLedMediaObject stranger;
        stranger.kind = QStringLiteral("Video"); // kinds compare case-sensitively
        w.slotSelectMediaObject(&stranger);
        QCOMPARE(visibleMediaPanels(w).size(), 1);
        w.hideAllSetupLabel();
        QVERIFY(visibleMediaPanels(w).isEmpty());
    }

    // The editor starts without media panels; the first item of a family
    // makes its panel, once, in the place of the others, and its reports
    // reach the main window.
    void mediaPanelsAreMadeOnFirstUseAndReportToTheMainWindow()
    {
        TestEnvironment env;
        Widget w;
        QVERIFY(w.commonWinSetupLabel()->findChildren<MediaPanel *>().isEmpty());
        QVLedMediaObject clock;
        clock.kind = QStringLiteral("digitalClock");
        w.slotSelectMediaObject(&clock);
        QCOMPARE(visibleMediaPanels(w).size(), 1);
        MediaPanel *clockPanel = visibleMediaPanels(w).first();
        QCOMPARE(clockPanel, w.mediaPanelOf(clock.kind));
        QCOMPARE(w.commonWinSetupLabel()->findChildren<MediaPanel *>().size(), 1);
        for (const MediaKindRow &row : MediaKinds::rows())
            w.mediaPanelOf(row.kind);
        const QList<MediaPanel *> panels = w.commonWinSetupLabel()->findChildren<MediaPanel *>();
        QCOMPARE(panels.size(), 10);
        QVERIFY(!clockPanel->isHidden());
        QCOMPARE(visibleMediaPanels(w).size(), 1); // a panel made later waits hidden for its item

        QSignalSpy relayed(&w, &Widget::sigQVMediaChanged);
        QVLedMediaObject item;
        for (MediaPanel *panel : panels)
            emit panel->sigQVMediaChanged(4, &item);
        QCOMPARE(relayed.size(), 10); // each relayed once
        QCOMPARE(relayed.last().at(0).toInt(), 4);
    }

    void aPreviewRefreshTouchesOnlyTheCurrentDisplayWindow()
    {
        TestEnvironment env;
        Widget w;
        MainPlayBKLabel *display = w.displayWindows.first();
        for (const MediaKindRow &row : MediaKinds::rows()) {
            display->showNameMarks = true;
            w.curMedia = nullptr;
            w.refreshPreview(row.family); // nothing current: nothing happens
            QVERIFY(display->showNameMarks);

            QVLedMediaObject item;
            item.kind = row.kind;
            w.curMedia = &item;
            w.refreshPreview(row.family);
            QVERIFY(!display->showNameMarks);
            w.curMedia = nullptr;
        }
        display->showNameMarks = true;
        QVLedMediaObject item;
        w.curMedia = &item;
        w.curDisplayName = QStringLiteral("no such display window");
        w.refreshPreview(MediaFamily::Text);
        QVERIFY(display->showNameMarks);
        w.curMedia = nullptr;
    }

    // Only the schedule panel, shown at start, is made with the window; each
    // other one is made when first asked for, hidden, in the place it would
    // have had: the segment, timing-segment and program panels in the normal
    // one even after a maximise, the window panel in the current one.
    void propertyPanelsAreMadeWhenFirstAskedFor()
    {
        TestEnvironment env;
        Widget w;
        const auto made = [&w] {
            return w.workArea->findChildren<PropertyPanel *>(QString(), Qt::FindDirectChildrenOnly);
        };
        QCOMPARE(made(), QList<PropertyPanel *>{w.scheduleSetupLabel});
        QVERIFY(w.findChildren<TimingSegmentTimePropertyWin *>().isEmpty());
        QVERIFY(!w.madeMediaTable());

        const QRect builtArea(314, 50, w.workArea->width() - 322, w.workArea->height() - 56);
        w.slotShowMaximized();
        const QRect area(314, 50, w.workArea->width() - 322, w.workArea->height() - 56);
        QVERIFY(area.width() > builtArea.width());
        QCOMPARE(w.commonWinSetupLabel()->geometry(), area);
        QCOMPARE(w.madeMediaTable(), w.mediaTable());
        QCOMPARE(w.mediaTable()->geometry(), QRect(0, 160, area.width(), area.height() - 380));
        for (PropertyPanel *panel : std::initializer_list<PropertyPanel *>{
                 w.segmentSetupLabel(), w.timingSegmentSetupLabel(), w.programSetupLabel()})
            QCOMPARE(panel->geometry(), builtArea);
        QCOMPARE(made().size(), 5);
        for (PropertyPanel *panel : made())
            QVERIFY2(panel == w.scheduleSetupLabel || panel->isHidden(), panel->metaObject()->className());
        QCOMPARE(w.findChildren<TimingSegmentTimePropertyWin *>(), QList<TimingSegmentTimePropertyWin *>{w.timePointDialog()});

        w.slotResume();
        QCOMPARE(w.commonWinSetupLabel()->geometry(), builtArea);
        QCOMPARE(w.programSetupLabel()->geometry(), builtArea);
    }

    void panelsArePlacedAgainOnMaximiseAndRestore()
    {
        TestEnvironment env;
        Widget w;
        const QRect builtArea(314, 50, w.workArea->width() - 322, w.workArea->height() - 56);
        QCOMPARE(w.segmentSetupLabel()->geometry(), builtArea);
        QCOMPARE(w.commonWinSetupLabel()->geometry(), builtArea);
        const int h = builtArea.height();
        QCOMPARE(w.textSetupLabel()->geometry(), QRect(0, h - 200, builtArea.width(), 200));
        QCOMPARE(w.imageSetupLabel()->geometry(), QRect(0, h - 220, builtArea.width(), 220));
        QCOMPARE(w.weatherSetupLabel()->geometry(), QRect(0, h - 200, builtArea.width(), 200));

        w.slotShowMaximized();
        const QRect area(314, 50, w.workArea->width() - 322, w.workArea->height() - 56);
        QVERIFY(area.width() > builtArea.width());
        QCOMPARE(w.scheduleSetupLabel->geometry(), area);
        QCOMPARE(w.commonWinSetupLabel()->geometry(), area);
        QCOMPARE(w.mediaTable()->geometry(), QRect(0, 160, area.width(), area.height() - 380));
        QCOMPARE(w.mediaTable()->columnWidth(0), area.width());
        QCOMPARE(w.textSetupLabel()->geometry(), QRect(0, area.height() - 200, area.width(), 200));
        // panels first asked for after the window was maximised take the same place
        for (const MediaKindRow &row : MediaKinds::rows())
            w.mediaPanelOf(row.kind);
        QCOMPARE(w.commonWinSetupLabel()->findChildren<MediaPanel *>().size(), 10);
        for (MediaPanel *panel : w.commonWinSetupLabel()->findChildren<MediaPanel *>()) {
            if (panel != static_cast<MediaPanel *>(w.textSetupLabel()))
                QCOMPARE(panel->geometry(), QRect(0, area.height() - 220, area.width(), 220));
        }
        // the segment, timing-segment and program panels keep their first place
        QCOMPARE(w.segmentSetupLabel()->geometry(), builtArea);
        QCOMPARE(w.programSetupLabel()->geometry(), builtArea);

        w.slotResume();
        QCOMPARE(w.commonWinSetupLabel()->geometry(), builtArea);
        QCOMPARE(w.weatherSetupLabel()->geometry(), QRect(0, h - 220, builtArea.width(), 220));
    }

private:
    static QList<MediaPanel *> visibleMediaPanels(Widget &w)
    {
        QList<MediaPanel *> shown;
        for (MediaPanel *panel : w.commonWinSetupLabel()->findChildren<MediaPanel *>()) {
            if (!panel->isHidden())
                shown << panel;
        }
        return shown;
    }
};

QTEST_MAIN(PanelsTest)
#include "test_panels.moc"

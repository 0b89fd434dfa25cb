// The clocks and the count timer on a clock that stands still: offsets across
// midnight, 12-hour rows, date lines, multi-row bands, the analog hands, and
// a count that holds at its ends and while paused, and the background rule
// the clocks, the count timer and the weather window share.

#include "base/Clock.h"
#include "model/KindNames.h"
#include "model/QVLedMediaObject.h"
#include "playback/content/AnalogClockWidget.h"
#include "playback/content/ClockPlayers.h"
#include "playback/content/ClockTexts.h"
#include "playback/content/ContentBackground.h"
#include "playback/content/DigitalTimerWin.h"
#include "playback/content/digitalClockWidget.h"
#include "support/PlayFixture.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
const QDate Sunday(2026, 12, 6);

// A digital clock showing every part, ticked once at `moment`.
struct TickedClock
{
    explicit TickedClock(const QDateTime &moment) : clock(moment) { Clock::install(&clock); }
    ~TickedClock() { Clock::install(nullptr); }
    void tick() { widget.slotTimeout(); }

    ManualClock clock;
    digitalClockWidget widget{nullptr};
};

QTime ms(int msecs)
{
    return QTime::fromMSecsSinceStartOfDay(msecs);
}
} // namespace

class ClocksTest : public QObject
{
    Q_OBJECT

private slots:
    void offsetsMoveDateAndWeekdayAcrossMidnight_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QTime>("offset");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("week");

        QTest::newRow("ahead past midnight, Sunday to Monday")
            << QDateTime(Sunday, QTime(23, 30)) << 0 << QTime(1, 0) << "00:30:00"
            << "2026/12/07"
            << "Monday";
        QTest::newRow("ahead to exactly midnight is the next day")
            << QDateTime(Sunday, QTime(23, 0)) << 0 << QTime(1, 0) << "00:00:00"
            << "2026/12/07"
            << "Monday";
        QTest::newRow("behind past midnight")
            << QDateTime(Sunday.addDays(1), QTime(0, 5)) << 1 << QTime(0, 10) << "23:55:00"
            << "2026/12/06"
            << "Sunday";
        QTest::newRow("behind from New Year's morning into the old year")
            << QDateTime(QDate(2026, 1, 1), QTime(0, 0, 30)) << 1 << QTime(0, 1) << "23:59:30"
            << "2025/12/31"
            << "Wednesday";
        QTest::newRow("an invalid offset is none") << QDateTime(Sunday, QTime(0, 30)) << 0 << QTime() << "00:30:00"
                                                   << "2026/12/06"
                                                   << "Sunday";
        QTest::newRow("an unknown mode is none") << QDateTime(Sunday, QTime(12, 0)) << 2 << QTime(5, 0) << "12:00:00"
                                                 << "2026/12/06"
                                                 << "Sunday";
    }

    void offsetsMoveDateAndWeekdayAcrossMidnight()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, mode);
        QFETCH(QTime, offset);
        QFETCH(QString, time);
        QFETCH(QString, date);
        QFETCH(QString, week);
        TickedClock c(now);
        c.widget.timeDiffMode = mode;
        c.widget.timeDiff = offset;
        c.tick();
        QCOMPARE(c.widget.timeLine, time);
        QCOMPARE(c.widget.dateLine, date);
        QCOMPARE(c.widget.weekText, week);

        AnalogClockWidget analog(nullptr);
        analog.timeDiffMode = mode;
        analog.timeDiff = offset;
        analog.slotTimeout();
        QCOMPARE(analog.shownTime.toString("HH:mm:ss"), time);
        QCOMPARE(analog.weekText, week);
        QCOMPARE(analog.dateText, date.mid(5)); // "MM/dd"
    }

    void twelveHourRows_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("line");
        QTest::newRow("13:05") << QTime(13, 5) << "01:05PM";
        QTest::newRow("12:05") << QTime(12, 5) << "12:05AM";
        QTest::newRow("00:05") << QTime(0, 5) << "00:05AM";
        QTest::newRow("09:30") << QTime(9, 30) << "09:30AM";
    }

    void twelveHourRows()
    {
        QFETCH(QTime, now);
        QFETCH(QString, line);
        TickedClock c(QDateTime(Sunday, now));
        c.widget.hour12 = true;
        c.widget.secondOn = false;
        c.widget.multiRow = true;
        c.widget.yearOn = c.widget.monthOn = c.widget.dayOn = c.widget.weekOn = false;
        c.tick();
        QCOMPARE(c.widget.shownLines(), QStringList{line});
        QCOMPARE(c.widget.hourText.size(), 2);
    }

    void dateLines_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("year");
        QTest::addColumn<bool>("month");
        QTest::addColumn<bool>("day");
        QTest::addColumn<bool>("twoDigit");
        QTest::addColumn<QString>("line");
        QTest::newRow("year month day") << 0 << true << true << true << false << "2026/12/06";
        QTest::newRow("day month year, two-digit") << 1 << true << true << true << true << "06/12/26";
        QTest::newRow("month day year") << 2 << true << true << true << false << "12/06/2026";
        QTest::newRow("only the year: no trailing stroke") << 0 << true << false << false << false << "2026";
        QTest::newRow("month and year, day left out") << 1 << true << true << false << false << "12/2026";
        QTest::newRow("every part off") << 0 << false << false << false << false << "";
        QTest::newRow("unknown style") << 3 << true << true << true << false << "";
    }

    void dateLines()
    {
        QFETCH(int, style);
        QFETCH(bool, year);
        QFETCH(bool, month);
        QFETCH(bool, day);
        QFETCH(bool, twoDigit);
        QFETCH(QString, line);
        TickedClock c(QDateTime(Sunday, QTime(8, 0)));
        c.widget.dateStyle = style;
        c.widget.yearOn = year;
        c.widget.monthOn = month;
        c.widget.dayOn = day;
        c.widget.twoDigit = twoDigit;
        c.tick();
        QCOMPARE(c.widget.dateLine, line);
    }

    void timeLinesDropWhatIsOff_data()
    {
        QTest::addColumn<bool>("hour");
        QTest::addColumn<bool>("minute");
        QTest::addColumn<bool>("second");
        QTest::addColumn<QString>("line");
        QTest::newRow("all") << true << true << true << "14:07:09";
        QTest::newRow("no seconds") << true << true << false << "14:07";
        QTest::newRow("hours alone") << true << false << false << "14";
        QTest::newRow("minutes and seconds") << false << true << true << "07:09";
        QTest::newRow("none") << false << false << false << "";
    }

    void timeLinesDropWhatIsOff()
    {
        QFETCH(bool, hour);
        QFETCH(bool, minute);
        QFETCH(bool, second);
        QFETCH(QString, line);
        TickedClock c(QDateTime(Sunday, QTime(14, 7, 9)));
        c.widget.hourOn = hour;
        c.widget.minuteOn = minute;
        c.widget.secondOn = second;
        c.widget.amPmOn = false;
        c.tick();
        QCOMPARE(c.widget.timeLine, line);
    }

    void singleLineAndMultiRowBands()
    {
        TickedClock c(QDateTime(Sunday, QTime(14, 7, 9)));
        c.widget.setItemText(QString());
        c.widget.weekOn = false;
        c.widget.amPmOn = false;
        c.tick();
        QCOMPARE(c.widget.shownLines(), QStringList{"  2026/12/06    14:07:09 "});
        c.widget.multiRow = true;
        // no fixed text, no weekday: two rows
        QCOMPARE(c.widget.shownLines(), (QStringList{"2026/12/06", "14:07:09"}));
        c.widget.setItemText("Hall");
        c.widget.weekOn = true;
        c.tick();
        QCOMPARE(c.widget.shownLines(), (QStringList{" Hall", "2026/12/06", "Sunday", "14:07:09"}));

        // Equal gaps: (100 - 2 * 20) / 3 = 20
        QCOMPARE(ClockTexts::bandTops(100, 20, 2), (QVector<int>{20, 60}));
        QCOMPARE(ClockTexts::bandTops(100, 20, 4), (QVector<int>{4, 28, 52, 76}));
        QCOMPARE(ClockTexts::bandTops(100, 20, 0), QVector<int>{});
    }

    void analogClockAtHalfPastTen()
    {
        TestEnvironment env;
        ManualClock clock(QDateTime(Sunday, QTime(10, 30, 0)));
        Clock::install(&clock);
        AnalogClockWidget analog(nullptr);
        analog.resize(200, 200);
        analog.setStyleSheet("background:black");
        analog.dateOn = false;
        analog.hourHandColour = Qt::red;
        analog.minuteHandColour = analog.secondHandColour = Qt::blue;
        analog.timeScaleColour = analog.minuteScaleColour = Qt::green;
        analog.slotTimeout();
        Clock::install(nullptr);

        const ClockTexts::HandAngles angles = ClockTexts::handAngles(analog.shownTime);
        QCOMPARE(angles.hour, 315.0);
        QCOMPARE(angles.minute, 180.0);
        QCOMPARE(angles.second, 0.0);

        const QImage image = analog.grab().toImage();
        // 20 units out from the centre towards half past ten, and the mirror points.
        auto colourAt = [&](int dx, int dy) { return QColor(image.pixel(100 + dx, 100 + dy)); };
        auto reddish = [&](int dx, int dy) { return colourAt(dx, dy).red() > 150 && colourAt(dx, dy).blue() < 50; };
        QVERIFY(reddish(-14, -14));
        QVERIFY(!reddish(14, -14));
        QVERIFY(!reddish(14, 14));
        QVERIFY(colourAt(0, 20).blue() > 150); // the minute hand points down
    }

    void countTimerHoldsAtItsEnds()
    {
        QTime value(0, 0, 5);
        value = DigitalTimerWin::nextValue(value, QTime(0, 0, 5), 0);
        QCOMPARE(value, ms(4900));
        QCOMPARE(DigitalTimerWin::lcdText(value), QString("00:00:04:9")); // the tenths, on ten digits
        for (int i = 0; i < 60; ++i)
            value = DigitalTimerWin::nextValue(value, QTime(0, 0, 5), 0);
        QCOMPARE(value, QTime(0, 0)); // never 23:59:59.9

        QTime up(0, 0);
        for (int i = 0; i < 60; ++i)
            up = DigitalTimerWin::nextValue(up, QTime(0, 0, 5), 1);
        QCOMPARE(up, QTime(0, 0, 5));
        QCOMPARE(DigitalTimerWin::nextValue(ms(1200), QTime(0, 0, 5), 7), ms(1200));
    }

    void countTimerPlaysPausesAndResumes()
    {
        TestEnvironment env;
        QWidget area;
        area.resize(480, 200);
        DigitalTimerPlayer player(&area);
        player.placeIn(QRect(0, 0, 480, 200));
        QVLedMediaObject item;
        item.kind = MediaKind::DigitalTimer;
        item.digitalTimer.length = QTime(0, 0, 5);
        item.digitalTimer.countMode = 0;
        item.digitalTimer.numberColour = QColor(0, 255, 0);
        player.show(&item, ContentPlayer::Purpose::RealPlay, 1);
        DigitalTimerWin *timer = player.timer();
        QVERIFY(timer && !timer->isHidden());
        QVERIFY(timer->tickTimer->isActive());
        QCOMPARE(timer->tickTimer->interval(), 100);
        timer->slotTimeout();
        QCOMPARE(timer->value, ms(4900));
        QVERIFY(timer->styleSheet().contains("color:rgb(0,255,0);"));

        player.pause();
        QVERIFY(!timer->tickTimer->isActive());
        QTest::qWait(250);
        QCOMPARE(timer->value, ms(4900));
        player.resume();
        QVERIFY(timer->tickTimer->isActive());

        item.digitalTimer.countMode = 1;
        player.show(&item, ContentPlayer::Purpose::Preview, 0);
        QCOMPARE(timer->value, QTime(0, 0));
        player.stop();
        QVERIFY(timer->isHidden());
        QVERIFY(!timer->tickTimer->isActive());
    }

    void countTimerKeepsItsBackgroundUnderTheDigitColour()
    {
        TestEnvironment env;
        QWidget area;
        DigitalTimerPlayer player(&area);
        QVLedMediaObject item;
        item.kind = MediaKind::DigitalTimer;
        item.digitalTimer.bgIsColour = true;
        item.digitalTimer.bgColour = QColor(1, 2, 3);
        player.show(&item, ContentPlayer::Purpose::Preview, 0);
        player.timer()->slotTimeout();
        player.timer()->slotTimeout();
        QVERIFY(player.timer()->styleSheet().startsWith("background:rgb(1,2,3);"));
        QVERIFY(player.timer()->styleSheet().endsWith("color:rgb(255,0,0);"));
    }

    void clocksTickOnlyWhileTheirItemShows()
    {
        TestEnvironment env;
        QWidget area;
        DigitalClockPlayer digital(&area);
        AnalogClockPlayer analog(&area);
        QCOMPARE(digital.view(), nullptr); // nothing made before the first item
        QVLedMediaObject item;
        item.kind = MediaKind::DigitalClock;
        item.digitalClock.fixedText = "Lobby";
        item.digitalClock.bgIsColour = false;
        item.digitalClock.bgPicture = "/pictures/sea.png";
        item.digitalClock.bgImageStyle = 1;
        digital.show(&item, ContentPlayer::Purpose::RealPlay, 1);
        QCOMPARE(digital.clock()->fixedText, QString(" Lobby"));
        QCOMPARE(digital.clock()->styleSheet(), QString("background:transparent;")); // the picture is painted
        QVERIFY(digital.clock()->tickTimer->isActive());
        digital.pause();
        QVERIFY(!digital.clock()->tickTimer->isActive());
        digital.resume();
        QVERIFY(digital.clock()->tickTimer->isActive());
        digital.stop();
        QVERIFY(!digital.clock()->tickTimer->isActive());
        QVERIFY(digital.clock()->isHidden());

        item.kind = MediaKind::AnalogClock;
        item.analogClock.bgTransparent = true;
        item.analogClock.text = "Hall";
        analog.show(&item, ContentPlayer::Purpose::Preview, 0);
        QCOMPARE(analog.clock()->styleSheet(), QString("background:transparent"));
        QCOMPARE(analog.clock()->text, QString("Hall"));
        QCOMPARE(analog.clock()->tickTimer->interval(), 500);
        analog.stop();
        QVERIFY(!analog.clock()->tickTimer->isActive());
    }

    // One background rule for the clocks, the count timer and the weather
    // window; only the clocks show another picture style as their pixmap. A
    // picture is never named in the style sheet: it is decoded in the
    // background and painted under the label, tiled or stretched.
    void theBackgroundRule_data()
    {
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("isColour");
        QTest::addColumn<int>("imageStyle");
        QTest::addColumn<bool>("pixmapAllowed");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<bool>("pixmap");
        QTest::addColumn<QColor>("seenAt12"); // invalid: nothing painted under the label
        const QColor blue(Qt::blue), yellow(Qt::yellow);
        QTest::newRow("transparent over a colour")
            << true << true << 0 << true << "background:transparent" << false << QColor();
        QTest::newRow("a colour") << false << true << 1 << true << "background:rgb(10,200,30);" << false
                                  << QColor(10, 200, 30);
        QTest::newRow("a tiled picture") << false << false << 0 << true << "background:transparent;" << false
                                         << yellow; // x 12 is x 4 of the second tile
        QTest::newRow("a stretched picture") << false << false << 1 << false << "background:transparent;" << false
                                             << blue; // x 12 of 40 is in the left half
        QTest::newRow("another style: the clock's pixmap")
            << false << false << 2 << true << QString() << true << QColor();
        QTest::newRow("another style: no weather background")
            << false << false << 2 << false << QString() << false << QColor();
    }

    void theBackgroundRule()
    {
        QFETCH(bool, transparent);
        QFETCH(bool, isColour);
        QFETCH(int, imageStyle);
        QFETCH(bool, pixmapAllowed);
        QFETCH(QString, sheet);
        QFETCH(bool, pixmap);
        QFETCH(QColor, seenAt12);
        TestEnvironment env;
        const QString picture = env.path("sea (1).png"); // left half blue, right half yellow
        QImage sea(8, 8, QImage::Format_RGB32);
        sea.fill(Qt::blue);
        for (int y = 0; y < 8; ++y)
            for (int x = 4; x < 8; ++x)
                sea.setPixelColor(x, y, Qt::yellow);
        QVERIFY(sea.save(picture));
        BackgroundFields fields;
        fields.transparent = transparent;
        fields.isColour = isColour;
        fields.colour = QColor(10, 200, 30);
        fields.picture = picture;
        fields.imageStyle = imageStyle;
        QLabel label;
        label.resize(40, 20);
        label.setPixmap(QPixmap(picture)); // what the item before left
        const auto others
            = pixmapAllowed ? ContentBackground::OtherStyles::SetPixmap : ContentBackground::OtherStyles::NoBackground;
        ContentBackground::apply(&label, fields, others);
        QCOMPARE(label.styleSheet(), sheet);
        QTRY_COMPARE(!label.pixmap(Qt::ReturnByValue).isNull(), pixmap);
        if (seenAt12.isValid()) // Qt draws the colour and the painted picture: a sheet it refuses would show none
            QTRY_COMPARE(QColor(label.grab().toImage().pixel(12, 10)), seenAt12);
        QCOMPARE(ContentBackground::styleSheet(fields, "WeatherWindow").startsWith("WeatherWindow { "),
                 !sheet.isEmpty());
        // The next item's background replaces the picture: nothing of it is painted any more.
        fields.transparent = false;
        fields.isColour = true;
        ContentBackground::apply(&label, fields, others);
        QCOMPARE(QColor(label.grab().toImage().pixel(12, 10)), QColor(10, 200, 30));
        QVERIFY(label.pixmap(Qt::ReturnByValue).isNull());
    }

    void aKindsStayTimeoutEndsItsItem()
    {
        PlayFixture f;
        f.addGeneral("G");
        f.addProgram("P", SegmentType::General, 2);
        CommonWinObject *window = f.addWindow("W", 2);
        window->media.value(0)->kind = MediaKind::DigitalClock;
        window->media.value(1)->kind = MediaKind::DigitalTimer;
        f.tree->slotStartPlay(f.display);
        CommonPlayWindow *area = f.area(window);
        auto *clock = dynamic_cast<DigitalClockPlayer *>(area->content().find(MediaFamily::DigitalClock));
        QVERIFY(clock && !clock->clock()->isHidden());
        area->slotPlayDigitalClockTimeout();
        QCOMPARE(area->index, 1);
        QCOMPARE(area->currentKind, QString(MediaKind::DigitalTimer));
        QVERIFY(clock->clock()->isHidden());
        QVERIFY(!clock->clock()->tickTimer->isActive());
        area->pauseRealPlay();
        auto *timer = dynamic_cast<DigitalTimerPlayer *>(area->content().find(MediaFamily::DigitalTimer));
        QVERIFY(timer && !timer->timer()->tickTimer->isActive());
        area->resumeRealPlay();
        QVERIFY(timer->timer()->tickTimer->isActive());
    }
};

QTEST_MAIN(ClocksTest)
#include "test_clocks.moc"

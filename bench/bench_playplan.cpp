// Refresh of the schedule panel's play plan over 366 days, with a general
// segment, a cycle segment and a timing segment of 24 time points (about
// 9,900 tree items), side by side with a bare QTreeWidget filled with the
// same texts. Each fill runs in a process of its own, so that its peak
// memory is its own; the figures are medians of several runs.
//
//     build/bench/bench_playplan [runs]

#include "model/KindNames.h"
#include "model/ScheduleRecords.h"
#include "panels/PanelHost.h"
#include "panels/PlayPlan.h"
#include "panels/SchedulePanel.h"
#include "panels/controls/CalendarPopup.h"
#include "panels/controls/DateRangeRow.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <QTreeWidget>

#include <algorithm>
#include <malloc.h>

namespace {

const QDate kFrom(2024, 1, 1);
const QDate kTo(2024, 12, 31); // 366 days
constexpr int kTimePoints = 24;

// The three segments the plan lists.
struct Plan
{
    GeneralObject general;
    CycleObject cycle;
    TimingObject timing;

    Plan()
    {
        general.name = QStringLiteral("General Segment1");
        general.weekdays = Weekday::allDays();
        general.allTime = false;
        general.startTime = QTime(8, 0);
        general.endTime = QTime(20, 0);
        cycle.name = QStringLiteral("Cycle Inserted Segment1");
        cycle.weekdays = Weekday::allDays();
        cycle.allTime = false;
        cycle.startTime = QTime(22, 0);
        cycle.endTime = QTime(6, 0);
        timing.name = QStringLiteral("Timing Inserted Segment1");
        for (int hour = 0; hour < kTimePoints; ++hour) {
            auto *point = new TimePoint;
            point->time = QTime(hour, 30);
            timing.timePoints << point;
        }
    }
    ~Plan() { qDeleteAll(timing.timePoints); }
};

class BenchHost : public PanelHost
{
public:
    explicit BenchHost(Plan &plan) : m_plan(plan) { }
    QVLedMediaObject *curMedia() const override { return nullptr; }
    GeneralObject *curGeneralSegment() const override { return &m_plan.general; }
    CycleObject *curCycleSegment() const override { return &m_plan.cycle; }
    TimingObject *curTimingSegment() const override { return &m_plan.timing; }
    ProgramObject *curProgram() const override { return nullptr; }
    CommonWinObject *curCommonWin() const override { return nullptr; }
    QString curDisplayName() const override { return QStringLiteral("Display window1"); }
    QSize curDisplaySize() const override { return {320, 240}; }
    bool curDisplayPlays() const override { return false; }
    int mediaRowCount() const override { return 0; }
    int currentMediaRow() const override { return -1; }
    void refreshPreview(MediaFamily) override { }
    QWidget *dialogParent() const override { return nullptr; }
    void editVideoPlayer(VideoEdit, int) override { }
    void refreshVideoCover() override { }
    void setDisplayBackgroundColour(const QColor &) override { }
    void setDisplayBackgroundPicture(const QString &) override { }
    void refreshWindowArea(CommonWinObject *, bool) override { }

private:
    Plan &m_plan;
};

qint64 statusKilobytes(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix(key);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

struct Figures
{
    double ms = 0;
    qint64 peakKb = 0; // peak resident memory above what the process held before the fill
    qint64 heapKb = 0; // heap still held after the fill
    int items = 0;
};

// Runs the fill once, measured.
template <typename Fill>
Figures measure(Fill fill)
{
    QApplication::processEvents();
    const qint64 residentBefore = statusKilobytes("VmRSS:");
    const size_t heapBefore = mallinfo2().uordblks;
    QElapsedTimer timer;
    timer.start();
    const int items = fill();
    QApplication::processEvents(); // the layout and first paint belong to the fill
    Figures f;
    f.ms = timer.nsecsElapsed() / 1e6;
    f.peakKb = statusKilobytes("VmHWM:") - residentBefore;
    f.heapKb = qint64(mallinfo2().uordblks - heapBefore) / 1024;
    f.items = items;
    return f;
}

int countItems(QTreeWidget *tree)
{
    int items = tree->topLevelItemCount();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        items += tree->topLevelItem(i)->childCount();
    return items;
}

Figures runPanel()
{
    Plan plan;
    BenchHost host(plan);
    QWidget window;
    window.resize(1024, 715);
    CalendarPopup calendar(&window);
    SchedulePanel panel(host, &window, &calendar);
    panel.trUpdate();
    panel.dateRange()->fromEdit()->setDate(kFrom);
    panel.dateRange()->toEdit()->setDate(kTo);
    window.show();
    panel.show();
    return measure([&] {
        panel.slotRefresh();
        return countItems(panel.planTree());
    });
}

Figures runBare()
{
    // The same texts, made before the clock starts.
    Plan plan;
    QList<QStringList> days;
    for (QDate day = kFrom; day <= kTo; day = day.addDays(1))
        days << (QStringList(day.toString(QStringLiteral("yyyy-MM-dd")))
                 + PlayPlan::linesOfDay(day, &plan.general, &plan.cycle, &plan.timing));
    QWidget window;
    window.resize(1024, 715);
    auto *tree = new QTreeWidget(&window);
    tree->setGeometry(322, 58, 686, 500);
    tree->setHeaderHidden(true);
    window.show();
    return measure([&] {
        QList<QTreeWidgetItem *> items;
        for (const QStringList &texts : qAsConst(days)) {
            auto *day = new QTreeWidgetItem(QStringList(texts.first()));
            for (int line = 1; line < texts.size(); ++line)
                day->addChild(new QTreeWidgetItem(QStringList(texts.at(line))));
            items << day;
        }
        tree->addTopLevelItems(items);
        tree->expandAll();
        return countItems(tree);
    });
}

Figures median(QList<Figures> runs)
{
    auto middle = [&](auto field) {
        std::sort(runs.begin(), runs.end(), [&](const Figures &a, const Figures &b) { return field(a) < field(b); });
        return runs.at(runs.size() / 2);
    };
    Figures m;
    m.ms = middle([](const Figures &f) { return f.ms; }).ms;
    m.peakKb = middle([](const Figures &f) { return f.peakKb; }).peakKb;
    m.heapKb = middle([](const Figures &f) { return f.heapKb; }).heapKb;
    m.items = runs.first().items;
    return m;
}

Figures runChild(const QString &variant)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), variant});
    child.waitForFinished(120000);
    const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
    Figures f;
    f.ms = values.value(0).toDouble();
    f.peakKb = values.value(1).toLongLong();
    f.heapKb = values.value(2).toLongLong();
    f.items = values.value(3).toInt();
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments();

    if (args.value(1) == QLatin1String("--child")) {
        const Figures f = args.value(2) == QLatin1String("panel") ? runPanel() : runBare();
        out << f.ms << ' ' << f.peakKb << ' ' << f.heapKb << ' ' << f.items << '\n';
        return 0;
    }

    const int runs = qMax(1, args.value(1).toInt() > 0 ? args.value(1).toInt() : 5);
    QList<Figures> panelRuns;
    QList<Figures> bareRuns;
    for (int i = 0; i < runs; ++i) {
        panelRuns << runChild(QStringLiteral("panel"));
        bareRuns << runChild(QStringLiteral("bare"));
    }
    const Figures panel = median(panelRuns);
    const Figures bare = median(bareRuns);
    out << "Play plan over 366 days, general + cycle + timing segment of " << kTimePoints << " points; median of "
        << runs << " runs, one process each\n";
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QString(), -22)
               .arg(QStringLiteral("items"), 8)
               .arg(QStringLiteral("time ms"), 10)
               .arg(QStringLiteral("peak KiB"), 10)
               .arg(QStringLiteral("heap KiB"), 10);
    auto row = [&](const char *name, const Figures &f) {
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(QLatin1String(name), -22)
                   .arg(f.items, 8)
                   .arg(f.ms, 10, 'f', 1)
                   .arg(f.peakKb, 10)
                   .arg(f.heapKb, 10);
    };
    row("schedule panel Refresh", panel);
    row("bare QTreeWidget", bare);
    out << "ratio: time " << QString::number(bare.ms > 0 ? panel.ms / bare.ms : 0, 'f', 2) << "x, peak memory "
        << QString::number(bare.peakKb > 0 ? double(panel.peakKb) / bare.peakKb : 0, 'f', 2)
        << "x (target: at most 1.5x)\n";
    return 0;
}

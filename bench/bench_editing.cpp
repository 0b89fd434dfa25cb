// Pastes and deletes a general segment of 100 programs x 4 windows x 50
// media items (20,000 items) in the editor's tree and prints the time each
// takes beside the time the schedule reader needs to decode that segment.
// The delete includes the step that drops every pointer into the records
// before they are freed; a lookup or walk that grows with the square of the
// items shows here.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectTreeItem.h"
#include "editor/ProjectWidget.h"
#include "model/KindNames.h"
#include "model/Schedule.h"
#include "model/ScheduleReader.h"
#include "model/ScheduleRecords.h"
#include "resources/QvResources.h"
#include "shell/Prodoc.h"
#include "shell/Widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPrograms = 100;
constexpr int kWindows = 4;
constexpr int kItems = 50;
constexpr int kRounds = 3;

// Every question is answered Yes, so the delete runs unattended.
class YesPrompts : public Prompts
{
public:
    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &, QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        return QMessageBox::Yes;
    }
};

void buildSegment(Widget &w)
{
    ProjectTree *tree = w.curProjectWidget->tree();
    const QString d = w.curDisplayName;
    const QString segment = QStringLiteral("Bench");
    tree->loadGeneralSegment(segment, d, false, {}, {}, Weekday::allDays(), true, {}, {}, kPrograms);
    int id = 0;
    for (int p = 0; p < kPrograms; ++p) {
        const QString program = QStringLiteral("Program%1").arg(p + 1);
        tree->loadProgram(program, SegmentType::General, d, Qt::black, {}, 1, {}, 0, 1, QTime(0, 6, 0), kWindows);
        for (int a = 0; a < kWindows; ++a) {
            const QString window = QStringLiteral("Common Window%1").arg(a + 1);
            tree->loadCommonWindow(window, SegmentType::General, false, 0, Qt::red, 0, 0, 80, 60);
            for (int i = 0; i < kItems; ++i) {
                TextProperty text;
                text.text = QStringLiteral("item %1").arg(id);
                if (i % 2)
                    tree->loadTextObject(MediaKind::SimpleText, ++id, d, segment, program, window, text);
                else
                    tree->loadAnalogClockObject(++id, d, segment, program, window, AnalogClockProperty());
            }
        }
        tree->loadSegmentFinished();
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QString ms(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" ms");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initQvResources();
    QTextStream out(stdout);
    QTemporaryDir dir;
    AppContext::appDirPath = dir.path();
    AppContext::screenWidth = 1920;
    AppContext::screenHeight = 1080;
    AppContext::displayWindowParent = new QLabel;
    YesPrompts prompts;
    Prompts::install(&prompts);

    std::vector<double> decodeMs, pasteMs, deleteMs;
    double sourceDeleteMs = 0;
    {
        Widget w;
        buildSegment(w);
        const QString path = dir.filePath("segment.qvsc");
        if (!w.document->saveSchedule(path)) {
            out << "save failed: " << w.document->errorString() << "\n";
            return 1;
        }
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();

        QElapsedTimer timer;
        for (int round = 0; round < kRounds; ++round) {
            timer.restart();
            ScheduleReader reader;
            std::unique_ptr<OwnedSchedule> decoded = reader.decode(bytes);
            decodeMs.push_back(timer.nsecsElapsed() / 1e6);
            if (!decoded) {
                out << "decode failed: " << reader.errorString() << "\n";
                return 1;
            }
        }

        ProjectTree *tree = w.curProjectWidget->tree();
        QTreeWidgetItem *source = tree->rootItem->child(tree->rootItem->childCount() - 1);
        tree->curItem = source;
        tree->copySegmentSlot();
        for (int round = 0; round < kRounds; ++round) {
            tree->curItem = source;
            timer.restart();
            tree->pasteSegmentSlot();
            pasteMs.push_back(timer.nsecsElapsed() / 1e6);

            // the paste left its copy current, as the operator would delete it
            timer.restart();
            tree->deleteSegmentSlot();
            deleteMs.push_back(timer.nsecsElapsed() / 1e6);
        }
        // last, the loaded segment itself, whose every window has its area on the display window
        tree->curItem = source;
        timer.restart();
        tree->deleteSegmentSlot();
        sourceDeleteMs = timer.nsecsElapsed() / 1e6;
        out << "segment: " << kPrograms << " programs x " << kWindows << " windows x " << kItems << " items = "
            << kPrograms * kWindows * kItems << " items, " << bytes.size() << " bytes\n";
    }
    const double decode = median(decodeMs);
    out << "decode (baseline): " << ms(decode) << "\n";
    out << "paste:             " << ms(median(pasteMs)) << " (" << QString::number(median(pasteMs) / decode, 'f', 2)
        << " x decode)\n";
    out << "delete:            " << ms(median(deleteMs)) << " ("
        << QString::number(median(deleteMs) / decode, 'f', 2) << " x decode, forget step included)\n";
    out << "delete with areas: " << ms(sourceDeleteMs) << " (" << QString::number(sourceDeleteMs / decode, 'f', 2)
        << " x decode, the loaded segment and its " << kPrograms * kWindows << " areas)\n";
    Prompts::install(nullptr);
    delete AppContext::displayWindowParent;
    return 0;
}

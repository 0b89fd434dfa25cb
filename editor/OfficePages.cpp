// Office documents to pages: the import's wait and the schedule's queue.

#include "editor/OfficePages.h"

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "editor/OfficePageFiles.h"
#include "editor/OfficePreparation.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleRecords.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace OfficePages {

namespace {

constexpr int kBoxDelayMs = 1000;

// The wait cursor at once; after a second a box without buttons that names
// the document. Both go when the preparation ends.
class PreparationWait
{
public:
    PreparationWait(QWidget *parent, const QString &documentName) : m_parent(parent), m_name(documentName)
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_delay.setSingleShot(true);
        QObject::connect(&m_delay, &QTimer::timeout, [this] { showBox(); });
        m_delay.start(kBoxDelayMs);
    }
    ~PreparationWait()
    {
        delete m_box;
        QApplication::restoreOverrideCursor();
    }
    PreparationWait(const PreparationWait &) = delete;
    PreparationWait &operator=(const PreparationWait &) = delete;

private:
    void showBox()
    {
        m_box = new QDialog(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_box->setWindowTitle(QCoreApplication::translate("OfficePages", "info"));
        auto *label = new QLabel(
            QCoreApplication::translate("OfficePages", "Preparing the pages of %1 ...").arg(m_name), m_box);
        label->setMinimumWidth(360);
        auto *layout = new QVBoxLayout(m_box);
        layout->addWidget(label);
        Prompts::current().showProgress(m_box);
    }

    QPointer<QWidget> m_parent;
    QString m_name;
    QTimer m_delay;
    QPointer<QDialog> m_box;
};

} // namespace

QString tmpFolder()
{
    return AppContext::appDirPath + QStringLiteral("/tmp");
}

QString pageFileOf(const QString &documentPath)
{
    return OfficePageFiles::choose(QFileInfo(documentPath)).pageFile;
}

Result prepare(const QString &path, DocumentPages *pages, QWidget *parent)
{
    *pages = DocumentPages::preparing();
    PreparationWait wait(parent, path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
    // Shared with the report, which may come after this call stopped waiting
    // (the application ending its loops).
    struct Wait
    {
        bool over = false;
        Result result;
        QPointer<QEventLoop> loop;
    };
    auto shared = std::make_shared<Wait>();
    QEventLoop loop;
    shared->loop = &loop;
    OfficePreparation::instance().prepareFirst(path, *pages, [shared](const OfficePreparation::Outcome &outcome) {
        shared->over = true;
        // A folder that cannot be written is no missing Word.
        shared->result.wordFailed = outcome.word && outcome.conversionFailed && outcome.folderProblem.isEmpty();
        shared->result.converted = outcome.converted;
        shared->result.folderProblem = outcome.folderProblem;
        shared->result.rendererProblem = outcome.rendererProblem;
        if (shared->loop)
            shared->loop->quit();
    });
    // Timers and repaints go on; the operator's input waits until the pages are there.
    if (!shared->over)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return shared->result;
}

void prepareSchedule(Schedule &schedule)
{
    forEachScheduleItem(schedule, [](QVLedMediaObject &item) {
        const MediaKindRow *row = MediaKinds::find(item.kind);
        if (!row || row->id != MediaKindId::Office)
            return;
        item.image.pages = DocumentPages::preparing();
        OfficePreparation::instance().enqueue(item.image.path, item.image.pages);
    });
}

bool idle()
{
    return OfficePreparation::instance().idle();
}

} // namespace OfficePages

bool prepareOfficePages(const QString &path, DocumentPages &pages, QWidget *parent)
{
    return OfficePages::prepare(path, &pages, parent).wordFailed;
}

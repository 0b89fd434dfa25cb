// Office documents to page images: the page file cache, the conversion, the
// rendering on a thread of its own, and the wait the operator sees.

#include "editor/OfficePages.h"

#include "base/AppContext.h"
#include "base/Log.h"
#include "base/Prompts.h"
#include "editor/CConverter.h"
#include "editor/MuPdf.h"
#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "model/Schedule.h"
#include "model/ScheduleRecords.h"
#include "platform/Folders.h"
#include "platform/OfficeConverter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <functional>
#include <memory>

namespace OfficePages {

namespace {

bool preparing = false; // one preparation at a time: the scratch PDF is one file

constexpr int kBoxDelayMs = 1000;
constexpr int kProgressTickMs = 100;

enum class Conversion { None, Word, PowerPoint, Excel };

// By the text after the last "." of the whole path, whatever its case.
Conversion conversionOf(const QString &path)
{
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    if (suffix == QLatin1String("doc") || suffix == QLatin1String("docx"))
        return Conversion::Word;
    if (suffix == QLatin1String("ppt") || suffix == QLatin1String("pptx"))
        return Conversion::PowerPoint;
    if (suffix == QLatin1String("xls") || suffix == QLatin1String("xlsx"))
        return Conversion::Excel;
    return Conversion::None;
}

bool convert(Conversion conversion, const QString &source, const QString &target)
{
    switch (conversion) {
    case Conversion::Word:
        return CConverter::convertWordToPdf(source, target, OfficeConverter::kWordPdf);
    case Conversion::PowerPoint:
        return CConverter::convertPptToPdf(source, target, OfficeConverter::kPowerPointPdf);
    case Conversion::Excel:
        return CConverter::convertExcelToPdf(source, target, OfficeConverter::kExcelPdf);
    case Conversion::None:
        break;
    }
    return false;
}

// ---- which document a page file was made from ---------------------------

QString recordOf(const QString &pageFile)
{
    return pageFile + QStringLiteral(".source");
}

QJsonObject signatureOf(const QFileInfo &document)
{
    return {{QStringLiteral("path"), document.absoluteFilePath()},
            {QStringLiteral("size"), QString::number(document.size())},
            {QStringLiteral("modified"), QString::number(document.lastModified().toMSecsSinceEpoch())}};
}

bool madeFrom(const QString &pageFile, const QFileInfo &document)
{
    QFile record(recordOf(pageFile));
    if (!QFileInfo::exists(pageFile) || !record.open(QIODevice::ReadOnly))
        return false;
    return QJsonDocument::fromJson(record.readAll()).object() == signatureOf(document);
}

void writeRecord(const QString &pageFile, const QFileInfo &document)
{
    QSaveFile record(recordOf(pageFile));
    if (record.open(QIODevice::WriteOnly)) {
        record.write(QJsonDocument(signatureOf(document)).toJson(QJsonDocument::Compact));
        if (record.commit())
            return;
    }
    qCWarning(lcEditor).noquote() << "cannot record the source of" << pageFile << ":" << record.errorString();
}

// ---- the wait the operator sees -------------------------------------------

// The wait cursor at once; after a second a box without buttons that names
// the document and counts its pages. Both go when the preparation ends.
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

    void setPages(int rendered, int total)
    {
        m_rendered = rendered;
        m_total = total;
        if (m_label)
            m_label->setText(text());
    }

private:
    QString text() const
    {
        if (m_total <= 0)
            return QCoreApplication::translate("OfficePages", "Preparing the pages of %1 ...").arg(m_name);
        return QCoreApplication::translate("OfficePages", "Preparing the pages of %1: page %2 of %3")
            .arg(m_name)
            .arg(m_rendered)
            .arg(m_total);
    }
    void showBox()
    {
        m_box = new QDialog(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_box->setWindowTitle(QCoreApplication::translate("OfficePages", "info"));
        m_label = new QLabel(text(), m_box);
        m_label->setMinimumWidth(360);
        auto *layout = new QVBoxLayout(m_box);
        layout->addWidget(m_label);
        Prompts::current().showProgress(m_box);
    }

    QPointer<QWidget> m_parent;
    QString m_name;
    QTimer m_delay;
    QPointer<QDialog> m_box;
    QLabel *m_label = nullptr;
    int m_rendered = 0;
    int m_total = 0;
};

// ---- rendering off the calling thread --------------------------------------

struct RenderJob
{
    QString path;
    std::atomic<int> rendered{0};
    std::atomic<int> total{0};
    QList<QImage> images;
    QString error;
};

void renderAll(RenderJob &job)
{
    std::unique_ptr<MuPDF::Document> document = MuPDF::loadDocument(job.path, &job.error);
    if (!document)
        return;
    const int count = document->numPages();
    job.total = count;
    for (int index = 0; index < count; ++index) {
        const std::unique_ptr<MuPDF::Page> page = document->page(index);
        const QImage image = page ? page->renderImage(2.0f, 2.0f, 0.0f) : QImage();
        if (image.isNull())
            job.error = QStringLiteral("page %1 cannot be rendered").arg(index + 1);
        else
            job.images << image;
        ++job.rendered;
    }
}

QList<QPixmap> render(const QString &pdfPath, const std::function<void(int, int)> &progress)
{
    RenderJob job;
    job.path = pdfPath;
    QThread *worker = QThread::create([&job] { renderAll(job); });
    QEventLoop loop;
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { progress(job.rendered, job.total); });
    tick.start(kProgressTickMs);
    worker->start();
    // Timers and repaints go on; the operator's input waits until the pages are there.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    delete worker;
    if (!job.error.isEmpty())
        qCWarning(lcEditor).noquote() << "cannot render" << pdfPath << ":" << job.error;
    QList<QPixmap> pages;
    for (const QImage &image : qAsConst(job.images))
        pages << QPixmap::fromImage(image);
    return pages;
}

} // namespace

QString tmpFolder()
{
    return AppContext::appDirPath + QStringLiteral("/tmp");
}

QString scratchPdf()
{
    return tmpFolder() + QStringLiteral("/tmp.pdf");
}

QString pageFileOf(const QString &documentPath)
{
    const QString fileName = documentPath.mid(documentPath.lastIndexOf(QLatin1Char('/')) + 1);
    return tmpFolder() + QLatin1Char('/') + fileName.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".pdf");
}

QString readablePageFileOf(const QString &documentPath)
{
    const QString pageFile = pageFileOf(documentPath);
    if (QFileInfo::exists(pageFile))
        return pageFile;
    // Page files made before the settings folder moved out of the program's folder.
    const QString older = AppContext::programFilePath(QStringLiteral("tmp")) + pageFile.mid(tmpFolder().size());
    return QFileInfo::exists(older) ? older : pageFile;
}

QList<QPixmap> renderPages(const QString &pdfPath)
{
    return render(pdfPath, [](int, int) {});
}

Result prepare(const QString &path, QList<QPixmap> *pages, QWidget *parent)
{
    Result result;
    pages->clear();
    if (preparing) {
        qCWarning(lcEditor).noquote() << "the pages of" << path << "are not prepared: another document is being prepared";
        result.refused = true;
        return result;
    }
    preparing = true;
    // Released however the preparation ends.
    const std::unique_ptr<bool, void (*)(bool *)> release(&preparing, [](bool *flag) { *flag = false; });
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    PreparationWait wait(parent, fileName);

    QString reason;
    const bool canConvert = Folders::makeWritable(tmpFolder(), &reason);
    if (!canConvert) {
        qCWarning(lcEditor).noquote() << "no page files can be made in" << tmpFolder() << ":" << reason;
        result.folderProblem
            = QCoreApplication::translate("OfficePages", "The pages of %1 cannot be made: the folder %2 cannot "
                                                         "be used (%3).")
                  .arg(fileName, tmpFolder(), reason);
    }
    const QString scratch = scratchPdf();
    if (canConvert)
        QFile::remove(scratch);
    const QString pageFile = pageFileOf(path);
    const QFileInfo document(path);
    const Conversion conversion = conversionOf(path);
    // A missing document is never converted; the page file of the same document is reused.
    if (canConvert && document.exists() && conversion != Conversion::None
        && !madeFrom(readablePageFileOf(path), document)) {
        const bool converted = convert(conversion, document.absoluteFilePath(), scratch)
            && QFileInfo(scratch).size() > 0;
        if (converted) {
            QFile::remove(pageFile);
            QFile::remove(recordOf(pageFile));
            if (QFile::rename(scratch, pageFile)) {
                writeRecord(pageFile, document);
                result.converted = true;
            } else {
                qCWarning(lcEditor).noquote() << "cannot keep the pages of" << path << "as" << pageFile;
            }
        } else {
            result.wordFailed = conversion == Conversion::Word;
        }
        QFile::remove(scratch);
    } else if (!document.exists()) {
        qCWarning(lcEditor).noquote() << "the document" << path << "is missing; its pages come from" << pageFile
                                      << "if it is there";
    }

    const QString readable = readablePageFileOf(path);
    if (QFileInfo::exists(readable))
        *pages = render(readable, [&wait](int rendered, int total) { wait.setPages(rendered, total); });
    return result;
}

namespace {
template <typename Segment>
void prepareSegments(const QList<Segment *> &segments, QWidget *parent)
{
    for (const Segment *segment : segments) {
        for (const ProgramObject *program : segment->programs) {
            for (const CommonWinObject *window : program->windows) {
                for (QVLedMediaObject *item : window->media) {
                    const MediaKindRow *row = MediaKinds::find(item->kind);
                    if (row && row->id == MediaKindId::Office)
                        prepare(item->image.path, &item->image.pages, parent);
                }
            }
        }
    }
}
} // namespace

void prepareSchedule(Schedule &schedule, QWidget *parent)
{
    for (const DisplayWindowSchedule &displayWindow : schedule.displayWindows) {
        prepareSegments(displayWindow.generalSegments, parent);
        prepareSegments(displayWindow.cycleSegments, parent);
        prepareSegments(displayWindow.timingSegments, parent);
    }
}

} // namespace OfficePages

bool prepareOfficePages(const QString &path, QList<QPixmap> &pages, QWidget *parent)
{
    return OfficePages::prepare(path, &pages, parent).wordFailed;
}

// One document at a time: its page file chosen, converted when needed, its
// pages counted off the GUI thread, its items told.

#include "editor/OfficePreparation.h"

#include "base/Log.h"
#include "base/Modules.h"
#include "editor/CConverter.h"
#include "editor/OfficePageFiles.h"
#include "editor/OfficePages.h"
#include "editor/PdfModule.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>

struct OfficePreparation::Job
{
    QString path;
    DocumentPages::Weak pages;
    Finished finished;
    QFileInfo document;
    OfficePageFiles::Choice choice;
    OfficeConverter::Application application = OfficeConverter::Application::Word;
    int format = 0;
    const PdfModule *pdf = nullptr; // draws the pages
    Outcome outcome;
};

OfficePreparation &OfficePreparation::instance()
{
    static QPointer<OfficePreparation> preparation;
    if (!preparation)
        preparation = new OfficePreparation(QCoreApplication::instance());
    return *preparation;
}

OfficePreparation::OfficePreparation(QObject *parent) : QObject(parent)
{
    m_counting.setMaxThreadCount(1);
}

OfficePreparation::~OfficePreparation()
{
    // A count still running reports to this object: let it end first.
    m_counting.waitForDone();
}

void OfficePreparation::enqueue(const QString &path, const DocumentPages &pages)
{
    auto job = std::make_shared<Job>();
    job->path = path;
    job->pages = pages.weak();
    m_queue.append(job);
    // Not before the event loop runs: whoever loads a schedule goes on first.
    QMetaObject::invokeMethod(this, &OfficePreparation::next, Qt::QueuedConnection);
}

void OfficePreparation::prepareFirst(const QString &path, const DocumentPages &pages, Finished finished)
{
    auto job = std::make_shared<Job>();
    job->path = path;
    job->pages = pages.weak();
    job->finished = std::move(finished);
    m_queue.prepend(job);
    next();
}

void OfficePreparation::next()
{
    if (m_running || m_queue.isEmpty())
        return;
    m_running = true;
    run(m_queue.takeFirst());
}

void OfficePreparation::run(const std::shared_ptr<Job> &job)
{
    if (job->pages.lock().status() == DocumentPages::Status::None) {
        finish(job); // every item of the document is gone
        return;
    }
    if (!findRenderer(job))
        return; // nothing could ever show: not worth a conversion
    job->document = QFileInfo(job->path);
    job->choice = OfficePageFiles::choose(job->document);
    const bool convertible = CConverter::applicationFor(job->path, &job->application, &job->format);
    job->outcome.word = convertible && job->application == OfficeConverter::Application::Word;
    const bool present = job->document.exists();
    if (!present)
        qCWarning(lcEditor).noquote() << "the document" << job->path << "is missing; its pages come from"
                                      << job->choice.pageFile << "if it is there";
    if (!convertible || !present || job->choice.upToDate) {
        // A page file without a record is this document's from now on (one
        // kept in the program's own folder is only read).
        if (present && job->choice.exists && !job->choice.recorded && !job->choice.older)
            OfficePageFiles::recordSource(job->choice.pageFile, job->document);
        count(job);
        return;
    }
    if (!job->document.isFile()) {
        qCWarning(lcEditor).noquote() << "the document" << job->path << "is not a regular file: not converted";
        job->outcome.conversionFailed = true;
        count(job);
        return;
    }
    if (OfficePageFiles::failedBefore(job->document)) {
        qCInfo(lcEditor).noquote() << "the document" << job->path
                                   << "is not converted: its conversion failed before and it has not changed since";
        job->outcome.conversionFailed = true;
        count(job);
        return;
    }
    convert(job);
}

bool OfficePreparation::findRenderer(const std::shared_ptr<Job> &job)
{
    QString why;
    job->pdf = Modules::instance<PdfModule>(QStringLiteral("pdf"), &why);
    if (job->pdf)
        return true;
    qCWarning(lcEditor).noquote() << "the pages of" << job->path << "cannot be drawn:" << why;
    job->outcome.rendererProblem
        = QCoreApplication::translate("OfficePages", "The pages of %1 cannot be shown: "
                                                     "the PDF renderer of this program cannot be loaded (%2).")
              .arg(QFileInfo(job->path).fileName(), why);
    job->pages.lock().setFailed();
    finish(job);
    return false;
}

void OfficePreparation::convert(const std::shared_ptr<Job> &job)
{
    const QString folder = OfficePages::tmpFolder();
    QString reason;
    if (!Folders::makeWritable(folder, &reason)) {
        // Not the document's fault: it is tried again next time.
        qCWarning(lcEditor).noquote() << "no page files can be made in" << folder << ":" << reason;
        job->outcome.folderProblem = QCoreApplication::translate("OfficePages", "The pages of %1 cannot be made: "
                                                                                "the folder %2 cannot be used (%3).")
                                         .arg(job->document.fileName(), folder, reason);
        job->outcome.conversionFailed = true;
        count(job);
        return;
    }
    const QString scratch = OfficePageFiles::scratchPdf();
    QFile::remove(scratch);
    qCInfo(lcEditor).noquote() << "converting" << job->path << "to" << job->choice.pageFile;
    OfficeConverter::current().start(
        job->application, job->document.absoluteFilePath(), scratch, job->format,
        [this, job, scratch](OfficeConverter::Outcome result, const QString &error) {
            if (result == OfficeConverter::Outcome::Converted && QFileInfo(scratch).size() > 0) {
                OfficePageFiles::remove(job->choice.pageFile);
                if (QFile::rename(scratch, job->choice.pageFile)) {
                    OfficePageFiles::recordSource(job->choice.pageFile, job->document);
                    OfficePageFiles::forgetFailure(job->document);
                    job->outcome.converted = true;
                } else {
                    qCWarning(lcEditor).noquote()
                        << "cannot keep the pages of" << job->path << "as" << job->choice.pageFile;
                    job->outcome.conversionFailed = true;
                }
            } else {
                qCWarning(lcEditor).noquote() << "cannot convert" << job->path << "to PDF:" << error;
                // A converter that cannot run says nothing of the document: it is tried again next time.
                if (result != OfficeConverter::Outcome::Unavailable)
                    OfficePageFiles::rememberFailure(job->document);
                job->outcome.conversionFailed = true;
            }
            QFile::remove(scratch);
            count(job);
        });
}

void OfficePreparation::count(const std::shared_ptr<Job> &job)
{
    const QString pageFile = job->choice.pageFile;
    if (!QFileInfo(pageFile).isFile()) {
        counted(job, nullptr, QString());
        return;
    }
    m_counting.start([this, job, pageFile] {
        QString error;
        std::shared_ptr<const PageSource> source = job->pdf->openPages(pageFile, &error);
        QMetaObject::invokeMethod(
            this, [this, job, source, error] { counted(job, source, error); }, Qt::QueuedConnection);
    });
}

void OfficePreparation::counted(const std::shared_ptr<Job> &job, std::shared_ptr<const PageSource> source,
                                const QString &error)
{
    if (!source && !error.isEmpty()) {
        qCWarning(lcEditor).noquote() << "cannot read the pages of" << job->path << "from" << job->choice.pageFile
                                      << ":" << error;
        if (job->outcome.converted) {
            // What the converter wrote is no PDF: the conversion failed.
            OfficePageFiles::remove(job->choice.pageFile);
            OfficePageFiles::rememberFailure(job->document);
            job->outcome.converted = false;
            job->outcome.conversionFailed = true;
        }
    }
    job->pages.lock().setReady(std::move(source));
    finish(job);
}

void OfficePreparation::finish(const std::shared_ptr<Job> &job)
{
    if (job->finished)
        job->finished(job->outcome);
    m_running = false;
    // Later, so a long queue of documents with nothing to do does not nest.
    QMetaObject::invokeMethod(this, &OfficePreparation::next, Qt::QueuedConnection);
}

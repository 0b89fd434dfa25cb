#pragma once

// Prepares the pages of Office documents, one document at a time, without
// holding up the program: a document is converted to its page file when it
// needs to be (the converter runs as a process of its own), then the pages
// of the page file are counted on a worker thread by the PDF module
// (editor/PdfModule.h), and the item's
// DocumentPages handle becomes ready (or failed, when there is nothing to
// show). Nothing here waits; prepareFirst() lets the import wait for its own
// document.
//
// Documents of a schedule being loaded are queued and start once the event
// loop runs, so the main window is up first. A document whose items are all
// gone by its turn is skipped. There is one preparation at a time, so one
// scratch file and one converter profile serve them all.

#include "model/DocumentPages.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>

class OfficePreparation : public QObject
{
    Q_OBJECT

public:
    // How a document's preparation went.
    struct Outcome
    {
        bool word = false;             // a Word document
        bool converted = false;        // it was converted: its page file is new
        bool conversionFailed = false; // it needed converting and could not be (now, or before and unchanged since)
        QString folderProblem;         // the page folder cannot be made or written: what to tell the operator
        QString rendererProblem;       // no page can be drawn, the PDF module is missing: what to tell the operator
    };
    using Finished = std::function<void(const Outcome &)>;

    // The one preparation of the program, made on first use as a child of the
    // application; a conversion still running when the application goes is ended.
    static OfficePreparation &instance();

    ~OfficePreparation() override;

    // Queues the document of `pages`; its turn comes once the event loop runs.
    void enqueue(const QString &path, const DocumentPages &pages);
    // Prepares the document of `pages` before every queued one (after the one
    // running); `finished` runs when it is done. The caller keeps `pages`.
    void prepareFirst(const QString &path, const DocumentPages &pages, Finished finished);

    // True when nothing is being prepared or waits.
    bool idle() const { return !m_running && m_queue.isEmpty(); }

private:
    struct Job;
    explicit OfficePreparation(QObject *parent);

    void next();
    void run(const std::shared_ptr<Job> &job);
    // Finds the PDF module for the job (loaded with the first document);
    // false, with the job failed and told why, when it cannot be loaded.
    bool findRenderer(const std::shared_ptr<Job> &job);
    void convert(const std::shared_ptr<Job> &job);
    void count(const std::shared_ptr<Job> &job);
    void counted(const std::shared_ptr<Job> &job, std::shared_ptr<const PageSource> source, const QString &error);
    void finish(const std::shared_ptr<Job> &job);

    QList<std::shared_ptr<Job>> m_queue;
    bool m_running = false;
    QThreadPool m_counting; // reads page files; waited for when this goes
};

#pragma once

// An Office document as pages: the document is converted to a PDF page file
// in the settings folder's "tmp" folder (CConverter; which page file
// is a document's is OfficePageFiles' rule), and the item keeps a handle to
// the pages of that file (DocumentPages), drawn only when play shows them.
//
// Importing a document prepares it at once and waits for it, without
// freezing the program: the converter runs as a process of its own and the
// pages are counted on a worker thread, while the calling thread keeps
// painting and running its timers. The operator cannot edit meanwhile: the
// wait cursor shows at once, and after a second a box that names the
// document, which closes by itself.
//
// Loading a schedule waits for no document: its items are marked as being
// prepared and their documents are prepared in the background, one at a
// time, once the event loop runs (OfficePreparation).

#include "model/DocumentPages.h"

#include <QString>

class QWidget;
struct Schedule;

namespace OfficePages {

// The settings folder's "tmp" folder, where the page files live (those that
// older installations left in the program's own "tmp" folder are still read:
// OfficePageFiles).
QString tmpFolder();
// The page file that is the document's now (it may not be there yet).
QString pageFileOf(const QString &documentPath);

// How a preparation went.
struct Result
{
    bool wordFailed = false; // a Word document needed converting and could not be converted
    bool converted = false;  // the document was converted (the page file is new)
    QString folderProblem;   // the page folder cannot be made or written: what to tell the operator
    QString rendererProblem; // no page can be drawn (the PDF module is missing): what to tell the operator
};

// Prepares the document at `path` now and waits for it: `pages` becomes a
// handle that is ready with the document's pages, or failed when there is
// nothing to show. `parent` parents the progress box.
Result prepare(const QString &path, DocumentPages *pages, QWidget *parent = nullptr);

// Marks every "office" item of a schedule just read as being prepared and
// queues its document; returns at once.
void prepareSchedule(Schedule &schedule);

// True when no document is being prepared or waits to be.
bool idle();

} // namespace OfficePages

// The preparation by its old name: true when a Word conversion was needed and failed.
bool prepareOfficePages(const QString &path, DocumentPages &pages, QWidget *parent = nullptr);

#pragma once

// An Office document as page images: the document is converted to a PDF
// (CConverter), kept as the page file "tmp/<base>.pdf" in the settings
// folder, and every page of that PDF is rendered at twice its size.
//
// The page file is reused only while it was made from the same document
// (same path, size and modification time, recorded beside it in
// "<base>.pdf.source"); otherwise the document is converted again. When the
// document is missing or cannot be converted, a page file already there is
// used as it is; nothing is rendered from a missing or unreadable PDF.
//
// Preparing never freezes the program: LibreOffice runs as a child process
// and MuPDF renders on a thread of its own, while the calling thread keeps
// painting and running its timers. The operator cannot edit meanwhile: the
// wait cursor shows at once, and after a second a box that names the
// document and counts its pages, which closes by itself. One preparation
// runs at a time.

#include <QList>
#include <QPixmap>
#include <QString>

class QWidget;
struct Schedule;

namespace OfficePages {

// The settings folder's "tmp" folder, the scratch PDF in it, and the page
// file of a document: "tmp/" + the file name cut before its first "." + ".pdf".
QString tmpFolder();
QString scratchPdf();
QString pageFileOf(const QString &documentPath);
// The page file that is read for a document: pageFileOf() when it is there,
// else one that lies in the program's own "tmp" folder (where page files
// were kept before the settings folder could lie elsewhere), else pageFileOf().
QString readablePageFileOf(const QString &documentPath);

// How a preparation went.
struct Result
{
    bool wordFailed = false; // a Word document needed converting and the conversion failed
    bool converted = false;  // the document was converted (the page file is new)
    bool refused = false;    // another preparation was running: nothing was done
    QString folderProblem;   // the page folder cannot be made or written: what to tell the operator
};

// Fills `pages` (emptied first) with the pages of the document at `path`.
// `parent` parents the progress box.
Result prepare(const QString &path, QList<QPixmap> *pages, QWidget *parent = nullptr);

// Prepares the pages of every "office" item of a schedule just read, before
// it replaces the open one; the loader then takes them from the items.
void prepareSchedule(Schedule &schedule, QWidget *parent = nullptr);

// Renders every page of the PDF at 2.0 x 2.0, off the calling thread, while
// that thread keeps running its events. Empty when the file cannot be read.
QList<QPixmap> renderPages(const QString &pdfPath);

} // namespace OfficePages

// The preparation by its old name: true when a Word conversion was needed and failed.
bool prepareOfficePages(const QString &path, QList<QPixmap> &pages, QWidget *parent = nullptr);

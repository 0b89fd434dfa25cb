#pragma once

// The page files of Office documents in the tmp folder, and what the folder
// remembers of the documents they came from.
//
// A document's page file is named by its base (its file name cut before the
// first "."): "<base>.pdf". Beside it "<base>.pdf.source" records the
// document it was made from (path, size and modification time). One rule
// decides whether a page file is this document's:
// - one with no record (made before records were kept, or copied from
//   another machine) is used as it stands, and from then on recorded as this
//   document's;
// - one whose record names this document (its path) is used; converted again
//   when the document has changed since;
// - one whose record names another document is never this document's: this
//   document then has a page file of its own, "<base>.<key>.pdf", the key
//   drawn from its path. No document's base holds a ".", so no document's
//   page file ever has that name, nor the scratch file's.
// A conversion that failed is remembered by the document's path, size and
// time, and not tried again until the document changes.
//
// Page files that an older installation kept in the program's own "tmp"
// folder (before the settings folder could lie elsewhere) are still read,
// by the same rule, when the settings folder has none for the document and
// the one there is up to date (or the document is gone); they are never
// written.

#include <QFileInfo>
#include <QString>

namespace OfficePageFiles {

// The page file a conversion is written to before it is kept.
QString scratchPdf();

// What the tmp folder holds for a document.
struct Choice
{
    QString pageFile;      // this document's page file: to show, or to convert into
    bool exists = false;   // it is there
    bool upToDate = false; // it is there and was made from the document as it is now (or has no record)
    bool recorded = false; // its record names this document
    bool older = false;    // it lies in the program's own "tmp" folder: read only
};
Choice choose(const QFileInfo &document);

// Records that `pageFile` was made from `document` as it is now.
void recordSource(const QString &pageFile, const QFileInfo &document);
// Removes a page file and its record.
void remove(const QString &pageFile);

// True when the conversion of the document, as it is now, failed before.
bool failedBefore(const QFileInfo &document);
void rememberFailure(const QFileInfo &document);
void forgetFailure(const QFileInfo &document);

} // namespace OfficePageFiles

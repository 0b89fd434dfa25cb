#pragma once

// Office documents to PDF, one operation per Office application. Each hands
// the document to the platform's OfficeConverter with the application's PDF
// export code and tells whether a PDF came out; applicationFor() says which
// application a document goes to.

#include "platform/OfficeConverter.h"

#include <QObject>
#include <QString>

class CConverter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // `source` converted into the PDF `target`; true when the export
    // succeeded. Each waits for the conversion (timers and repaints go on).
    static bool convertWordToPdf(const QString &source, const QString &target, int format);
    static bool convertPptToPdf(const QString &source, const QString &target, int format);
    static bool convertExcelToPdf(const QString &source, const QString &target, int format);

    // The application that converts the document at `path`, and its PDF
    // export code, by the text after the last "." of the whole path, whatever
    // its case: doc and docx go to Word, ppt and pptx to PowerPoint, xls and
    // xlsx to Excel. False for any other suffix.
    static bool applicationFor(const QString &path, OfficeConverter::Application *application, int *format);
};

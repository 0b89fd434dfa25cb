#pragma once

// Office documents to PDF, one operation per Office application. Each hands
// the document to the platform's OfficeConverter with the application's PDF
// export code and tells whether a PDF came out.

#include <QObject>
#include <QString>

class CConverter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // `source` converted into the PDF `target`; true when the export succeeded.
    static bool convertWordToPdf(const QString &source, const QString &target, int format);
    static bool convertPptToPdf(const QString &source, const QString &target, int format);
    static bool convertExcelToPdf(const QString &source, const QString &target, int format);
};

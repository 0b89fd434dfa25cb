#pragma once

// Turns an Office document into a PDF with an Office suite: on Windows the
// application that owns the format (Word, PowerPoint, Excel) through its
// automation interface; on Linux LibreOffice without a window ("soffice
// --headless --convert-to pdf"), with a profile of its own, so an office
// suite the user has open is never disturbed.
//
// convert() returns when the conversion is over, but does not freeze the
// program meanwhile: the calling thread keeps running its timers and
// repaints (user input waits), and a conversion that hangs is ended after
// a minute. Tests install a converter of their own.

#include <QString>

class OfficeConverter
{
public:
    enum class Application { Word, PowerPoint, Excel };

    // The PDF export codes the callers pass: Word's, PowerPoint's and Excel's.
    static constexpr int kWordPdf = 17;
    static constexpr int kPowerPointPdf = 32;
    static constexpr int kExcelPdf = 0;
    // How long a conversion may take before it is ended.
    static constexpr int kTimeoutMs = 60000;

    virtual ~OfficeConverter() = default;

    // The converter in use; installing null restores the program's own.
    static OfficeConverter &current();
    static void install(OfficeConverter *converter);

    // Writes the document `source` as the PDF `target` (both absolute paths)
    // with the application's PDF export `format`. True only when the export
    // succeeded and `target` is a PDF that is not empty; `target` is not
    // touched otherwise.
    virtual bool convert(Application application, const QString &source, const QString &target, int format);
    // Why the last conversion failed, for the log.
    QString errorString() const { return m_error; }

    // Linux: the LibreOffice program to run ("soffice" on the path by default).
    void setProgram(const QString &program) { m_program = program; }
    QString program() const { return m_program; }

protected:
    QString m_error;

private:
    QString m_program = QStringLiteral("soffice");
};

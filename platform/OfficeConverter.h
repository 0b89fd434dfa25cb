#pragma once

// Turns an Office document into a PDF with an Office suite: on Windows the
// application that owns the format (Word, PowerPoint, Excel) through its
// automation interface; on Linux LibreOffice without a window ("soffice
// --headless --convert-to pdf"), with a profile of its own, so an office
// suite the user has open is never disturbed.
//
// A conversion runs beside the program: start() returns at once and reports
// the outcome later on the calling thread. A conversion that outlives its
// time-out is ended, with every process it started (on Linux the launcher
// and the office program it starts live in a process group of their own,
// and the whole group is ended), and its working folder is removed; the same
// happens to a conversion still running when the application object goes.
// Tests install a converter of their own.

#include <QString>

#include <functional>

class OfficeConverter
{
public:
    enum class Application { Word, PowerPoint, Excel };

    enum class Outcome {
        Converted,   // the target is a PDF that is not empty
        Failed,      // the document could not be converted: refused, ended with an error, timed out, no PDF
        Unavailable, // no conversion could be tried: the office suite is missing or does not start
    };
    // The outcome and, unless converted, why (for the log).
    using Done = std::function<void(Outcome, const QString &)>;

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

    // Starts writing the document `source` as the PDF `target` (both
    // absolute paths) with the application's PDF export `format`, and
    // returns. `done` runs once, on this thread, when the conversion is over
    // (it may run before start() returns). `target` is written only when the
    // outcome is Converted.
    virtual void start(Application application, const QString &source, const QString &target, int format, Done done);

    // start(), waiting for the outcome: the thread's timers and repaints go
    // on meanwhile, user input waits. errorString() then says why it failed.
    Outcome convertAndWait(Application application, const QString &source, const QString &target, int format);
    // True when convertAndWait() converted.
    bool convert(Application application, const QString &source, const QString &target, int format);
    // Why the last conversion waited for failed.
    QString errorString() const { return m_error; }

    // Linux: the LibreOffice program to run ("soffice" on the path by default).
    void setProgram(const QString &program) { m_program = program; }
    QString program() const { return m_program; }
    // The time-out of the conversions started from now on.
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }
    int timeoutMs() const { return m_timeoutMs; }

private:
    QString m_error;
    QString m_program = QStringLiteral("soffice");
    int m_timeoutMs = kTimeoutMs;
};

// Office documents to PDF with LibreOffice, run as a child process without a
// window. The conversion writes into a fresh folder beside the target, with
// a LibreOffice profile of the program's own next to it; the PDF is moved to
// the target once LibreOffice has ended well.

#include "platform/OfficeConverter.h"

#include "base/Log.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

namespace {

// LibreOffice's PDF export filter for each application's export code.
QString exportFilter(int format)
{
    switch (format) {
    case OfficeConverter::kWordPdf:
        return QStringLiteral("pdf:writer_pdf_Export");
    case OfficeConverter::kPowerPointPdf:
        return QStringLiteral("pdf:impress_pdf_Export");
    case OfficeConverter::kExcelPdf:
        return QStringLiteral("pdf:calc_pdf_Export");
    default:
        return QString();
    }
}

// Runs the process to its end; the thread's timers and repaints go on meanwhile.
bool runToEnd(QProcess &process, QString *error)
{
    QEventLoop loop;
    bool timedOut = false;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        process.kill();
    });
    QObject::connect(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError failure) {
        if (failure == QProcess::FailedToStart)
            loop.quit();
    });
    process.start();
    if (process.state() == QProcess::NotRunning && process.error() == QProcess::FailedToStart) {
        *error = QStringLiteral("%1 cannot be started: %2").arg(process.program(), process.errorString());
        return false;
    }
    deadline.start(OfficeConverter::kTimeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    if (timedOut) {
        *error = QStringLiteral("%1 took longer than %2 s and was ended").arg(process.program()).arg(OfficeConverter::kTimeoutMs / 1000);
        return false;
    }
    if (process.error() == QProcess::FailedToStart) {
        *error = QStringLiteral("%1 cannot be started: %2").arg(process.program(), process.errorString());
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("%1 ended with code %2: %3")
                     .arg(process.program())
                     .arg(process.exitCode())
                     .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
        return false;
    }
    return true;
}

} // namespace

bool OfficeConverter::convert(Application application, const QString &source, const QString &target, int format)
{
    Q_UNUSED(application) // LibreOffice reads every format; the export code picks the filter
    m_error.clear();
    const QString filter = exportFilter(format);
    if (filter.isEmpty()) {
        m_error = QStringLiteral("no PDF export for the format code %1").arg(format);
        return false;
    }
    const QString sourcePath = QFileInfo(source).absoluteFilePath();
    const QFileInfo targetInfo(target);
    const QString work = targetInfo.absolutePath();
    QDir().mkpath(work);
    QTemporaryDir output(work + QStringLiteral("/conversion-XXXXXX"));
    if (!output.isValid()) {
        m_error = QStringLiteral("no folder for the conversion in %1: %2").arg(work, output.errorString());
        return false;
    }

    QProcess process;
    process.setProgram(m_program);
    process.setArguments({QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nolockcheck"),
                          QStringLiteral("-env:UserInstallation=")
                              + QUrl::fromLocalFile(work + QStringLiteral("/soffice-profile")).toString(QUrl::FullyEncoded),
                          QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), output.path(), sourcePath});
    process.setProcessChannelMode(QProcess::SeparateChannels);
    if (!runToEnd(process, &m_error))
        return false;

    // LibreOffice names the PDF after the document; it is the only file in the folder.
    const QFileInfoList written = QDir(output.path()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
    const QFileInfo pdf = written.value(0);
    if (!pdf.exists() || pdf.size() == 0) {
        m_error = QStringLiteral("%1 wrote no PDF for %2").arg(m_program, sourcePath);
        return false;
    }
    QFile::remove(target);
    if (!QFile::rename(pdf.absoluteFilePath(), target) && !QFile::copy(pdf.absoluteFilePath(), target)) {
        m_error = QStringLiteral("the PDF cannot be written to %1").arg(target);
        return false;
    }
    return true;
}

// Office documents to PDF with LibreOffice, run as a child process without a
// window. The conversion writes into a fresh folder beside the target, with
// a LibreOffice profile of the program's own next to it; the PDF is moved to
// the target once LibreOffice has ended well.
//
// "soffice" is a launcher: the office program proper ("soffice.bin") is its
// child, and may outlive it. The launcher therefore leads a process group of
// its own, and when a conversion ends, however it ends, the whole group is
// ended and waited for before the folder is removed; otherwise the office
// program would live on and make the folder again.

#include "platform/OfficeConverter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <signal.h>
#include <unistd.h>

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

// A child that leads a process group of its own, with everything it starts.
class GroupLeader : public QProcess
{
protected:
    void setupChildProcess() override { ::setpgid(0, 0); }
};

// True while a process of the group lives (a zombie, which holds nothing, aside).
bool groupAlive(pid_t group)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp ...": the name may hold blanks, so read after its closing bracket.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.value(2).toLongLong() == group && fields.value(0) != "Z")
            return true;
    }
    return false;
}

// Ends every process of the group and waits, two seconds at most, until none lives.
void endGroup(pid_t group)
{
    if (group <= 1 || ::kill(-group, SIGKILL) != 0)
        return; // nothing of the group is left
    const QDeadlineTimer deadline(2000);
    while (groupAlive(group) && !deadline.hasExpired())
        QThread::msleep(10);
}

constexpr int kKeptErrorBytes = 2000; // the end of what LibreOffice says, for the log

// One conversion: LibreOffice, its folder, its deadline. It deletes itself
// once it has reported; deleted before that (the application going), it
// ends its processes and removes its folder without reporting.
class SofficeRun : public QObject
{
public:
    SofficeRun(const QString &target, std::unique_ptr<QTemporaryDir> output, OfficeConverter::Done done,
               QObject *parent)
        : QObject(parent), m_target(target), m_done(std::move(done)), m_output(std::move(output))
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] {
            finish(OfficeConverter::Outcome::Failed, QStringLiteral("%1 took longer than %2 s and was ended")
                                                         .arg(m_process.program())
                                                         .arg(m_deadline.interval() / 1000.0));
        });
        connect(&m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this, [this] { ended(); });
        connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError failure) {
            if (failure == QProcess::FailedToStart)
                finish(OfficeConverter::Outcome::Unavailable,
                       QStringLiteral("%1 cannot be started: %2").arg(m_process.program(), m_process.errorString()));
        });
        connect(&m_process, &QProcess::readyReadStandardError, this,
                [this] { m_errors = (m_errors + m_process.readAllStandardError()).right(kKeptErrorBytes); });
    }

    ~SofficeRun() override
    {
        m_finished = true; // ended by the application: no report
        cleanUp();
    }

    QString outputFolder() const { return m_output->path(); }

    void run(const QString &program, const QStringList &arguments, int timeoutMs)
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_deadline.start(timeoutMs);
        m_process.start();
    }

private:
    void ended()
    {
        if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0) {
            finish(OfficeConverter::Outcome::Failed, QStringLiteral("%1 ended with code %2: %3")
                                                         .arg(m_process.program())
                                                         .arg(m_process.exitCode())
                                                         .arg(QString::fromLocal8Bit(m_errors).trimmed()));
            return;
        }
        finish(OfficeConverter::Outcome::Converted, QString());
    }

    // Ends the group, takes the PDF (when the outcome is still Converted), removes the folder, reports.
    void finish(OfficeConverter::Outcome outcome, QString error)
    {
        if (m_finished)
            return;
        m_finished = true;
        m_deadline.stop();
        endProcesses();
        if (outcome == OfficeConverter::Outcome::Converted)
            outcome = takePdf(&error);
        cleanUp();
        const OfficeConverter::Done done = std::move(m_done);
        deleteLater();
        if (done)
            done(outcome, error);
    }

    // LibreOffice names the PDF after the document; it is the only file in the folder.
    OfficeConverter::Outcome takePdf(QString *error)
    {
        const QFileInfo pdf = QDir(m_output->path()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files).value(0);
        if (!pdf.exists() || pdf.size() == 0) {
            *error = QStringLiteral("%1 wrote no PDF").arg(m_process.program());
            return OfficeConverter::Outcome::Failed;
        }
        QFile::remove(m_target);
        if (!QFile::rename(pdf.absoluteFilePath(), m_target) && !QFile::copy(pdf.absoluteFilePath(), m_target)) {
            *error = QStringLiteral("the PDF cannot be written to %1").arg(m_target);
            return OfficeConverter::Outcome::Failed;
        }
        return OfficeConverter::Outcome::Converted;
    }

    void endProcesses()
    {
        const qint64 group = m_process.processId();
        if (group > 0)
            endGroup(pid_t(group)); // the launcher's office program too, when the launcher is gone
        if (m_process.state() != QProcess::NotRunning)
            m_process.waitForFinished(2000);
    }

    void cleanUp()
    {
        endProcesses();
        if (m_output)
            m_output->remove();
    }

    QString m_target;
    OfficeConverter::Done m_done;
    std::unique_ptr<QTemporaryDir> m_output;
    GroupLeader m_process;
    QTimer m_deadline;
    QByteArray m_errors;
    bool m_finished = false;
};

} // namespace

void OfficeConverter::start(Application application, const QString &source, const QString &target, int format,
                            Done done)
{
    Q_UNUSED(application) // LibreOffice reads every format; the export code picks the filter
    const QString filter = exportFilter(format);
    if (filter.isEmpty()) {
        done(Outcome::Failed, QStringLiteral("no PDF export for the format code %1").arg(format));
        return;
    }
    const QString sourcePath = QFileInfo(source).absoluteFilePath();
    const QString work = QFileInfo(target).absolutePath();
    QDir().mkpath(work);
    auto output = std::make_unique<QTemporaryDir>(work + QStringLiteral("/conversion-XXXXXX"));
    if (!output->isValid()) {
        // Nothing can be converted here, whatever the document.
        done(Outcome::Unavailable,
             QStringLiteral("no folder for the conversion in %1: %2").arg(work, output->errorString()));
        return;
    }
    // A child of the application: a conversion still running when it goes is ended with it.
    auto *run = new SofficeRun(target, std::move(output), std::move(done), QCoreApplication::instance());
    run->run(m_program,
             {QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--nolockcheck"),
              QStringLiteral("-env:UserInstallation=")
                  + QUrl::fromLocalFile(work + QStringLiteral("/soffice-profile")).toString(QUrl::FullyEncoded),
              QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), run->outputFolder(), sourcePath},
             m_timeoutMs);
}

#pragma once

// A stand-in for LibreOffice, as a script named "soffice" in a folder the
// test puts first on PATH. It notes every call, then acts on the name of the
// document it is given:
//   *hang*    hangs like a launcher whose office program lives on: a child
//             of its own re-creates the output folder every 0.2 s
//   *fail*    ends with code 1 and writes nothing
//   *random*  writes 64 KiB of random bytes as the PDF
//   *slow*    takes 1.5 s, then copies the fixture
//   anything else: copies the PDF `fixturePdf` as the document's PDF
// Fixtures for the documents it is given: PDFs of many pages written here.

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <signal.h>

namespace FakeSoffice {

// Writes a PDF of `pages` pages of `size` points, each with its number on it.
inline bool writePdf(const QString &path, int pages, const QSizeF &size = QSizeF(595, 842))
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(size, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(72);
    QPainter painter(&writer);
    if (!painter.isActive())
        return false;
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.drawText(QPointF(size.width() / 2, size.height() / 2), QString::number(page + 1));
    }
    return painter.end();
}

// Writes the script into `binFolder` (made if needed); returns its path.
inline QString install(const QString &binFolder, const QString &fixturePdf)
{
    QDir().mkpath(binFolder);
    const QString script = binFolder + QStringLiteral("/soffice");
    const QString calls = binFolder + QStringLiteral("/calls");
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(QStringLiteral("#!/bin/sh\n"
                              "prev=; out=\n"
                              "for a in \"$@\"; do [ \"$prev\" = --outdir ] && out=\"$a\"; prev=\"$a\"; done\n"
                              "src=\"$prev\"; base=$(basename \"$src\"); base=\"${base%.*}\"\n"
                              "echo \"$src\" >> '%1'\n"
                              "case \"$src\" in\n"
                              "  *hang*) ( while :; do mkdir -p \"$out\"; sleep 0.2; done ) &\n"
                              "          while :; do sleep 0.2; done ;;\n"
                              "  *fail*) echo 'cannot read it' >&2; exit 1 ;;\n"
                              "  *random*) head -c 65536 /dev/urandom > \"$out/$base.pdf\" ;;\n"
                              "  *slow*) sleep 1.5; cp '%2' \"$out/$base.pdf\" ;;\n"
                              "  *) cp '%2' \"$out/$base.pdf\" ;;\n"
                              "esac\n")
                   .arg(calls, fixturePdf)
                   .toUtf8());
    file.close();
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

// The documents the script was given, in order.
inline QStringList calls(const QString &binFolder)
{
    QFile file(binFolder + QStringLiteral("/calls"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Processes, zombies aside, whose command line mentions `text` (the test's
// own folder names the script, so this finds every copy of it).
inline QStringList processesMentioning(const QString &text)
{
    QStringList found;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!cmdline.open(QIODevice::ReadOnly) || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        if (line.mid(line.lastIndexOf(')') + 2, 1) == "Z")
            continue;
        if (cmdline.readAll().replace('\0', ' ').contains(text.toUtf8()))
            found << pid;
    }
    return found;
}

// Ends what a failed test left running.
inline void endProcessesMentioning(const QString &text)
{
    for (const QString &pid : processesMentioning(text))
        ::kill(pid.toInt(), SIGKILL);
}

} // namespace FakeSoffice

#pragma once

// Catches what the process writes to one of its standard streams (standard
// error by default), libraries included (GStreamer, ALSA, libmpv, the web
// engine), from construction until text() or destruction.

#include <QByteArray>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

class CapturedOutput
{
public:
    explicit CapturedOutput(int fd = STDERR_FILENO) : m_fd(fd)
    {
        m_file.open();
        flush();
        m_saved = ::dup(m_fd);
        ::dup2(m_file.handle(), m_fd);
    }
    ~CapturedOutput() { restore(); }
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    // Ends the capture (the stream goes where it went before) and returns what was written.
    QByteArray text()
    {
        restore();
        QFile written(m_file.fileName());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }
    int lines() { return text().count('\n'); }

private:
    static void flush()
    {
        std::fflush(stdout);
        std::fflush(stderr);
    }
    void restore()
    {
        if (m_saved < 0)
            return;
        flush();
        ::dup2(m_saved, m_fd);
        ::close(m_saved);
        m_saved = -1;
    }

    const int m_fd;
    QTemporaryFile m_file;
    int m_saved = -1;
};

#pragma once

// Catches what the process writes to its standard error, libraries included
// (GStreamer, ALSA, libmpv, the web engine), from construction until count()
// or destruction, and gives it back as lines and bytes.

#include <QByteArray>
#include <QFile>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

class StandardError
{
public:
    StandardError()
    {
        m_file.open();
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        ::dup2(m_file.handle(), STDERR_FILENO);
    }
    ~StandardError() { restore(); }
    StandardError(const StandardError &) = delete;
    StandardError &operator=(const StandardError &) = delete;

    // Ends the capture (standard error goes where it went before) and returns what was written.
    QByteArray text()
    {
        restore();
        QFile written(m_file.fileName());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }
    int lines() { return text().count('\n'); }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

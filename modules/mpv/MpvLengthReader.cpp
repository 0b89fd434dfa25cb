// The length reader of both video modules: a paused libmpv player with null
// outputs whose first length report of the file opened last is the answer.

#include "modules/mpv/MpvLengthReader.h"

#include <QMetaObject>

namespace {

MpvSession::Options readerOptions()
{
    return {
        {"vo", "null"},  {"ao", "null"},   {"pause", "yes"},       {"hwdec", "no"}, {"audio-display", "no"},
        {"idle", "yes"}, {"config", "no"}, {"load-scripts", "no"}, {"ytdl", "no"},  {"terminal", "no"},
    };
}

} // namespace

MpvLengthReader::MpvLengthReader(VideoLengthReports *reports, const VideoSettings &settings)
    : m_reports(reports),
      m_session(std::make_unique<MpvSession>(readerOptions(), settings.overrides, 0, "could not create mpv context",
                                             "could not initialize mpv context"))
{
    m_session->observe();
    // libmpv's thread calls this: it only queues the drain onto the GUI thread.
    m_session->setWakeup(
        [](void *context) {
            auto *reader = static_cast<MpvLengthReader *>(context);
            QMetaObject::invokeMethod(
                &reader->m_gate, [reader] { reader->drain(); }, Qt::QueuedConnection);
        },
        this);
}

// The session clears its wake-up before it goes; then the gate drops the drains still queued.
MpvLengthReader::~MpvLengthReader()
{
    m_session.reset();
}

void MpvLengthReader::open(const QString &path)
{
    m_session->open(path);
}

void MpvLengthReader::stop()
{
    m_session->stop(true);
}

void MpvLengthReader::drain()
{
    for (const MpvReport &report : m_session->takeReports()) {
        // The answer ends the file: what follows in this drain belongs to no file being read.
        if (report.kind == MpvReport::Kind::Length && report.seconds > 0) {
            m_reports->lengthRead(report.seconds);
            return;
        }
        if (report.kind == MpvReport::Kind::Failed || report.kind == MpvReport::Kind::Ended) {
            m_reports->readFailed();
            return;
        }
    }
}

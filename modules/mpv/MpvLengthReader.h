#pragma once

// The length reader of both video modules: a libmpv player of its own whose
// picture and sound go nowhere ("vo" and "ao" "null", paused) opens a file
// and reports its first length. It needs neither a drawing surface nor a
// sound device, so it works the same in both programs, on a machine without
// a sound card and behind a hidden display window.

#include "modules/mpv/MpvSession.h"
#include "playback/video/VideoModule.h"

#include <QObject>

#include <memory>

class MpvLengthReader final : public VideoLengthEngine
{
public:
    // Starts libmpv; throws std::runtime_error when it cannot.
    MpvLengthReader(VideoLengthReports *reports, const VideoSettings &settings);
    ~MpvLengthReader() override;

    void open(const QString &path) override;
    void stop() override;

private:
    // What libmpv reported of the file opened last: its first length, or that it cannot be read.
    void drain();

    VideoLengthReports *const m_reports;
    QObject m_gate; // receives the drains queued from libmpv's thread; they go with it
    std::unique_ptr<MpvSession> m_session;
};

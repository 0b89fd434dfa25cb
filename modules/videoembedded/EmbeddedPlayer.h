#pragma once

// The second program's engine behind a PlayLabel: libmpv draws into the
// label's own native window (its handle is the label's member `mpvHandle`).

#include "modules/mpv/MpvPlayerEngine.h"

#include <memory>

class PlayLabel;

class EmbeddedPlayer final : public MpvPlayerEngine
{
public:
    // Throws std::runtime_error when libmpv cannot be created or started.
    EmbeddedPlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings);
    ~EmbeddedPlayer() override;

    void open(const QString &path) override;
    void close() override;
    void drain() override;
    void seek(int seconds) override;
    void askLength() override;
    void fit(const QSize &size) override;

protected:
    MpvSession &session() const override;

private:
    PlayLabel *const m_label;
    VideoReports *const m_reports;
    std::unique_ptr<MpvSession> m_session;
};

#pragma once

// The first program's engine behind a PlayLabel: an MpvWidget, libmpv's
// render API into an OpenGL widget, fills the label (its member `mpv`).

#include "modules/mpv/MpvPlayerEngine.h"

class MpvWidget;
class PlayLabel;

class RenderPlayer final : public MpvPlayerEngine
{
public:
    // Throws std::runtime_error when libmpv cannot be created or started.
    RenderPlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings);
    ~RenderPlayer() override;

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
    MpvWidget *const m_widget; // a child of the label, freed by this engine
};

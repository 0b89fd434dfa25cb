#pragma once

// What the roots of both video modules make: the module's own engine behind
// a PlayLabel, and the length reader they share.

#include "modules/mpv/MpvLengthReader.h"
#include "playback/video/VideoModule.h"

template <typename PlayerEngine>
class MpvVideoModule : public VideoModule
{
public:
    Player makePlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings) override
    {
        return std::make_unique<PlayerEngine>(label, reports, settings);
    }
    LengthReader makeLengthReader(VideoLengthReader *, VideoLengthReports *reports,
                                  const VideoSettings &settings) override
    {
        return std::make_unique<MpvLengthReader>(reports, settings);
    }
};

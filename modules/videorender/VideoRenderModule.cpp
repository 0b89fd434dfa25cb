// The module "videorender" of QVDidUdodid: its players draw through libmpv's
// render API into an OpenGL widget; its length reader is libmpv with null outputs.

#include "modules/mpv/MpvLengthReader.h"
#include "modules/videorender/RenderPlayer.h"
#include "playback/video/VideoModule.h"

#include <QObject>

class VideoRenderModule : public QObject, public VideoModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VideoModule_iid)
    Q_INTERFACES(VideoModule)

public:
    Player makePlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings) override
    {
        return std::make_unique<RenderPlayer>(label, reports, settings);
    }
    LengthReader makeLengthReader(VideoLengthReader *, VideoLengthReports *reports,
                                  const VideoSettings &settings) override
    {
        return std::make_unique<MpvLengthReader>(reports, settings);
    }
};

#include "VideoRenderModule.moc"

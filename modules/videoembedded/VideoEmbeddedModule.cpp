// The module "videoembedded" of QVDidUdodidEmbedded: libmpv draws its players
// into the labels' own native windows; its length reader is libmpv with null outputs.

#include "modules/mpv/MpvLengthReader.h"
#include "modules/videoembedded/EmbeddedPlayer.h"
#include "playback/video/VideoModule.h"

#include <QObject>

class VideoEmbeddedModule : public QObject, public VideoModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VideoModule_iid)
    Q_INTERFACES(VideoModule)

public:
    Player makePlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings) override
    {
        return std::make_unique<EmbeddedPlayer>(label, reports, settings);
    }
    LengthReader makeLengthReader(VideoLengthReader *, VideoLengthReports *reports,
                                  const VideoSettings &settings) override
    {
        return std::make_unique<MpvLengthReader>(reports, settings);
    }
};

#include "VideoEmbeddedModule.moc"

// The module "videoembedded" of QVDidUdodidEmbedded: libmpv draws its players
// into the labels' own native windows; its length reader is libmpv with null outputs.

#include "modules/mpv/MpvVideoModule.h"
#include "modules/videoembedded/EmbeddedPlayer.h"

#include <QObject>

class VideoEmbeddedModule : public QObject, public MpvVideoModule<EmbeddedPlayer>
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VideoModule_iid)
    Q_INTERFACES(VideoModule)
};

#include "VideoEmbeddedModule.moc"

// The module "videorender" of QVDidUdodid: its players draw through libmpv's
// render API into an OpenGL widget; its length reader is libmpv with null outputs.

#include "modules/mpv/MpvVideoModule.h"
#include "modules/videorender/RenderPlayer.h"

#include <QObject>

class VideoRenderModule : public QObject, public MpvVideoModule<RenderPlayer>
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VideoModule_iid)
    Q_INTERFACES(VideoModule)
};

#include "VideoRenderModule.moc"

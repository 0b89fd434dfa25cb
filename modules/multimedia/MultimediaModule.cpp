// The module "multimedia": Qt Multimedia's background music and the camera
// with its sound loop-back, made for the program on demand.

#include "modules/multimedia/BackgroundMusic.h"
#include "modules/multimedia/CameraPlayer.h"
#include "playback/content/MediaModule.h"

#include <QObject>

class MultimediaModule : public QObject, public MediaModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MediaModule_iid)
    Q_INTERFACES(MediaModule)

public:
    MusicPlayer *newMusic(QObject *parent) override { return new BackgroundMusic(parent); }
    std::unique_ptr<ContentPlayer> newCameraPlayer(QWidget *area) override
    {
        return std::make_unique<CameraPlayer>(area);
    }
};

#include "MultimediaModule.moc"

// The multimedia module, opened when music or a camera is first needed.

#include "playback/content/MediaModule.h"

#include "base/Log.h"
#include "base/Modules.h"
#include "playback/content/ContentPlayer.h"

#include <stdexcept>

namespace Multimedia {

namespace {

MediaModule *module(QString *why)
{
    return Modules::instance<MediaModule>(QStringLiteral("multimedia"), why);
}

} // namespace

MusicPlayer *newMusic(QObject *parent)
{
    QString why;
    if (MediaModule *media = module(&why))
        return media->newMusic(parent);
    // Said once: every program that has music would otherwise repeat it.
    static QString said;
    if (said != why) {
        said = why;
        qCWarning(lcPlayback).noquote() << "background music is left out:" << why;
    }
    return nullptr;
}

std::unique_ptr<ContentPlayer> newCameraPlayer(QWidget *area)
{
    QString why;
    MediaModule *media = module(&why);
    if (!media)
        throw std::runtime_error(why.toStdString());
    return media->newCameraPlayer(area);
}

} // namespace Multimedia

#pragma once

// Sound and camera come from Qt Multimedia, which lives in the module
// "multimedia" (base/Modules.h): the program opens it the first time a
// program's or a picture's background music plays or a camera item shows,
// so a schedule without either never loads it.
//
// Without the module there is no music (said once in the log, play goes on
// in silence) and a camera item cannot be shown (the area logs it failed).

#include <QObject>
#include <QStringList>
#include <QtPlugin>

#include <memory>

class ContentPlayer;
class QMediaPlayer;
class QMediaPlaylist;
class QWidget;

// Background music: a list of files played in a loop. A file that cannot be
// played is reported once and left out while the same owner plays the same
// list again; when none can be played the music stops.
class MusicPlayer
{
public:
    virtual ~MusicPlayer() = default;

    // Plays `files` from the first, in a loop, for `owner` (whatever plays
    // them: a program, a picture player). The same owner with the same files
    // again remembers which of them failed.
    virtual void start(const void *owner, const QStringList &files) = 0;
    // Stops and forgets the list (not what failed).
    virtual void stop() = 0;
    // Holds the music where it is; resume() goes on from there.
    virtual void pause() = 0;
    virtual void resume() = 0;
    virtual bool playing() const = 0;
    // Files of the current list found unplayable so far, in the list's order.
    virtual QStringList failedFiles() const = 0;

    // Qt's player and its list, for whoever must look closer (tests).
    virtual QMediaPlayer *player() const = 0;
    virtual QMediaPlaylist *playlist() const = 0;
};

// The root object of the module.
class MediaModule
{
public:
    virtual ~MediaModule() = default;

    // A music player, a child of `parent`.
    virtual MusicPlayer *newMusic(QObject *parent) = 0;
    // The player of camera items for `area`.
    virtual std::unique_ptr<ContentPlayer> newCameraPlayer(QWidget *area) = 0;
};

#define MediaModule_iid "org.qvledplayer.MediaModule/1"
Q_DECLARE_INTERFACE(MediaModule, MediaModule_iid)

// The module as play uses it, opened on the first call.
namespace Multimedia {

// A music player, a child of `parent`; null when the module cannot be
// loaded (the music is left out, and the log says so once).
MusicPlayer *newMusic(QObject *parent);

// The camera player of `area`; throws std::runtime_error with the reason
// when the module cannot be loaded.
std::unique_ptr<ContentPlayer> newCameraPlayer(QWidget *area);

} // namespace Multimedia

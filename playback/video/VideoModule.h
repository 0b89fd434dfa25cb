#pragma once

// The seam between the program and its video module. libmpv and the players
// built on it live in a module of their own ("videorender" for QVDidUdodid,
// "videoembedded" for QVDidUdodidEmbedded), opened the first time a player or
// a length reader is made, so a program that never shows a video never loads
// libmpv.
//
// The program keeps the declared classes (PlayLabel, VideoLengthReader) and
// what they decide themselves (pause state, start seek, the file being read,
// the reader's patience); the module makes the engine behind each of them.
// Both directions go through the virtual calls below only: a module calls no
// function of the program by name except its logging categories, so it opens
// in every program and test that links the classes, whatever else they link.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QtPlugin>

#include <memory>

class PlayLabel;
class QSize;
class VideoLengthReader;

// libmpv options as (name, value) pairs, set in order: a later value of a name wins.
using MpvOptions = QList<QPair<QByteArray, QByteArray>>;

// What the program hands the module for each engine it makes.
struct VideoSettings
{
    bool hardwareDecoding = false; // the setting "HardDecode" is 1
    MpvOptions overrides;          // set after the module's own options

    // The settings of an engine made now: "HardDecode" as read from the
    // settings, and the overrides set so far.
    static VideoSettings current();
    // Options every engine made from now on takes over the module's own (the
    // tests and benchmarks: "ao" "null"). A name set again takes the new
    // value, a null value drops it.
    static void setOverride(const QByteArray &name, const QByteArray &value);
};

// How a player's reports reach its label. Called on the GUI thread, except wake().
class VideoReports
{
public:
    // The open file's length / position, in seconds.
    virtual void lengthReported(double seconds) = 0;
    virtual void positionReported(double seconds) = 0;
    // The open file cannot be played / played to its end.
    virtual void openFailed() = 0;
    virtual void fileEnded() = 0;
    // Any thread (libmpv's own): events wait; the label has the engine drain
    // them on the GUI thread later.
    virtual void wake() = 0;

protected:
    ~VideoReports() = default;
};

// The player behind one PlayLabel; the label's slots come here.
class VideoEngine
{
public:
    virtual ~VideoEngine() = default;

    // Starts the file from its beginning.
    virtual void open(const QString &path) = 0;
    // First program: stops and unloads the file. Second program: a pause
    // that keeps the file and its last frame.
    virtual void close() = 0;
    // Reads what libmpv reported, on the GUI thread, and reports it.
    virtual void drain() = 0;
    virtual void setPaused(bool paused) = 0;
    // A scale index of the video panel (VideoValues::zoomForScale).
    virtual void scale(int index) = 0;
    virtual void setVolume(int volume) = 0;
    virtual void rotate(int degrees) = 0;
    // Absolute seek to whole seconds from the start of the file.
    virtual void seek(int seconds) = 0;
    // Asks libmpv for the length; nothing reads the answer.
    virtual void askLength() = 0;
    // The label was resized.
    virtual void fit(const QSize &size) = 0;
    // The file opened last; empty when none is open.
    virtual QString openedPath() const = 0;
    // libmpv's present value of a property as text; empty when it has none.
    virtual QString propertyText(const QString &name) const = 0;
};

// How a length reader's answer reaches it, on the GUI thread.
class VideoLengthReports
{
public:
    // The file opened last is `seconds` long (more than 0).
    virtual void lengthRead(double seconds) = 0;
    // The file opened last cannot be read.
    virtual void readFailed() = 0;

protected:
    ~VideoLengthReports() = default;
};

// A player that measures files unseen and unheard (VideoLengthReader).
class VideoLengthEngine
{
public:
    virtual ~VideoLengthEngine() = default;
    // Opens the file; one answer comes for it, unless stop() or another open() comes first.
    virtual void open(const QString &path) = 0;
    virtual void stop() = 0;
};

// The root object of a video module.
class VideoModule
{
public:
    virtual ~VideoModule() = default;

    // The engine behind `label`, drawing into it and reporting to `reports`
    // (both outlive it). Throws std::runtime_error when it cannot be made
    // (libmpv cannot be created or started); nothing of it is left then.
    using Player = std::unique_ptr<VideoEngine>;
    virtual Player makePlayer(PlayLabel *label, VideoReports *reports, const VideoSettings &settings) = 0;
    // The engine behind `reader`, answering to `reports` (both outlive it).
    // Throws std::runtime_error when libmpv cannot be started.
    using LengthReader = std::unique_ptr<VideoLengthEngine>;
    virtual LengthReader makeLengthReader(VideoLengthReader *reader, VideoLengthReports *reports,
                                          const VideoSettings &settings)
        = 0;

    // The video module of this program, opened on first call; null, with the
    // reason in *why, when it cannot be. Each executable links the one
    // definition of its own (CMake: qvvideo_render, qvvideo_embedded, and the
    // tests' recording qvvideo_fake).
    static VideoModule *ofThisProgram(QString *why);
};

#define VideoModule_iid "org.qvledplayer.VideoModule/1"
Q_DECLARE_INTERFACE(VideoModule, VideoModule_iid)

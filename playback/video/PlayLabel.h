#pragma once

// The video surface of an area: a label that plays one file at a time through
// libmpv and turns the player's operations (open, close, pause, continue,
// scale, volume, rotation, seek) into libmpv commands and properties.
//
// The class lives in the program, with no libmpv header, so the area player
// and the panels build the same for both programs; the engine behind it comes
// from the program's video module (VideoModule.h), opened by the first label:
//   QVDidUdodid          "videorender"    libmpv's render API into an OpenGL
//                                         widget filling the label
//   QVDidUdodidEmbedded  "videoembedded"  libmpv drawing into the label's own
//                                         native window
//   tests                tests/support    a recording fake, linked in
//
// Reports come as signals on the GUI thread and belong to the file opened
// last: what libmpv still says about a file that was replaced or closed is
// dropped. A file is sought to startPosition once, at its first length report.

#include <QLabel>
#include <QString>

#include <memory>

class MpvWidget;
struct mpv_handle;

class PlayLabel : public QLabel
{
    Q_OBJECT

public:
    // Throws std::runtime_error when the video module cannot be opened or
    // libmpv cannot be created or started; the label then holds nothing that
    // needs freeing.
    explicit PlayLabel(QWidget *parent = nullptr);
    ~PlayLabel() override;

    // True after on_file_pause, false after on_file_contiue.
    bool paused = false;
    // Whole seconds into the file where play begins, 0 for the start. Read at
    // the first length report of each opened file.
    int startPosition = 0;
    // The first program's surface, a child filling the label; null in the others.
    MpvWidget *mpv = nullptr;
    // The second program's handle, drawing into this label's window; null in the others.
    mpv_handle *mpvHandle = nullptr;

    // The second program's name for `paused`.
    bool isPaused() const { return paused; }
    // The file opened last, as given to on_file_open; empty after on_file_close
    // and before the first open.
    QString openedPath() const;
    // libmpv's present value of a property as text; empty when it has none.
    QString propertyText(const QString &name) const;

signals:
    // Wakes the event drain on the GUI thread (second program).
    void mpv_events();
    // The position of the open file, in seconds.
    void sigProgressChange(float seconds);
    // The length of the open file, in seconds.
    void sigSetVideoRange(float seconds);
    // Declared for the second program's callers; never emitted.
    void sigPlayFinish();
    // The open file cannot be played: libmpv could not open it, or the
    // surface to show it could not be made.
    void sigOpenFailed(QString path);
    // The open file played to its end.
    void sigFileEnded(QString path);

public slots:
    // Starts the file from its beginning ("loadfile"); the pause state and
    // startPosition stay as they are.
    void on_file_open(QString path);
    // First program: stops and unloads the file ("stop"). Second program: a
    // pause that keeps the file and its last frame.
    void on_file_close();
    // Reads what libmpv reported, on the GUI thread.
    void on_mpv_events();
    void on_file_pause();
    // 0: the picture fills the label ("video-zoom" "20"); 1: it is shown whole
    // with its aspect ratio ("video-zoom" "0"); other values change nothing.
    void on_file_Scale(int i);
    void on_file_contiue();
    // "volume", 0 to 100.
    void on_file_volume(int v);
    // "video-rotate", in degrees.
    void video_rotate(int degrees);
    // Absolute seek to whole seconds from the start of the file.
    void on_file_seek(int seconds);
    // Asks libmpv for the length; nothing reads the answer.
    void get_length_string();
    // A length report of the open file: emits sigSetVideoRange and, at the
    // file's first report, seeks to startPosition when it is not 0.
    void setSliderRange(float seconds);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Engine; // the module's engine, and what the label decides itself
    std::unique_ptr<Engine> m_engine;
};

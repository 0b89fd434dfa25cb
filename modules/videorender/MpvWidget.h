#pragma once

// The first program's video surface: an OpenGL widget into which libmpv draws
// its frames through the render API (update callback, queued repaint, drawn
// into the widget's framebuffer upside down). The render context lives with
// the widget's GL context: it is made in initializeGL and freed, with that
// context current, before the context or the player goes. Qt makes the GL
// context anew when the widget's window changes or first shows; a file open
// at that moment is opened again where it was once the new context stands,
// since libmpv cannot carry its video output over.

#include "modules/mpv/MpvSession.h"

#include <QOpenGLWidget>
#include <QVariant>

#include <memory>

struct mpv_render_context;

class MpvWidget : public QOpenGLWidget
{
    Q_OBJECT

public:
    // Reads "HardDecode" from `settings`. Throws std::runtime_error when
    // libmpv cannot be created or started.
    explicit MpvWidget(const VideoSettings &settings, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MpvWidget() override;

    void runCommand(const QVariantList &arguments);
    void setMpvProperty(const QString &name, const QVariant &value);
    QSize sizeHint() const override { return QSize(480, 270); }

    MpvSession &session() const { return *m_session; }
    // Opens the file once frames can be drawn: at once when the render
    // context stands, else when it is made; a surface nobody shows opens it
    // on the next turn of the event loop, without a picture (the label is
    // usually shown by then). Lengths of files nobody sees are read by
    // VideoLengthReader, which needs no render context.
    void openFile(const QString &path);
    void closeFile();
    // False once the render context could not be made.
    bool canDraw() const { return !m_renderFailed; }

signals:
    void sigSetVideoRange(float seconds);
    void sigProgressChange(int seconds);
    void sigOpenFailed();
    void sigFileEnded();

public slots:
    void swapped();
    void on_mpv_events();
    void maybeUpdate();

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void handleMpvEvent(const MpvReport &report);
    void freeRenderContext();
    void openPending();
    // Before the GL context goes: the open file is stopped and remembered.
    void holdOpenFile();
    static void onRenderUpdate(void *context);
    static void onMpvWakeup(void *context);
    static void *glProcAddress(void *context, const char *name);

    std::unique_ptr<MpvSession> m_session;
    mpv_render_context *m_gl = nullptr;
    bool m_renderFailed = false;
    QString m_pendingPath;
    bool m_hasPending = false;
    int m_pendingWaits = 0;
    QString m_heldPath; // stopped with its GL context; opened again in the next
    double m_heldSeconds = 0;
};

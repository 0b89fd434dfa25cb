// libmpv's render API in an OpenGL widget.

#include "modules/videorender/MpvWidget.h"

#include "base/Log.h"

#include <mpv/client.h>
#include <mpv/render_gl.h>

#include <QMetaObject>
#include <QOpenGLContext>
#include <QTimer>

namespace {

// A file opened before the render context stands waits for it up to 80 x 25 ms
// (a loaded machine can take over a second to make a window's first context).
constexpr int kPendingWaits = 80;
constexpr int kPendingWaitMs = 25;

MpvSession::Options renderOptions(const VideoSettings &settings)
{
    return {
        {"vo", "libmpv"},
        {"hwdec", settings.hardwareDecoding ? "auto" : "no"},
        // Without it libmpv refuses a software OpenGL (a machine without a GPU).
        {"gpu-sw", "yes"},
    };
}

} // namespace

MpvWidget::MpvWidget(const VideoSettings &settings, QWidget *parent, Qt::WindowFlags flags)
    : QOpenGLWidget(parent, flags),
      m_session(std::make_unique<MpvSession>(renderOptions(settings), settings.overrides, 0,
                                             "could not create mpv context", "could not initialize mpv context"))
{
    connect(this, &QOpenGLWidget::frameSwapped, this, &MpvWidget::swapped);
    m_session->observe();
    m_session->setWakeup(&MpvWidget::onMpvWakeup, this);
}

MpvWidget::~MpvWidget()
{
    // The render context goes first, with its GL context current, then the player.
    makeCurrent();
    freeRenderContext();
    doneCurrent();
    // The GL context goes with the base class, after the player: nothing of ours may run then.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
    m_session->setWakeup(nullptr, nullptr);
}

void MpvWidget::freeRenderContext()
{
    if (!m_gl)
        return;
    mpv_render_context_set_update_callback(m_gl, nullptr, nullptr);
    mpv_render_context_free(m_gl);
    m_gl = nullptr;
}

void *MpvWidget::glProcAddress(void *, const char *name)
{
    QOpenGLContext *context = QOpenGLContext::currentContext();
    return context ? reinterpret_cast<void *>(context->getProcAddress(QByteArray(name))) : nullptr;
}

void MpvWidget::initializeGL()
{
    // A new GL context (the widget moved to another window) needs a new render context.
    freeRenderContext();
    mpv_opengl_init_params glInit{&MpvWidget::glProcAddress, nullptr};
    int advanced = 0;
    mpv_render_param params[]{{MPV_RENDER_PARAM_API_TYPE, const_cast<char *>(MPV_RENDER_API_TYPE_OPENGL)},
                              {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &glInit},
                              {MPV_RENDER_PARAM_ADVANCED_CONTROL, &advanced},
                              {MPV_RENDER_PARAM_INVALID, nullptr}};
    const int error = mpv_render_context_create(&m_gl, m_session->handle(), params);
    if (error < 0) {
        m_gl = nullptr;
        m_renderFailed = true;
        qCWarning(lcVideo) << "could not initialize OpenGL:" << mpv_error_string(error);
        if (m_hasPending) {
            m_hasPending = false;
            emit sigOpenFailed();
        }
        return;
    }
    mpv_render_context_set_update_callback(m_gl, &MpvWidget::onRenderUpdate, this);
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
            [this] {
                makeCurrent();
                holdOpenFile();
                freeRenderContext();
                doneCurrent();
            },
            Qt::UniqueConnection);
    if (!m_heldPath.isEmpty()) {
        m_session->open(m_heldPath, m_heldSeconds);
        m_heldPath.clear();
    }
    openPending();
}

void MpvWidget::holdOpenFile()
{
    // Without this libmpv would start the file's video output in the gap
    // between the two contexts, or lose the running one, and fail the file.
    if (!m_gl)
        return;
    const QString path = m_session->openedPath();
    if (path.isEmpty())
        return;
    m_heldSeconds = qMax(0.0, m_session->propertyText(QStringLiteral("time-pos")).toDouble());
    m_session->stop(false);
    m_heldPath = path;
}

void MpvWidget::paintGL()
{
    if (!m_gl)
        return;
    const qreal ratio = devicePixelRatioF();
    mpv_opengl_fbo fbo{int(defaultFramebufferObject()), int(width() * ratio), int(height() * ratio), 0};
    int flipY = 1;
    mpv_render_param params[]{{MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
                              {MPV_RENDER_PARAM_FLIP_Y, &flipY},
                              {MPV_RENDER_PARAM_INVALID, nullptr}};
    mpv_render_context_render(m_gl, params);
}

void MpvWidget::swapped()
{
    if (m_gl)
        mpv_render_context_report_swap(m_gl);
}

void MpvWidget::maybeUpdate()
{
    if (!m_gl)
        return;
    // A minimised window paints nothing, yet libmpv waits for its frame to be taken.
    if (window()->isMinimized()) {
        makeCurrent();
        paintGL();
        context()->swapBuffers(context()->surface());
        swapped();
        doneCurrent();
    } else {
        update();
    }
}

void MpvWidget::onRenderUpdate(void *context)
{
    QMetaObject::invokeMethod(static_cast<MpvWidget *>(context), "maybeUpdate", Qt::QueuedConnection);
}

void MpvWidget::onMpvWakeup(void *context)
{
    QMetaObject::invokeMethod(static_cast<MpvWidget *>(context), "on_mpv_events", Qt::QueuedConnection);
}

void MpvWidget::on_mpv_events()
{
    const QList<MpvReport> reports = m_session->takeReports();
    for (const MpvReport &report : reports)
        handleMpvEvent(report);
}

void MpvWidget::handleMpvEvent(const MpvReport &report)
{
    switch (report.kind) {
    case MpvReport::Kind::Length:
        emit sigSetVideoRange(float(report.seconds));
        return;
    case MpvReport::Kind::Position:
        emit sigProgressChange(int(report.seconds));
        return;
    case MpvReport::Kind::Failed:
        emit sigOpenFailed();
        return;
    case MpvReport::Kind::Ended:
        emit sigFileEnded();
        return;
    }
}

void MpvWidget::runCommand(const QVariantList &arguments)
{
    m_session->command(arguments);
}

void MpvWidget::setMpvProperty(const QString &name, const QVariant &value)
{
    m_session->setProperty(name.toUtf8().constData(), value.toString().toUtf8());
}

void MpvWidget::openFile(const QString &path)
{
    m_heldPath.clear();
    if (m_gl) {
        m_session->open(path);
        return;
    }
    if (m_renderFailed) {
        m_session->open(path); // the sound at least; the failure was reported when it happened
        QTimer::singleShot(0, this, [this] { emit sigOpenFailed(); });
        return;
    }
    m_pendingPath = path;
    m_hasPending = true;
    m_pendingWaits = 0;
    QTimer::singleShot(0, this, &MpvWidget::openPending);
}

void MpvWidget::openPending()
{
    if (!m_hasPending)
        return;
    // A shown surface makes its render context on its first paint; the file
    // waits for it, a little while at most.
    if (!m_gl && !m_renderFailed && isVisible() && m_pendingWaits++ < kPendingWaits) {
        QTimer::singleShot(kPendingWaitMs, this, &MpvWidget::openPending);
        return;
    }
    m_hasPending = false;
    m_session->open(m_pendingPath);
}

void MpvWidget::closeFile()
{
    m_hasPending = false;
    m_heldPath.clear();
    m_session->stop(false);
}

// Which video module a program opens: built once per program, with
// QV_VIDEO_MODULE naming its module (CMake: qvvideo_render, qvvideo_embedded).

#include "base/Modules.h"
#include "playback/SharedOpenGl.h"
#include "playback/video/VideoModule.h"

VideoModule *VideoModule::ofThisProgram(QString *why)
{
#ifdef QV_VIDEO_DRAWS_WITH_OPENGL
    // Before the first video widget, so that its window's contexts share with the web engine's.
    SharedOpenGl::ensure();
#endif
    return Modules::instance<VideoModule>(QStringLiteral(QV_VIDEO_MODULE), why);
}

// Which video module a program opens: built once per program, with
// QV_VIDEO_MODULE naming its module (CMake: qvvideo_render, qvvideo_embedded).

#include "base/Modules.h"
#include "playback/video/VideoModule.h"

VideoModule *VideoModule::ofThisProgram(QString *why)
{
    return Modules::instance<VideoModule>(QStringLiteral(QV_VIDEO_MODULE), why);
}

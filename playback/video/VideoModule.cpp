// What the program hands its video module for each engine.

#include "playback/video/VideoModule.h"

#include "base/AppContext.h"

#include <algorithm>

namespace {

MpvOptions &setOverrides()
{
    static MpvOptions options;
    return options;
}

} // namespace

VideoSettings VideoSettings::current()
{
    return {AppContext::HardDecode == 1, setOverrides()};
}

void VideoSettings::setOverride(const QByteArray &name, const QByteArray &value)
{
    MpvOptions &options = setOverrides();
    options.erase(std::remove_if(options.begin(), options.end(),
                                 [&name](const QPair<QByteArray, QByteArray> &option) { return option.first == name; }),
                  options.end());
    if (!value.isNull())
        options.append({name, value});
}

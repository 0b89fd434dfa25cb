// The program's content factory: one player class per media family.

#include "playback/content/ContentFactory.h"

#include "playback/OpenGlWindows.h"
#include "playback/content/BlankContentPlayer.h"
#include "playback/content/ClockPlayers.h"
#include "playback/content/ImageContentPlayer.h"
#include "playback/content/MediaModule.h"
#include "playback/content/StreamPlayer.h"
#include "playback/content/TextContentPlayer.h"
#include "playback/content/VideoContentPlayer.h"
#include "playback/content/WeatherPlayer.h"
#include "playback/content/WebEngineCheck.h"
#include "playback/content/WebModule.h"

#include <stdexcept>

namespace {
ContentFactory *installed = nullptr;
}

ContentFactory &ContentFactory::current()
{
    static ContentFactory program;
    return installed ? *installed : program;
}

void ContentFactory::install(ContentFactory *factory)
{
    installed = factory;
}

std::unique_ptr<ContentPlayer> ContentFactory::create(MediaFamily family, QWidget *area)
{
    QString unprepared;
    if (OpenGlWindows::familyNeedsIt(family) && !OpenGlWindows::prepare(area, &unprepared))
        throw std::runtime_error(unprepared.toStdString());
    switch (family) {
    case MediaFamily::AnalogClock:
        return std::make_unique<AnalogClockPlayer>(area);
    case MediaFamily::DigitalClock:
        return std::make_unique<DigitalClockPlayer>(area);
    case MediaFamily::DigitalTimer:
        return std::make_unique<DigitalTimerPlayer>(area);
    case MediaFamily::Url: {
        QString why;
        WebModule *web = WebEngineCheck::module(&why);
        if (!web)
            throw std::runtime_error(why.toStdString());
        return web->createPagePlayer(area);
    }
    case MediaFamily::VideoDevice:
        return Multimedia::newCameraPlayer(area);
    case MediaFamily::Weather:
        return std::make_unique<WeatherPlayer>(area);
    case MediaFamily::Video:
        return std::make_unique<VideoContentPlayer>(area);
    case MediaFamily::Image:
        return std::make_unique<ImageContentPlayer>(area);
    case MediaFamily::Text:
        return std::make_unique<TextContentPlayer>(area);
    case MediaFamily::Streaming:
        return std::make_unique<StreamPlayer>(area);
    }
    return std::make_unique<BlankContentPlayer>(); // a family value outside the enumeration
}

// The program's content factory: one player class per media family.

#include "playback/content/ContentFactory.h"

#include "playback/content/BlankContentPlayer.h"
#include "playback/content/ImageContentPlayer.h"
#include "playback/content/TextContentPlayer.h"
#include "playback/content/VideoContentPlayer.h"

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
    switch (family) {
    case MediaFamily::Video:
        return std::make_unique<VideoContentPlayer>(area);
    case MediaFamily::Image:
        return std::make_unique<ImageContentPlayer>(area);
    case MediaFamily::Text:
        return std::make_unique<TextContentPlayer>(area);
    // Families whose content is not built yet: the area stays empty for the stay time.
    case MediaFamily::AnalogClock:
    case MediaFamily::DigitalClock:
    case MediaFamily::DigitalTimer:
    case MediaFamily::Url:
    case MediaFamily::VideoDevice:
    case MediaFamily::Streaming:
    case MediaFamily::Weather:
        return std::make_unique<BlankContentPlayer>();
    }
    return std::make_unique<BlankContentPlayer>(); // a family value outside the enumeration
}

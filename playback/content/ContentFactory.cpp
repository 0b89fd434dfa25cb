// The program's content factory: one player class per media family.

#include "playback/content/ContentFactory.h"

#include "playback/content/BlankContentPlayer.h"

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
    Q_UNUSED(area)
    switch (family) {
    // Families whose content is not built yet: the area stays empty for the stay time.
    case MediaFamily::Video:
    case MediaFamily::Image:
    case MediaFamily::AnalogClock:
    case MediaFamily::DigitalClock:
    case MediaFamily::DigitalTimer:
    case MediaFamily::Text:
    case MediaFamily::Url:
    case MediaFamily::VideoDevice:
    case MediaFamily::Streaming:
    case MediaFamily::Weather:
        return std::make_unique<BlankContentPlayer>();
    }
    return std::make_unique<BlankContentPlayer>(); // a family value outside the enumeration
}

#include "base/Clock.h"

namespace {
Clock *installed = nullptr;
}

Clock &Clock::current()
{
    static Clock system;
    return installed ? *installed : system;
}

void Clock::install(Clock *clock)
{
    installed = clock;
}

// The installed converter; each platform's file holds convert() itself.

#include "platform/OfficeConverter.h"

namespace {
OfficeConverter *installed = nullptr;
}

OfficeConverter &OfficeConverter::current()
{
    static OfficeConverter program;
    return installed ? *installed : program;
}

void OfficeConverter::install(OfficeConverter *converter)
{
    installed = converter;
}

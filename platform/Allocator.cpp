#include "platform/Allocator.h"

#include <QtGlobal>

#if defined(__GLIBC__)
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#endif

namespace Allocator {

bool limitArenas(int count)
{
#if defined(__GLIBC__)
    if (qEnvironmentVariableIsSet("MALLOC_ARENA_MAX"))
        return true; // the C library read it at start
    return mallopt(M_ARENA_MAX, count) == 1;
#else
    Q_UNUSED(count)
    return false;
#endif
}

int arenasInUse()
{
#if defined(__GLIBC__)
    // malloc_info lists one <heap> element an arena.
    char *text = nullptr;
    size_t size = 0;
    FILE *stream = open_memstream(&text, &size);
    if (!stream)
        return -1;
    const bool written = malloc_info(0, stream) == 0;
    std::fclose(stream);
    int heaps = 0;
    for (const char *at = text; written && at && (at = std::strstr(at, "<heap nr=")); ++at)
        ++heaps;
    std::free(text);
    return written ? heaps : -1;
#else
    return -1;
#endif
}

} // namespace Allocator

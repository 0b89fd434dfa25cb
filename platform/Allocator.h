#pragma once

// The C library's allocator, kept lean for a player that runs for months.
// It gives each new thread an arena of its own, up to eight per processor
// core; with fifty threads (decoders, picture readers, the play log, the web
// engine's glue) freed memory then stays scattered over dozens of arenas
// and the resident size climbs for hours although what the program holds
// stays the same. A few shared arenas keep it flat.
namespace Allocator {

// Limits the allocator to `count` arenas, unless the MALLOC_ARENA_MAX
// variable already chose a limit. Call it before the program starts threads.
// Returns false where the C library has no such limit.
bool limitArenas(int count);

// The arenas the allocator has made so far; -1 where it cannot tell.
int arenasInUse();

} // namespace Allocator

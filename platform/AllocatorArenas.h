#pragma once

// The C library's allocator gives each new thread an arena of its own, up
// to eight per processor core. A player that runs for months with fifty
// threads (decoders, picture readers, the play log, the web engine's glue)
// then keeps freed memory scattered over dozens of arenas, and its resident
// size climbs for hours although what it holds stays the same. A few
// arenas shared by all threads keep that memory reusable.
namespace AllocatorArenas {

// Limits the allocator to `count` arenas, unless the MALLOC_ARENA_MAX
// variable already chose a limit. Call it before the program starts threads.
// Returns false where the C library has no such limit.
bool limit(int count);

// The arenas the allocator has made so far; -1 where it cannot tell.
int inUse();

} // namespace AllocatorArenas

#pragma once

// The counters that number new segments, programs, windows and display
// windows are read from files: one that already stands at the largest int
// stays there instead of wrapping round to a negative number.

#include <climits>

namespace Counter {

constexpr int next(int value)
{
    return value < INT_MAX ? value + 1 : INT_MAX;
}

} // namespace Counter

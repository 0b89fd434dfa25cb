#pragma once

// The play range of a video item as its panel keeps it valid: 00:00:00 <=
// start < end, and end <= the length when the length is known. An edit that
// breaks it is corrected at once to its nearest valid value; when the edit
// has none (a start before an end of 00:00:00, an end after a start at or
// past the length), the other end of the range is moved instead. Nothing
// wraps past midnight.

#include <QTime>

namespace VideoRange {

struct Range {
    QTime start;
    QTime end;
    bool operator==(const Range &other) const { return start == other.start && end == other.end; }
};

enum class Edited { Start, End };

// The valid range nearest to the edit; `length` 00:00:00 means not known.
Range settle(const Range &edited, const QTime &length, Edited which);

} // namespace VideoRange

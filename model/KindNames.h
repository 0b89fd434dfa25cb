#pragma once

// The strings that tell records and media items apart. They are stored in
// schedule files and compared case-sensitively everywhere, so they live here
// once and nowhere else.

#include <QLatin1String>
#include <QStringList>

// QLatin1String's constructor from a pointer measures it with strlen, which
// only some compilers evaluate at compile time; a literal's length is known.
template <int N>
constexpr QLatin1String latin1Literal(const char (&text)[N])
{
    return QLatin1String(text, N - 1);
}

namespace MediaKind {
constexpr QLatin1String Video = latin1Literal("video");
constexpr QLatin1String Image = latin1Literal("image");
constexpr QLatin1String Office = latin1Literal("office");
constexpr QLatin1String AnalogClock = latin1Literal("analogClock");
constexpr QLatin1String DigitalClock = latin1Literal("digitalClock");
constexpr QLatin1String DigitalTimer = latin1Literal("digitalTimer");
constexpr QLatin1String SingleRowText = latin1Literal("singleRowText");
constexpr QLatin1String ScrollingText = latin1Literal("scrollingText");
constexpr QLatin1String SimpleText = latin1Literal("simpleText");
constexpr QLatin1String Txt = latin1Literal("txt");
constexpr QLatin1String Url = latin1Literal("URL");
constexpr QLatin1String VideoDevice = latin1Literal("videoDevice");
constexpr QLatin1String Streaming = latin1Literal("streaming");
constexpr QLatin1String Weather = latin1Literal("weather");

// All fourteen, in the order the schedule writer tests them.
QStringList all();
// True for the four kinds that use the text block.
bool isText(const QString &kind);
bool isKnown(const QString &kind);
} // namespace MediaKind

namespace SegmentType {
constexpr QLatin1String General = latin1Literal("generalSegment");
constexpr QLatin1String Cycle = latin1Literal("cycleSegment");
constexpr QLatin1String Timing = latin1Literal("timingSegment");
} // namespace SegmentType

// Types of the schedule tree's items; the three segment types double as item types.
namespace TreeItemType {
constexpr QLatin1String Root = latin1Literal("playprogramme");
constexpr QLatin1String GeneralSegment = SegmentType::General;
constexpr QLatin1String CycleSegment = SegmentType::Cycle;
constexpr QLatin1String TimingSegment = SegmentType::Timing;
constexpr QLatin1String Program = latin1Literal("program");
constexpr QLatin1String Window = latin1Literal("generalwin");
} // namespace TreeItemType

namespace Weekday {
// "Monday" .. "Sunday", Monday first: the order of the full set and of the file.
const QStringList &allDays();
} // namespace Weekday

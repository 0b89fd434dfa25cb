#pragma once

// The strings that tell records and media items apart. They are stored in
// schedule files and compared case-sensitively everywhere, so they live here
// once and nowhere else.

#include <QLatin1String>
#include <QStringList>

namespace MediaKind {
constexpr QLatin1String Video("video");
constexpr QLatin1String Image("image");
constexpr QLatin1String Office("office");
constexpr QLatin1String AnalogClock("analogClock");
constexpr QLatin1String DigitalClock("digitalClock");
constexpr QLatin1String DigitalTimer("digitalTimer");
constexpr QLatin1String SingleRowText("singleRowText");
constexpr QLatin1String ScrollingText("scrollingText");
constexpr QLatin1String SimpleText("simpleText");
constexpr QLatin1String Txt("txt");
constexpr QLatin1String Url("URL");
constexpr QLatin1String VideoDevice("videoDevice");
constexpr QLatin1String Streaming("streaming");
constexpr QLatin1String Weather("weather");

// All fourteen, in the order the schedule writer tests them.
QStringList all();
// True for the four kinds that use the text block.
bool isText(const QString &kind);
bool isKnown(const QString &kind);
} // namespace MediaKind

namespace SegmentType {
constexpr QLatin1String General("generalSegment");
constexpr QLatin1String Cycle("cycleSegment");
constexpr QLatin1String Timing("timingSegment");
} // namespace SegmentType

// Types of the schedule tree's items; the three segment types double as item types.
namespace TreeItemType {
constexpr QLatin1String Root("playprogramme");
constexpr QLatin1String GeneralSegment = SegmentType::General;
constexpr QLatin1String CycleSegment = SegmentType::Cycle;
constexpr QLatin1String TimingSegment = SegmentType::Timing;
constexpr QLatin1String Program("program");
constexpr QLatin1String Window("generalwin");
} // namespace TreeItemType

namespace Weekday {
// "Monday" .. "Sunday", Monday first: the order of the full set and of the file.
const QStringList &allDays();
} // namespace Weekday

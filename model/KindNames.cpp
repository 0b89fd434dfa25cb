#include "model/KindNames.h"

namespace MediaKind {

QStringList all()
{
    // Asked for every item played: built once, handed out as a shared copy.
    static const QStringList kinds{Video, Image, Office, AnalogClock, DigitalClock, DigitalTimer, SingleRowText,
                                   ScrollingText, SimpleText, Txt, Url, VideoDevice, Streaming, Weather};
    return kinds;
}

bool isText(const QString &kind)
{
    return kind == SingleRowText || kind == ScrollingText || kind == SimpleText || kind == Txt;
}

bool isKnown(const QString &kind)
{
    return all().contains(kind);
}

} // namespace MediaKind

namespace Weekday {

const QStringList &allDays()
{
    static const QStringList days{QStringLiteral("Monday"),   QStringLiteral("Tuesday"),
                                  QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                                  QStringLiteral("Friday"),   QStringLiteral("Saturday"),
                                  QStringLiteral("Sunday")};
    return days;
}

} // namespace Weekday

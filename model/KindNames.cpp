#include "model/KindNames.h"

#include "model/MediaKinds.h"

namespace MediaKind {

QStringList all()
{
    // Asked for every item played: built once, handed out as a shared copy.
    static const QStringList kinds = [] {
        QStringList list;
        for (const MediaKindRow &row : MediaKinds::rows())
            list << row.kind;
        return list;
    }();
    return kinds;
}

bool isText(const QString &kind)
{
    MediaFamily family;
    return MediaKinds::familyOf(kind, &family) && family == MediaFamily::Text;
}

bool isKnown(const QString &kind)
{
    return MediaKinds::find(kind) != nullptr;
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

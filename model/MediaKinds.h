#pragma once

// The table of the fourteen media kinds: one row per kind string with
// everything that differs between kinds in how an item is stored, listed,
// pasted, logged and timed. Code outside model/ asks this table instead of
// comparing kind strings; each upper layer keeps its own map from family to
// the object that serves it (panel, content player).

#include "model/KindNames.h"

#include <QString>
#include <QTime>
#include <QVector>

class QVLedMediaObject;

// The property block an item of the kind uses: ten families for fourteen kinds.
enum class MediaFamily {
    Video,
    Image, // "image" and "office"
    AnalogClock,
    DigitalClock,
    DigitalTimer,
    Text, // "txt", "simpleText", "singleRowText", "scrollingText"
    Url,
    VideoDevice,
    Streaming,
    Weather,
};

// One kind of the fourteen, for the few places that must tell apart two kinds of one family.
enum class MediaKindId {
    Video,
    Image,
    Office,
    AnalogClock,
    DigitalClock,
    DigitalTimer,
    SingleRowText,
    ScrollingText,
    SimpleText,
    Txt,
    Url,
    VideoDevice,
    Streaming,
    Weather,
};

struct MediaKindRow {
    MediaKindId id;
    QLatin1String kind;
    MediaFamily family;
    // Source texts; null means the file name of the item's path (video and image block).
    const char *tableLabel; // media-table row of an added item, translated in context "Widget"
    const char *pasteLabel; // media-table row of a pasted item, translated in context "Widget"
    const char *logLabel;   // name in the play log, translated in context "CommonPlayWindow"
    // How long the whole item plays, in seconds, by its own fields (an office item: every page).
    qint64 (*staySeconds)(const QVLedMediaObject &item);
};

namespace MediaKinds {

// The fourteen rows, in the order the schedule writer tests the kinds.
const QVector<MediaKindRow> &rows();
// The row of the kind string (compared case-sensitively), or null.
const MediaKindRow *find(const QString &kind);

// The family of a known kind; false for an unknown kind.
bool familyOf(const QString &kind, MediaFamily *family);

// The path an item's label is made from: the video path or the image path, else empty.
QString labelPath(const QVLedMediaObject &item);
// The file name after the last "/" of a path.
QString fileName(const QString &path);

// The labels of the table above, translated; empty for an unknown kind.
QString tableLabel(const QVLedMediaObject &item);
QString pasteLabel(const QVLedMediaObject &item);
QString logName(const QVLedMediaObject &item);

// Seconds the item stays by its kind's rule; 0 for an unknown kind. A time of
// day that holds a length counts as hours, minutes and seconds.
qint64 staySeconds(const QVLedMediaObject &item);

// Seconds of a length held in a time of day (an invalid time is 0).
qint64 lengthSeconds(const QTime &length);

} // namespace MediaKinds

// The rows of the media kind table and the helpers that read them.

#include "model/MediaKinds.h"

#include "model/QVLedMediaObject.h"

#include <QCoreApplication>

namespace MediaKinds {

qint64 lengthSeconds(const QTime &length)
{
    return length.isValid() ? QTime(0, 0).secsTo(length) : 0;
}

namespace {

qint64 videoStay(const QVLedMediaObject &item)
{
    const VideoProperty &v = item.video;
    return v.rangeOn ? v.startTime.secsTo(v.endTime) + 1 : lengthSeconds(v.duration);
}
qint64 imageStay(const QVLedMediaObject &item)
{
    return item.image.stayTime;
}
qint64 officeStay(const QVLedMediaObject &item)
{
    return qint64(item.image.stayTime) * qMax(1, item.image.pages.size()); // per page
}
qint64 analogClockStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.analogClock.playTime);
}
qint64 digitalClockStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.digitalClock.playTime);
}
qint64 digitalTimerStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.digitalTimer.length);
}
qint64 textStay(const QVLedMediaObject &item)
{
    return item.text.stayTime;
}
qint64 scrollingTextStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.text.playDuration);
}
qint64 urlStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.url.playTime);
}
qint64 videoDeviceStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.videoDevice.timeLength);
}
qint64 streamingStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.streaming.timeLength);
}
qint64 weatherStay(const QVLedMediaObject &item)
{
    return lengthSeconds(item.weather.timeLength);
}

using F = MediaFamily;
using K = MediaKindId;

// Labels are marked for translation here; the contexts are those of the
// classes that show them.
const QVector<MediaKindRow> kRows{
    {K::Video, MediaKind::Video, F::Video, nullptr, nullptr, nullptr, videoStay},
    {K::Image, MediaKind::Image, F::Image, nullptr, nullptr, nullptr, imageStay},
    {K::Office, MediaKind::Office, F::Image, nullptr, nullptr, nullptr, officeStay},
    {K::AnalogClock, MediaKind::AnalogClock, F::AnalogClock, QT_TRANSLATE_NOOP("Widget", "Analog Clock"),
     QT_TRANSLATE_NOOP("Widget", "Analog Clock"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Analog Clock"),
     analogClockStay},
    {K::DigitalClock, MediaKind::DigitalClock, F::DigitalClock, QT_TRANSLATE_NOOP("Widget", "Digital Clock"),
     QT_TRANSLATE_NOOP("Widget", "Digital Clock"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Digital Clock"),
     digitalClockStay},
    {K::DigitalTimer, MediaKind::DigitalTimer, F::DigitalTimer, QT_TRANSLATE_NOOP("Widget", "Digital Timer"),
     QT_TRANSLATE_NOOP("Widget", "Digital Timer"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Digital Timer"),
     digitalTimerStay},
    {K::SingleRowText, MediaKind::SingleRowText, F::Text, QT_TRANSLATE_NOOP("Widget", "Single-row text"),
     QT_TRANSLATE_NOOP("Widget", "Single - row text"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Single - row text"),
     textStay},
    {K::ScrollingText, MediaKind::ScrollingText, F::Text, QT_TRANSLATE_NOOP("Widget", "Scrolling text"),
     QT_TRANSLATE_NOOP("Widget", "Scrolling Text"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Scrolling Text"),
     scrollingTextStay},
    {K::SimpleText, MediaKind::SimpleText, F::Text, QT_TRANSLATE_NOOP("Widget", "Simple Text"),
     QT_TRANSLATE_NOOP("Widget", "Simple Text"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Simple Text"), textStay},
    {K::Txt, MediaKind::Txt, F::Text, QT_TRANSLATE_NOOP("Widget", "Simple Text"),
     QT_TRANSLATE_NOOP("Widget", "Simple Text"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Simple Text"), textStay},
    {K::Url, MediaKind::Url, F::Url, QT_TRANSLATE_NOOP("Widget", "URL"), QT_TRANSLATE_NOOP("Widget", "URL"),
     QT_TRANSLATE_NOOP("CommonPlayWindow", "URL"), urlStay},
    {K::VideoDevice, MediaKind::VideoDevice, F::VideoDevice, QT_TRANSLATE_NOOP("Widget", "Device"),
     QT_TRANSLATE_NOOP("Widget", "Device"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Device"), videoDeviceStay},
    {K::Streaming, MediaKind::Streaming, F::Streaming, QT_TRANSLATE_NOOP("Widget", "Streaming Media"),
     QT_TRANSLATE_NOOP("Widget", "Streaming Media"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Streaming Media"),
     streamingStay},
    {K::Weather, MediaKind::Weather, F::Weather, QT_TRANSLATE_NOOP("Widget", "Weather"),
     QT_TRANSLATE_NOOP("Widget", "Weather"), QT_TRANSLATE_NOOP("CommonPlayWindow", "Weather"), weatherStay},
};

QString labelOf(const QVLedMediaObject &item, const char *context, const char *MediaKindRow::*label)
{
    const MediaKindRow *row = find(item.kind);
    if (!row)
        return QString();
    const char *text = row->*label;
    return text ? QCoreApplication::translate(context, text) : fileName(labelPath(item));
}

} // namespace

const QVector<MediaKindRow> &rows()
{
    return kRows;
}

const MediaKindRow *find(const QString &kind)
{
    for (const MediaKindRow &row : kRows) {
        if (row.kind == kind)
            return &row;
    }
    return nullptr;
}

bool familyOf(const QString &kind, MediaFamily *family)
{
    const MediaKindRow *row = find(kind);
    if (row && family)
        *family = row->family;
    return row != nullptr;
}

QString fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString labelPath(const QVLedMediaObject &item)
{
    const MediaKindRow *row = find(item.kind);
    if (!row)
        return QString();
    switch (row->family) {
    case MediaFamily::Video:
        return item.video.path;
    case MediaFamily::Image:
        return item.image.path;
    default:
        return QString();
    }
}

QString tableLabel(const QVLedMediaObject &item)
{
    return labelOf(item, "Widget", &MediaKindRow::tableLabel);
}

QString pasteLabel(const QVLedMediaObject &item)
{
    return labelOf(item, "Widget", &MediaKindRow::pasteLabel);
}

QString logName(const QVLedMediaObject &item)
{
    return labelOf(item, "CommonPlayWindow", &MediaKindRow::logLabel);
}

qint64 staySeconds(const QVLedMediaObject &item)
{
    const MediaKindRow *row = find(item.kind);
    return row ? row->staySeconds(item) : 0;
}

} // namespace MediaKinds

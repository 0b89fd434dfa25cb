#pragma once

// One media item of a window. The kind string says which of the ten blocks is
// in use; the item repeats the names of its window, program, segment and
// display window.

#include "model/MediaProperties.h"

#include <QString>

class QVLedMediaObject
{
public:
    VideoProperty video;
    ImageProperty image; // "image" and "office"
    AnalogClockProperty analogClock;
    DigitalClockProperty digitalClock;
    DigitalTimerProperty digitalTimer;
    TextProperty text; // the four text kinds
    UrlProperty url;
    VideoDeviceProperty videoDevice;
    StreamingProperty streaming;
    WeatherProperty weather;
    QString kind;
    QString windowName;
    QString programName;
    QString segmentName;
    QString displayName;
    int id = 0; // running number within the display window's tree; set by every creator
};

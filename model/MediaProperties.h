#pragma once

// The property blocks of a media item, one per family of kinds. Every item
// carries all ten; only the block of its kind is edited, played and saved.
// Times of day that hold a length are read as hours:minutes:seconds.

#include "model/DocumentPages.h"

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QString>
#include <QTime>

// Web address and stream address a new item starts with.
extern const char *const kDefaultWebAddress;
extern const char *const kDefaultStreamAddress;

class VideoProperty
{
public:
    QString path;
    int volume = 100;
    QTime duration{0, 0, 0};
    bool rangeOn = false;
    QTime startTime{0, 0, 0};
    QTime endTime{0, 0, 0};
    int scaleType = 0;
    int rotate = 0; // 0, 1, 2, 3 = 0, 90, 180, 270 degrees
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 0; // 0 tiled, 1 stretched
    bool bgTransparent = false;
    bool coverOn = false;
    QString coverFontFamily;
    int coverColourful = 0;
    int coverFontSize = 8;
    bool coverBold = false;
    bool coverItalic = false;
    bool coverUnderline = false;
    QColor coverColour{255, 0, 0};
    QString coverText;
    bool coverRolling = false;
    int coverSpeed = 5;
    int coverDirection = 0;
    int coverY = 0;
};

// Block of "image" and "office" items.
class ImageProperty
{
public:
    QString path;
    // A picture already in memory, shown instead of the file; not saved. Loading and
    // import leave it null: the file at `path` is decoded when the item is shown.
    QPixmap pixmap;
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    QString musicPath;
    bool comingOn = false;
    bool goingOutOn = false;
    int comingStyle = 0;
    int outStyle = 0;
    int comingSpeed = 5; // tenths of a second
    int outSpeed = 5;
    int scaleType = 0; // 0 stretch, 1 keep aspect ratio
    int stayTime = 5;  // seconds (per page for "office")
    int transparency = 10;
    int rotateAngle = 0;
    DocumentPages pages; // the pages of an "office" item, drawn when shown; not saved
};

class AnalogClockProperty
{
public:
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    QColor textColour{255, 0, 0};
    QString text;
    QString textFontFamily{QStringLiteral("Arial")};
    int textFontSize = 16;
    bool textBold = false;
    bool textItalic = false;
    bool textUnderline = false;
    bool dateOn = true;
    QColor dateColour{255, 255, 255};
    int monthDayStyle = 0;
    QString dateFontFamily{QStringLiteral("Arial")};
    int dateFontSize = 16;
    bool dateBold = false;
    bool dateItalic = false;
    bool dateUnderline = false;
    bool weekOn = false;
    QColor weekColour{255, 255, 255};
    QString weekFontFamily{QStringLiteral("Arial")};
    int weekFontSize = 16;
    bool weekBold = false;
    bool weekItalic = false;
    bool weekUnderline = false;
    int timeDiffMode = 0; // 0 ahead, 1 behind
    QTime timeDiff{0, 0, 0};
    QTime playTime{0, 0, 5};
    QColor timeScaleColour{0, 255, 0};
    int timeScaleWidth = 5;
    int timeScaleHeight = 5;
    int timeScaleStyle = 0;
    QColor minuteScaleColour{30, 144, 255};
    int minuteScaleWidth = 3;
    int minuteScaleHeight = 3;
    int minuteScaleStyle = 0;
    QColor hourHandColour{255, 255, 0};
    QColor minuteHandColour{0, 128, 0};
    QColor secondHandColour{255, 0, 0};
};

class DigitalClockProperty
{
public:
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    int dateStyle = 0;
    QString fixedText;
    QString fontFamily{QStringLiteral("Arial")};
    int fontSize = 16;
    int colourful = 0;
    QTime playTime{0, 0, 5};
    QColor textColour{255, 0, 0};
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool yearOn = true;
    bool monthOn = true;
    bool dayOn = true;
    bool hourOn = true;
    bool minuteOn = true;
    bool secondOn = true;
    bool amPmOn = true;
    bool weekOn = true;
    bool twoDigit = false;
    bool hour12 = false;
    bool multiRow = false;
    int timeDiffMode = 0;
    QTime timeDiff{0, 0, 0};
};

class DigitalTimerProperty
{
public:
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    int transparency = 10;
    int countMode = 0; // 0 count down, 1 count up
    QTime length{0, 0, 5};
    QColor numberColour{255, 0, 0};
};

// Block of the four text kinds.
class TextProperty
{
public:
    QString text{QStringLiteral("Hello")};
    QString fontFamily{QStringLiteral("Arial")};
    int fontSize = 16;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor textColour{255, 0, 0};
    bool bgIsColour = true;
    int colourful = 0;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    bool comingOn = false;
    bool goingOutOn = false;
    int comingStyle = 0;
    int outStyle = 0;
    int comingSpeed = 5;
    int outSpeed = 5;
    int horizontalAlign = 0; // 0 left, 1 right, 2 centre
    int verticalAlign = 0;   // 0 top, 1 bottom, 2 centre
    int spacing = 0;
    int kerning = 0;
    int stayTime = 3;
    bool completePlay = true;
    QTime playDuration{0, 0, 5};
    int rollingDirection = 0; // 0 left, 1 right, 2 down, 3 up
    bool endToEnd = false;
    int intervalOfCycle = 10;
    int rollingSpeed = 5;
};

class UrlProperty
{
public:
    int transparency = 10;
    QString address{QString::fromLatin1(kDefaultWebAddress)};
    int posX = 0;
    int posY = 0;
    QTime playTime{0, 0, 20};
};

class VideoDeviceProperty
{
public:
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    int bgTransparent = 0; // an int here, and four bytes in the file
    QTime timeLength{0, 10, 0};
};

class StreamingProperty
{
public:
    QString address{QString::fromLatin1(kDefaultStreamAddress)};
    int volume = 100;
    QTime timeLength{0, 10, 0};
};

class WeatherProperty
{
public:
    bool bgIsColour = true;
    QColor bgColour{0, 0, 0};
    QString bgPicture;
    int bgImageStyle = 1;
    bool bgTransparent = false;
    QString reserved1;
    QString reserved2;
    QString reserved3;
    int reserved4 = 0;
    int updateInterval = 10;
    QTime timeLength{0, 0, 10};
};

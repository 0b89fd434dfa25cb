#pragma once

// The file order of every media property block, written once and used in
// both directions: with a writing Io the fields are stored, with a reading Io
// they are filled. Block is const for writing and mutable for reading.
// Apart from two swaps in the video block, every block is in member order.

#include "model/MediaKinds.h"
#include "model/ScheduleStream.h"

#define QV_FIELD(member) block.member, #member

namespace MediaBlockLayout {

template <class Io, class Block>
void backgroundGroup(Io &io, Block &block)
{
    io.field(QV_FIELD(bgIsColour));
    io.field(QV_FIELD(bgColour));
    io.field(QV_FIELD(bgPicture));
    io.field(QV_FIELD(bgImageStyle));
    io.field(QV_FIELD(bgTransparent)); // an int in the camera block
}

template <class Io, class Block>
void video(Io &io, Block &block)
{
    io.field(QV_FIELD(path));
    io.field(QV_FIELD(volume));
    io.time(QV_FIELD(duration), ScheduleFormat::kDurationFormat);
    io.field(QV_FIELD(rangeOn));
    io.field(QV_FIELD(startTime));
    io.field(QV_FIELD(endTime));
    io.field(QV_FIELD(scaleType));
    io.field(QV_FIELD(rotate));
    backgroundGroup(io, block);
    io.field(QV_FIELD(coverOn));
    io.field(QV_FIELD(coverFontFamily));
    io.field(QV_FIELD(coverFontSize));
    io.field(QV_FIELD(coverColourful));
    io.field(QV_FIELD(coverBold));
    io.field(QV_FIELD(coverItalic));
    io.field(QV_FIELD(coverUnderline));
    io.field(QV_FIELD(coverColour));
    io.field(QV_FIELD(coverText));
    io.field(QV_FIELD(coverRolling));
    io.field(QV_FIELD(coverDirection));
    io.field(QV_FIELD(coverSpeed));
    io.field(QV_FIELD(coverY));
}

template <class Io, class Block>
void image(Io &io, Block &block)
{
    io.field(QV_FIELD(path));
    backgroundGroup(io, block);
    io.field(QV_FIELD(musicPath));
    io.field(QV_FIELD(comingOn));
    io.field(QV_FIELD(goingOutOn));
    io.field(QV_FIELD(comingStyle));
    io.field(QV_FIELD(outStyle));
    io.field(QV_FIELD(comingSpeed));
    io.field(QV_FIELD(outSpeed));
    io.field(QV_FIELD(scaleType));
    io.field(QV_FIELD(stayTime));
    io.field(QV_FIELD(transparency));
    io.field(QV_FIELD(rotateAngle));
}

template <class Io, class Block>
void analogClock(Io &io, Block &block)
{
    backgroundGroup(io, block);
    io.field(QV_FIELD(textColour));
    io.field(QV_FIELD(text));
    io.field(QV_FIELD(textFontFamily));
    io.field(QV_FIELD(textFontSize));
    io.field(QV_FIELD(textBold));
    io.field(QV_FIELD(textItalic));
    io.field(QV_FIELD(textUnderline));
    io.field(QV_FIELD(dateOn));
    io.field(QV_FIELD(dateColour));
    io.field(QV_FIELD(monthDayStyle));
    io.field(QV_FIELD(dateFontFamily));
    io.field(QV_FIELD(dateFontSize));
    io.field(QV_FIELD(dateBold));
    io.field(QV_FIELD(dateItalic));
    io.field(QV_FIELD(dateUnderline));
    io.field(QV_FIELD(weekOn));
    io.field(QV_FIELD(weekColour));
    io.field(QV_FIELD(weekFontFamily));
    io.field(QV_FIELD(weekFontSize));
    io.field(QV_FIELD(weekBold));
    io.field(QV_FIELD(weekItalic));
    io.field(QV_FIELD(weekUnderline));
    io.field(QV_FIELD(timeDiffMode));
    io.field(QV_FIELD(timeDiff));
    io.field(QV_FIELD(playTime));
    io.field(QV_FIELD(timeScaleColour));
    io.field(QV_FIELD(timeScaleWidth));
    io.field(QV_FIELD(timeScaleHeight));
    io.field(QV_FIELD(timeScaleStyle));
    io.field(QV_FIELD(minuteScaleColour));
    io.field(QV_FIELD(minuteScaleWidth));
    io.field(QV_FIELD(minuteScaleHeight));
    io.field(QV_FIELD(minuteScaleStyle));
    io.field(QV_FIELD(hourHandColour));
    io.field(QV_FIELD(minuteHandColour));
    io.field(QV_FIELD(secondHandColour));
}

template <class Io, class Block>
void digitalClock(Io &io, Block &block)
{
    backgroundGroup(io, block);
    io.field(QV_FIELD(dateStyle));
    io.field(QV_FIELD(fixedText));
    io.field(QV_FIELD(fontFamily));
    io.field(QV_FIELD(fontSize));
    io.field(QV_FIELD(colourful));
    io.field(QV_FIELD(playTime));
    io.field(QV_FIELD(textColour));
    io.field(QV_FIELD(bold));
    io.field(QV_FIELD(italic));
    io.field(QV_FIELD(underline));
    io.field(QV_FIELD(yearOn));
    io.field(QV_FIELD(monthOn));
    io.field(QV_FIELD(dayOn));
    io.field(QV_FIELD(hourOn));
    io.field(QV_FIELD(minuteOn));
    io.field(QV_FIELD(secondOn));
    io.field(QV_FIELD(amPmOn));
    io.field(QV_FIELD(weekOn));
    io.field(QV_FIELD(twoDigit));
    io.field(QV_FIELD(hour12));
    io.field(QV_FIELD(multiRow));
    io.field(QV_FIELD(timeDiffMode));
    io.field(QV_FIELD(timeDiff));
}

template <class Io, class Block>
void digitalTimer(Io &io, Block &block)
{
    backgroundGroup(io, block);
    io.field(QV_FIELD(transparency));
    io.field(QV_FIELD(countMode));
    io.field(QV_FIELD(length));
    io.field(QV_FIELD(numberColour));
}

template <class Io, class Block>
void text(Io &io, Block &block)
{
    io.field(QV_FIELD(text));
    io.field(QV_FIELD(fontFamily));
    io.field(QV_FIELD(fontSize));
    io.field(QV_FIELD(bold));
    io.field(QV_FIELD(italic));
    io.field(QV_FIELD(underline));
    io.field(QV_FIELD(textColour));
    io.field(QV_FIELD(bgIsColour));
    io.field(QV_FIELD(colourful));
    io.field(QV_FIELD(bgColour));
    io.field(QV_FIELD(bgPicture));
    io.field(QV_FIELD(bgImageStyle));
    io.field(QV_FIELD(bgTransparent));
    io.field(QV_FIELD(comingOn));
    io.field(QV_FIELD(goingOutOn));
    io.field(QV_FIELD(comingStyle));
    io.field(QV_FIELD(outStyle));
    io.field(QV_FIELD(comingSpeed));
    io.field(QV_FIELD(outSpeed));
    io.field(QV_FIELD(horizontalAlign));
    io.field(QV_FIELD(verticalAlign));
    io.field(QV_FIELD(spacing));
    io.field(QV_FIELD(kerning));
    io.field(QV_FIELD(stayTime));
    io.field(QV_FIELD(completePlay));
    io.field(QV_FIELD(playDuration));
    io.field(QV_FIELD(rollingDirection));
    io.field(QV_FIELD(endToEnd));
    io.field(QV_FIELD(intervalOfCycle));
    io.field(QV_FIELD(rollingSpeed));
}

template <class Io, class Block>
void url(Io &io, Block &block)
{
    io.field(QV_FIELD(transparency));
    io.field(QV_FIELD(address));
    io.field(QV_FIELD(posX));
    io.field(QV_FIELD(posY));
    io.field(QV_FIELD(playTime));
}

template <class Io, class Block>
void videoDevice(Io &io, Block &block)
{
    backgroundGroup(io, block);
    io.field(QV_FIELD(timeLength));
}

template <class Io, class Block>
void streaming(Io &io, Block &block)
{
    io.field(QV_FIELD(address));
    io.field(QV_FIELD(volume));
    io.field(QV_FIELD(timeLength));
}

template <class Io, class Block>
void weather(Io &io, Block &block)
{
    backgroundGroup(io, block);
    io.field(QV_FIELD(reserved1));
    io.field(QV_FIELD(reserved2));
    io.field(QV_FIELD(reserved3));
    io.field(QV_FIELD(reserved4));
    io.field(QV_FIELD(updateInterval));
    io.field(QV_FIELD(timeLength));
}

// The block of the family, for an item that is const when writing and mutable when reading.
template <class Io, class Item>
void familyBlock(Io &io, Item &item, MediaFamily family)
{
    switch (family) {
    case MediaFamily::Video:
        return video(io, item.video);
    case MediaFamily::Image:
        return image(io, item.image);
    case MediaFamily::AnalogClock:
        return analogClock(io, item.analogClock);
    case MediaFamily::DigitalClock:
        return digitalClock(io, item.digitalClock);
    case MediaFamily::DigitalTimer:
        return digitalTimer(io, item.digitalTimer);
    case MediaFamily::Text:
        return text(io, item.text);
    case MediaFamily::Url:
        return url(io, item.url);
    case MediaFamily::VideoDevice:
        return videoDevice(io, item.videoDevice);
    case MediaFamily::Streaming:
        return streaming(io, item.streaming);
    case MediaFamily::Weather:
        return weather(io, item.weather);
    }
}

// Stores each field it is shown.
class WriteIo
{
public:
    explicit WriteIo(ScheduleStreamWriter &out) : m_out(out) {}
    void field(int value, const char *) { m_out.writeInt(value); }
    void field(bool value, const char *) { m_out.writeBool(value); }
    void field(const QString &value, const char *) { m_out.writeString(value); }
    void field(const QColor &value, const char *) { m_out.writeColour(value); }
    void field(const QTime &value, const char *) { m_out.writeTime(value); }
    void time(const QTime &value, const char *, const char *format) { m_out.writeTime(value, format); }

private:
    ScheduleStreamWriter &m_out;
};

// Fills each field it is shown.
class ReadIo
{
public:
    explicit ReadIo(ScheduleStreamReader &in) : m_in(in) {}
    void field(int &value, const char *name) { value = m_in.readInt(name); }
    void field(bool &value, const char *name) { value = m_in.readBool(name); }
    void field(QString &value, const char *name) { value = m_in.readString(name); }
    void field(QColor &value, const char *name) { value = m_in.readColour(name); }
    void field(QTime &value, const char *name) { value = m_in.readTime(name); }
    void time(QTime &value, const char *name, const char *format) { value = m_in.readTime(name, format); }

private:
    ScheduleStreamReader &m_in;
};

} // namespace MediaBlockLayout

#undef QV_FIELD

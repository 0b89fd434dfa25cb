// The clock and count-timer players: what each copies from its item.

#include "playback/content/ClockPlayers.h"

#include "model/QVLedMediaObject.h"
#include "playback/content/AnalogClockWidget.h"
#include "playback/content/ContentBackground.h"
#include "playback/content/DigitalTimerWin.h"
#include "playback/content/digitalClockWidget.h"

#include <QGraphicsOpacityEffect>

// ---- digital clock ----------------------------------------------------

void DigitalClockPlayer::startTicking()
{
    TickingPlayer::startTicking();
    m_widget->slotTimeout();
}

void DigitalClockPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    digitalClockWidget *clock = widget();
    const DigitalClockProperty &p = item->digitalClock;
    ContentBackground::apply(clock, ContentBackground::of(p), ContentBackground::OtherStyles::SetPixmap);
    clock->dateStyle = p.dateStyle;
    clock->setItemText(p.fixedText);
    clock->fontFamily = p.fontFamily;
    clock->fontSize = p.fontSize;
    clock->bold = p.bold;
    clock->italic = p.italic;
    clock->underline = p.underline;
    clock->textColour = p.textColour;
    clock->yearOn = p.yearOn;
    clock->monthOn = p.monthOn;
    clock->dayOn = p.dayOn;
    clock->hourOn = p.hourOn;
    clock->minuteOn = p.minuteOn;
    clock->secondOn = p.secondOn;
    clock->amPmOn = p.amPmOn;
    clock->weekOn = p.weekOn;
    clock->twoDigit = p.twoDigit;
    clock->hour12 = p.hour12;
    clock->multiRow = p.multiRow;
    clock->timeDiffMode = p.timeDiffMode;
    clock->timeDiff = p.timeDiff;
    clock->colourful = p.colourful;
    startTicking();
    showView();
}

// ---- analog clock -----------------------------------------------------

void AnalogClockPlayer::startTicking()
{
    TickingPlayer::startTicking();
    m_widget->slotTimeout();
}

void AnalogClockPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    AnalogClockWidget *clock = widget();
    const AnalogClockProperty &p = item->analogClock;
    ContentBackground::apply(clock, ContentBackground::of(p), ContentBackground::OtherStyles::SetPixmap);
    clock->timeScaleStyle = p.timeScaleStyle;
    clock->timeScaleWidth = p.timeScaleWidth;
    clock->timeScaleHeight = p.timeScaleHeight;
    clock->timeScaleColour = p.timeScaleColour;
    clock->minuteScaleColour = p.minuteScaleColour;
    clock->minuteScaleWidth = p.minuteScaleWidth;
    clock->minuteScaleHeight = p.minuteScaleHeight;
    clock->minuteScaleStyle = p.minuteScaleStyle;
    clock->hourHandColour = p.hourHandColour;
    clock->minuteHandColour = p.minuteHandColour;
    clock->secondHandColour = p.secondHandColour;
    clock->dateOn = p.dateOn;
    clock->weekOn = p.weekOn;
    clock->textColour = p.textColour;
    clock->dateColour = p.dateColour;
    clock->weekColour = p.weekColour;
    clock->monthDayStyle = p.monthDayStyle;
    clock->text = p.text;
    clock->timeDiff = p.timeDiff;
    clock->timeDiffMode = p.timeDiffMode;
    startTicking();
    showView();
}

// ---- count timer ------------------------------------------------------

void DigitalTimerPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    DigitalTimerWin *timer = widget();
    if (!timer->graphicsEffect())
        timer->setGraphicsEffect(new QGraphicsOpacityEffect(timer)); // the timer widget owns it
    const DigitalTimerProperty &p = item->digitalTimer;
    timer->setBackgroundRule(ContentBackground::styleSheet(ContentBackground::of(p)));
    ContentBackground::paintPicture(timer, ContentBackground::of(p));
    if (auto *opacity = qobject_cast<QGraphicsOpacityEffect *>(timer->graphicsEffect())) {
        const qreal level = qBound(0, p.transparency, 10) / 10.0;
        opacity->setOpacity(level);
        // A fully opaque effect draws like none, but through an extra picture every tick.
        opacity->setEnabled(level < 1.0);
    }
    timer->numberColour = p.numberColour;
    timer->countMode = p.countMode;
    timer->length = p.length;
    timer->value = p.countMode == 1 ? QTime(0, 0) : p.length;
    startTicking();
    timer->showValue();
    showView();
}

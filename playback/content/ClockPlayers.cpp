// The clock and count-timer players: what each copies from its item.

#include "playback/content/ClockPlayers.h"

#include "model/QVLedMediaObject.h"
#include "playback/content/AnalogClockWidget.h"
#include "playback/content/ContentBackground.h"
#include "playback/content/DigitalTimerWin.h"
#include "playback/content/digitalClockWidget.h"

#include <QGraphicsOpacityEffect>
#include <QTimer>

namespace {
constexpr int kClockTickMs = 500;
constexpr int kTimerTickMs = 100;
} // namespace

// ---- digital clock ----------------------------------------------------

void DigitalClockPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_clock) {
        m_clock = new digitalClockWidget(area());
        adoptView(m_clock);
    }
    const DigitalClockProperty &p = item->digitalClock;
    ContentBackground::apply(m_clock, ContentBackground::of(p), ContentBackground::OtherStyles::SetPixmap);
    m_clock->dateStyle = p.dateStyle;
    m_clock->setItemText(p.fixedText);
    m_clock->fontFamily = p.fontFamily;
    m_clock->fontSize = p.fontSize;
    m_clock->bold = p.bold;
    m_clock->italic = p.italic;
    m_clock->underline = p.underline;
    m_clock->textColour = p.textColour;
    m_clock->yearOn = p.yearOn;
    m_clock->monthOn = p.monthOn;
    m_clock->dayOn = p.dayOn;
    m_clock->hourOn = p.hourOn;
    m_clock->minuteOn = p.minuteOn;
    m_clock->secondOn = p.secondOn;
    m_clock->amPmOn = p.amPmOn;
    m_clock->weekOn = p.weekOn;
    m_clock->twoDigit = p.twoDigit;
    m_clock->hour12 = p.hour12;
    m_clock->multiRow = p.multiRow;
    m_clock->timeDiffMode = p.timeDiffMode;
    m_clock->timeDiff = p.timeDiff;
    m_clock->colourful = p.colourful;
    m_clock->tickTimer->start(kClockTickMs);
    m_clock->slotTimeout();
    showView();
}

void DigitalClockPlayer::pause()
{
    halt();
}

void DigitalClockPlayer::resume()
{
    if (!m_clock)
        return;
    m_clock->tickTimer->start(kClockTickMs);
    m_clock->slotTimeout();
    showView();
}

void DigitalClockPlayer::halt()
{
    if (m_clock)
        m_clock->tickTimer->stop();
}

// ---- analog clock -----------------------------------------------------

void AnalogClockPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_clock) {
        m_clock = new AnalogClockWidget(area());
        adoptView(m_clock);
    }
    const AnalogClockProperty &p = item->analogClock;
    ContentBackground::apply(m_clock, ContentBackground::of(p), ContentBackground::OtherStyles::SetPixmap);
    m_clock->timeScaleStyle = p.timeScaleStyle;
    m_clock->timeScaleWidth = p.timeScaleWidth;
    m_clock->timeScaleHeight = p.timeScaleHeight;
    m_clock->timeScaleColour = p.timeScaleColour;
    m_clock->minuteScaleColour = p.minuteScaleColour;
    m_clock->minuteScaleWidth = p.minuteScaleWidth;
    m_clock->minuteScaleHeight = p.minuteScaleHeight;
    m_clock->minuteScaleStyle = p.minuteScaleStyle;
    m_clock->hourHandColour = p.hourHandColour;
    m_clock->minuteHandColour = p.minuteHandColour;
    m_clock->secondHandColour = p.secondHandColour;
    m_clock->dateOn = p.dateOn;
    m_clock->weekOn = p.weekOn;
    m_clock->textColour = p.textColour;
    m_clock->dateColour = p.dateColour;
    m_clock->weekColour = p.weekColour;
    m_clock->monthDayStyle = p.monthDayStyle;
    m_clock->text = p.text;
    m_clock->timeDiff = p.timeDiff;
    m_clock->timeDiffMode = p.timeDiffMode;
    m_clock->tickTimer->start(kClockTickMs);
    m_clock->slotTimeout();
    showView();
}

void AnalogClockPlayer::pause()
{
    halt();
}

void AnalogClockPlayer::resume()
{
    if (!m_clock)
        return;
    m_clock->tickTimer->start(kClockTickMs);
    m_clock->slotTimeout();
    showView();
}

void AnalogClockPlayer::halt()
{
    if (m_clock)
        m_clock->tickTimer->stop();
}

// ---- count timer ------------------------------------------------------

void DigitalTimerPlayer::showItem(QVLedMediaObject *item, Purpose)
{
    if (!m_timer) {
        m_timer = new DigitalTimerWin(area());
        auto *opacity = new QGraphicsOpacityEffect(m_timer);
        m_timer->setGraphicsEffect(opacity); // the timer widget owns it
        adoptView(m_timer);
    }
    const DigitalTimerProperty &p = item->digitalTimer;
    m_timer->setBackgroundRule(ContentBackground::styleSheet(ContentBackground::of(p)));
    if (auto *opacity = qobject_cast<QGraphicsOpacityEffect *>(m_timer->graphicsEffect())) {
        const qreal level = qBound(0, p.transparency, 10) / 10.0;
        opacity->setOpacity(level);
        // A fully opaque effect draws like none, but through an extra picture every tick.
        opacity->setEnabled(level < 1.0);
    }
    m_timer->numberColour = p.numberColour;
    m_timer->countMode = p.countMode;
    m_timer->length = p.length;
    m_timer->value = p.countMode == 1 ? QTime(0, 0) : p.length;
    m_timer->tickTimer->start(kTimerTickMs);
    m_timer->showValue();
    showView();
}

void DigitalTimerPlayer::pause()
{
    halt();
}

void DigitalTimerPlayer::resume()
{
    if (!m_timer)
        return;
    m_timer->tickTimer->start(kTimerTickMs);
    showView();
}

void DigitalTimerPlayer::halt()
{
    if (m_timer)
        m_timer->tickTimer->stop();
}

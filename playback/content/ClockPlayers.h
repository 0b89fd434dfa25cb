#pragma once

// The players of the digital clock, the analog clock and the count timer.
// Each copies its item's block into its widget, sets the background and
// starts the widget's tick; the area's stay timer ends the item. Pausing
// stops the tick, so a paused count timer holds its count.

#include "playback/content/WidgetContentPlayer.h"

class AnalogClockWidget;
class DigitalTimerWin;
class digitalClockWidget;

class DigitalClockPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override;
    void resume() override;
    digitalClockWidget *clock() const { return m_clock; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void halt() override;

private:
    digitalClockWidget *m_clock = nullptr; // the view, once made
};

class AnalogClockPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override;
    void resume() override;
    AnalogClockWidget *clock() const { return m_clock; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void halt() override;

private:
    AnalogClockWidget *m_clock = nullptr;
};

class DigitalTimerPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override;
    void resume() override;
    DigitalTimerWin *timer() const { return m_timer; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void halt() override;

private:
    DigitalTimerWin *m_timer = nullptr;
};

#pragma once

// The players of the digital clock, the analog clock and the count timer.
// Each copies its item's block into its widget, sets the background and
// starts the widget's tick; the area's stay timer ends the item. Pausing
// stops the tick, so a paused count timer holds its count.

#include "playback/content/AnalogClockWidget.h"
#include "playback/content/DigitalTimerWin.h"
#include "playback/content/WidgetContentPlayer.h"
#include "playback/content/digitalClockWidget.h"

#include <QTimer>

// What the three share: a widget made on first use whose tickTimer runs
// every TickMs while its item shows.
template <typename TickingWidget, int TickMs>
class TickingPlayer : public WidgetContentPlayer
{
public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override { halt(); }
    void resume() override
    {
        if (!m_widget)
            return;
        startTicking();
        showView();
    }

protected:
    TickingWidget *widget()
    {
        if (!m_widget) {
            m_widget = new TickingWidget(area());
            adoptView(m_widget);
        }
        return m_widget;
    }
    // Starts the tick; a clock also reads the time at once.
    virtual void startTicking() { m_widget->tickTimer->start(TickMs); }
    void halt() override
    {
        if (m_widget)
            m_widget->tickTimer->stop();
    }

    TickingWidget *m_widget = nullptr; // the view, once made
};

class DigitalClockPlayer : public TickingPlayer<digitalClockWidget, 500>
{
public:
    using TickingPlayer::TickingPlayer;
    digitalClockWidget *clock() const { return m_widget; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void startTicking() override;
};

class AnalogClockPlayer : public TickingPlayer<AnalogClockWidget, 500>
{
public:
    using TickingPlayer::TickingPlayer;
    AnalogClockWidget *clock() const { return m_widget; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void startTicking() override;
};

class DigitalTimerPlayer : public TickingPlayer<DigitalTimerWin, 100>
{
public:
    using TickingPlayer::TickingPlayer;
    DigitalTimerWin *timer() const { return m_widget; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
};

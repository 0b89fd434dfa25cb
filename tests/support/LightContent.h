#pragma once

// Content players that cost next to nothing, for playing weeks of schedules:
// each shows an empty widget in its area. Made self-timed, a player ends its
// item after the item's stay (held by a pause, going on with what was left)
// as the picture player does; otherwise the area's own stay timer ends it,
// as for clocks and web pages. Installing the factory replaces the program's
// players for every area made afterwards.

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/content/ContentFactory.h"
#include "playback/content/ContentPlayer.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class LightPlayer : public ContentPlayer
{
public:
    LightPlayer(QWidget *area, bool timesItself) : m_area(area), m_timesItself(timesItself)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { reportFinished(true); });
    }
    ~LightPlayer() override { delete m_view; }

    QWidget *view() const override { return m_view; }
    bool timesItself() const override { return m_timesItself; }
    void pause() override
    {
        if (m_timer.isActive()) {
            m_left = m_timer.remainingTime();
            m_timer.stop();
        }
    }
    void resume() override
    {
        if (m_view)
            m_view->show();
        if (m_left >= 0)
            m_timer.start(m_left);
        m_left = -1;
    }
    void placeIn(const QRect &rect) override
    {
        m_rect = rect;
        if (m_view)
            m_view->setGeometry(rect);
    }
    // The timer that ends a self-timed item.
    const QTimer *timer() const { return &m_timer; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override
    {
        if (!m_view) {
            m_view = new QWidget(m_area);
            m_view->setGeometry(m_rect);
        }
        m_view->show();
        m_left = -1;
        if (m_timesItself && purpose == Purpose::RealPlay)
            m_timer.start(int(qMax<qint64>(1000, MediaKinds::staySeconds(*item) * 1000)));
    }
    void stopItem() override
    {
        m_timer.stop();
        m_left = -1;
        if (m_view)
            m_view->hide();
    }

private:
    QWidget *m_area;
    bool m_timesItself;
    QPointer<QWidget> m_view;
    QRect m_rect;
    QTimer m_timer;
    int m_left = -1;
};

class LightContent : public ContentFactory
{
public:
    explicit LightContent(bool timesItself) : m_timesItself(timesItself) { ContentFactory::install(this); }
    ~LightContent() override { ContentFactory::install(nullptr); }

    std::unique_ptr<ContentPlayer> create(MediaFamily, QWidget *area) override
    {
        return std::make_unique<LightPlayer>(area, m_timesItself);
    }

private:
    bool m_timesItself;
};

#pragma once

// A content factory for tests: it records which players it made and what
// each was asked, can make players that time their items themselves, and
// can refuse a family as a machine without libmpv refuses video.

#include "model/MediaKinds.h"
#include "model/QVLedMediaObject.h"
#include "playback/content/ContentFactory.h"
#include "playback/content/ContentPlayer.h"

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <stdexcept>

class FakePlayer : public ContentPlayer
{
public:
    FakePlayer(MediaFamily family, bool timesItself, QWidget *area)
        : family(family), area(area), m_timesItself(timesItself)
    { }
    ~FakePlayer() override { delete m_view; }

    QWidget *view() const override { return m_view; }
    bool timesItself() const override { return m_timesItself; }
    void pause() override { calls << QStringLiteral("pause"); }
    void resume() override { calls << QStringLiteral("resume"); }
    void placeIn(const QRect &rect) override
    {
        placedIn = rect;
        if (m_view)
            m_view->setGeometry(rect);
    }

    // The player's own end of the item it shows.
    void finish(bool succeeded) { reportFinished(succeeded); }
    // An end that arrives late, for a showing named before.
    void finishLate(quint64 ticket, bool succeeded) { reportFinished(ticket, succeeded); }

    const MediaFamily family;
    QWidget *const area;
    QStringList calls; // "show <kind>", "preview <kind>", "pause", "resume", "stop"
    QRect placedIn;
    quint64 shownTicket = 0; // ticket of the last real showing

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override
    {
        calls << (purpose == Purpose::RealPlay ? QStringLiteral("show ") : QStringLiteral("preview ")) + item->kind;
        if (purpose == Purpose::RealPlay)
            shownTicket = currentTicket();
        if (!m_view) {
            m_view = new QWidget(area);
            m_view->setGeometry(placedIn);
        }
        m_view->show();
    }
    void stopItem() override
    {
        calls << QStringLiteral("stop");
        if (m_view)
            m_view->hide();
    }

private:
    bool m_timesItself;
    QPointer<QWidget> m_view;
};

class RecordingFactory : public ContentFactory
{
public:
    RecordingFactory() { ContentFactory::install(this); }
    ~RecordingFactory() override { ContentFactory::install(nullptr); }

    std::unique_ptr<ContentPlayer> create(MediaFamily family, QWidget *area) override
    {
        if (refused.contains(family))
            throw std::runtime_error("could not create mpv context");
        auto player = std::make_unique<FakePlayer>(family, selfTimed.contains(family), area);
        made << player.get();
        return player;
    }

    // The players made for one area, in order.
    QList<FakePlayer *> madeFor(const QWidget *area) const
    {
        QList<FakePlayer *> players;
        for (FakePlayer *player : made) {
            if (player->area == area)
                players << player;
        }
        return players;
    }

    QList<MediaFamily> selfTimed;
    QList<MediaFamily> refused;
    QList<FakePlayer *> made; // owned by the areas; valid while they live
};

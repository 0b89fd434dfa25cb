#pragma once

// What the players of pictures, Office pages and texts share: they time
// their own pages, bring them in and out with the area's effects, and a
// pause holds both the running effect and the stay of the page shown, which
// a resume runs on for the rest of that page's stay.

#include "playback/content/ContentPlayer.h"

#include <QDateTime>
#include <QRect>
#include <QTimer>

class AreaEffects;

class PagedContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    explicit PagedContentPlayer(QWidget *area);
    ~PagedContentPlayer() override;

    bool timesItself() const override { return true; }
    void pause() override;
    void resume() override;

    // The stay of the page shown is over: it leaves, the next page comes, or the item ends.
    virtual void pageTimeout() = 0;

    // The effects of this player's pages, made when first needed.
    AreaEffects *effects();
    // The stay of the page shown now.
    QTimer *stayTimer() { return &m_stayTimer; }

protected:
    // Starts showing an item: nothing of the one before goes on.
    void beginItem(Purpose purpose);
    // The item is stopped: no stay, no effect.
    void endItem();
    bool showing() const { return m_showing; }
    bool realPlay() const { return m_realPlay; }
    bool paused() const { return m_paused; }

    // Times the page for `ms`, at least a second; a preview times nothing.
    void startStay(qint64 ms);
    void stopStay();

    QWidget *area() const { return m_area; }
    QRect contentRect() const { return m_contentRect; }
    void setContentRect(const QRect &rect) { m_contentRect = rect; }
    // The area's border, told by how far the content lies inside it.
    int border() const;
    bool effectRunning() const;

    virtual void entranceFinished() = 0;
    virtual void exitFinished() = 0;
    // What else a pause holds (music, a rolling text).
    virtual void pauseContent() { }
    virtual void resumeContent() { }

private:
    // An effect of the item shown now has ended (a stopped item hears of none).
    void onEntranceFinished();
    void onExitFinished();

    QWidget *m_area;
    QRect m_contentRect;
    AreaEffects *m_effects = nullptr;
    bool m_realPlay = false;
    bool m_showing = false;
    bool m_paused = false;

    QTimer m_stayTimer;
    qint64 m_stayMs = 0;
    QDateTime m_stayRunningSince;
    qint64 m_stayElapsedMs = 0;
    bool m_stayWasRunning = false;
};

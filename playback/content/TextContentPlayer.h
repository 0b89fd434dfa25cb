#pragma once

// Plays the four text kinds in an area: "simpleText" and "txt" page by page,
// "singleRowText" row by row, each page for the item's stay time with its
// entrance and exit effects, and "scrollingText" rolling along one line for
// its play duration or for one pass. Times itself: it reports the item over
// after its last page, its duration, or its pass.
//
// The text widget and the effects' covers are made the first time they are
// needed.

#include "playback/content/ContentPlayer.h"

#include "model/MediaProperties.h"

#include <QDateTime>
#include <QTimer>

class AreaEffects;
class textWidget;

class TextContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    explicit TextContentPlayer(QWidget *area);
    ~TextContentPlayer() override;

    QWidget *view() const override;
    bool timesItself() const override { return true; }
    void pause() override;
    void resume() override;
    void placeIn(const QRect &contentRect) override;

    // The stay of the current page (or the duration of a rolling text) is
    // over: it leaves, the next page comes, or the item ends (the area's slotPlayTextTimeout).
    void pageTimeout();
    // A one-pass rolling text has completed its pass (the area's textPlayFinished).
    void passFinished();

    // ---- what it shows, for the area and for tests ----
    textWidget *widget();
    QTimer *stayTimer() { return &m_stayTimer; }
    AreaEffects *effects();

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;

private:
    void fillWidget(const QVLedMediaObject &item);
    void enter();
    // Times the page (or the rolling text) for `ms`, at least a second; a preview times nothing.
    void startStay(qint64 ms);
    qint64 pageStayMs() const;
    qint64 durationMs() const;
    void onEntranceFinished();
    void onExitFinished();
    // The next page or row, or the end of the item.
    void nextPage(bool afterExit);
    void finish();
    int border() const;

    QWidget *m_area;
    textWidget *m_widget = nullptr;
    AreaEffects *m_effects = nullptr;
    QRect m_contentRect;

    TextProperty m_text; // the item's block as it was shown
    bool m_realPlay = false;
    bool m_showing = false;

    QTimer m_stayTimer;
    qint64 m_stayMs = 0;
    QDateTime m_stayRunningSince;
    qint64 m_stayElapsedMs = 0;
    bool m_paused = false;
    bool m_stayWasRunning = false;
};

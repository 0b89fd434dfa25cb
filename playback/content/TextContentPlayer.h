#pragma once

// Plays the four text kinds in an area: "simpleText" and "txt" page by page,
// "singleRowText" row by row, each page for the item's stay time with its
// entrance and exit effects, and "scrollingText" rolling along one line for
// its play duration or for one pass. It reports the item over after its
// last page, its duration, or its pass.
//
// The text widget and the effects' covers are made the first time they are
// needed.

#include "playback/content/PagedContentPlayer.h"

#include "model/MediaProperties.h"

class textWidget;

class TextContentPlayer : public PagedContentPlayer
{
    Q_OBJECT

public:
    explicit TextContentPlayer(QWidget *area);
    ~TextContentPlayer() override;

    QWidget *view() const override;
    void placeIn(const QRect &contentRect) override;
    // The stay of the page (or the duration of a rolling text) is over (the area's slotPlayTextTimeout).
    void pageTimeout() override;
    // A one-pass rolling text has completed its pass (the area's textPlayFinished).
    void passFinished();

    textWidget *widget();

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;
    void entranceFinished() override;
    void exitFinished() override;
    void pauseContent() override;
    void resumeContent() override;

private:
    void fillWidget(const QVLedMediaObject &item);
    void enter();
    qint64 pageStayMs() const;
    qint64 durationMs() const;
    // The next page or row, or the end of the item.
    void nextPage(bool afterExit);
    void finish();
    // Where the text rests: two pixels inside the content on the right and at the bottom.
    QRect textRect() const { return contentRect().adjusted(0, 0, -2, -2); }

    textWidget *m_widget = nullptr;
    TextProperty m_text; // the item's block as it was shown
};

#pragma once

// The player of web-page items. Its web view is made the first time a page
// shows in the area, so no web engine starts for a schedule without pages.
// A page that does not load (no server answers, no such file) shows nothing
// and ends as failed after the area's shortest stay, like a picture that
// cannot show; why is written to the log once while the page keeps failing.

#include "playback/content/WidgetContentPlayer.h"

class UrlWin;

class UrlPlayer : public WidgetContentPlayer
{
    Q_OBJECT

public:
    using WidgetContentPlayer::WidgetContentPlayer;
    void pause() override { }
    void resume() override;
    UrlWin *page() const { return m_page; }

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;

private:
    // The page's load is over; a failed one ends the item shown as failed.
    void pageLoaded(bool ok);

    UrlWin *m_page = nullptr;
};

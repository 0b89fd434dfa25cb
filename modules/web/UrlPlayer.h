#pragma once

// The player of web-page items. Its web view is made the first time a page
// shows in the area, so no web engine starts for a schedule without pages.

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
    UrlWin *m_page = nullptr;
};

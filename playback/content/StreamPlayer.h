#pragma once

// The player of "streaming" items in one area: a second PlayLabel (libmpv)
// that opens the item's address (rtmp, http or a file) at the item's volume.
// The area's stay timer ends the item; the stream is closed when its item
// ends and when the area stops, so it never plays on under the next item. A
// stream that cannot be opened or played (refused, a redirect loop, no
// video in what comes) ends after a second and is logged as failed.

#include "playback/content/ContentPlayer.h"

#include <QPointer>

class PlayLabel;

class StreamPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    // Makes the label in the area; throws std::runtime_error when libmpv
    // cannot be set up.
    explicit StreamPlayer(QWidget *area);
    ~StreamPlayer() override;

    QWidget *view() const override;
    bool timesItself() const override { return false; }
    void pause() override;
    void resume() override;
    void placeIn(const QRect &contentRect) override;

    PlayLabel *playLabel() const { return m_label; }
    // The volume of the stream playing now (the panel's live edit); nothing
    // happens while no stream is open.
    void setVolume(int volume);

protected:
    void showItem(QVLedMediaObject *item, Purpose purpose) override;
    void stopItem() override;

private:
    void openFailed(const QString &address);

    QPointer<PlayLabel> m_label;
    bool m_open = false;
};

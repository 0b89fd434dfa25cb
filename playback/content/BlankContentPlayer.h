#pragma once

// The player of a family whose content is not built yet: it shows nothing
// and makes no widget; the area's stay timer ends each item, so the area
// stays empty for the item's stay time and the item is logged as played.

#include "playback/content/ContentPlayer.h"

class BlankContentPlayer : public ContentPlayer
{
    Q_OBJECT

public:
    QWidget *view() const override { return nullptr; }
    bool timesItself() const override { return false; }
    void pause() override { }
    void resume() override { }
    void placeIn(const QRect &) override { }

protected:
    void showItem(QVLedMediaObject *, Purpose) override { }
    void stopItem() override { }
};

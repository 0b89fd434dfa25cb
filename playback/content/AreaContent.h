#pragma once

// The content players of one area, one per media family, each made on first
// use through the ContentFactory and kept until the area goes. An area of
// text items alone never makes a video player, so a display window of many
// areas holds only the players its items need.

#include "model/MediaKinds.h"

#include <QRect>
#include <QString>

#include <map>
#include <memory>

class ContentPlayer;
class QWidget;

class AreaContent
{
public:
    explicit AreaContent(QWidget *area);
    ~AreaContent();
    AreaContent(const AreaContent &) = delete;
    AreaContent &operator=(const AreaContent &) = delete;

    // The family's player, or null when none has been made yet.
    ContentPlayer *find(MediaFamily family) const;
    // Makes the family's player and places it in the content rectangle.
    // Null when it cannot start; `error` then says why.
    ContentPlayer *make(MediaFamily family, QString *error);

    // Every player made so far.
    void stopAll();
    void placeAll(const QRect &contentRect);
    int count() const { return int(m_players.size()); }

private:
    QWidget *m_area; // not owned: the area these players show in
    QRect m_contentRect;
    std::map<MediaFamily, std::unique_ptr<ContentPlayer>> m_players;
};

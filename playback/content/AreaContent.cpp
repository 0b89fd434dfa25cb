// Players of one area, made on first use; a player that cannot start is
// reported, not fatal.

#include "playback/content/AreaContent.h"

#include "playback/content/ContentFactory.h"
#include "playback/content/ContentPlayer.h"

#include <exception>

AreaContent::AreaContent(QWidget *area) : m_area(area)
{ }

// Runs before the area's widgets go, so each player can still take its view down.
AreaContent::~AreaContent() = default;

ContentPlayer *AreaContent::find(MediaFamily family) const
{
    const auto found = m_players.find(family);
    return found == m_players.end() ? nullptr : found->second.get();
}

ContentPlayer *AreaContent::make(MediaFamily family, QString *error)
{
    std::unique_ptr<ContentPlayer> player;
    try {
        player = ContentFactory::current().create(family, m_area);
    } catch (const std::exception &failure) {
        *error = QString::fromLocal8Bit(failure.what());
        return nullptr;
    }
    if (!player) {
        *error = QStringLiteral("the factory made no player");
        return nullptr;
    }
    player->placeIn(m_contentRect);
    ContentPlayer *made = player.get();
    m_players[family] = std::move(player);
    return made;
}

void AreaContent::stopAll()
{
    for (auto &entry : m_players)
        entry.second->stop();
}

void AreaContent::placeAll(const QRect &contentRect)
{
    m_contentRect = contentRect;
    for (auto &entry : m_players)
        entry.second->placeIn(contentRect);
}

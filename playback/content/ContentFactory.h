#pragma once

// Makes the player of a media family for one area, the first time the area
// needs it. The one switch from family to player class lives in create();
// each content player replaces its family's line there. Tests install a
// factory of their own to count what is made or to make a player that
// cannot start.

#include "model/MediaKinds.h"

#include <memory>

class ContentPlayer;
class QWidget;

class ContentFactory
{
public:
    virtual ~ContentFactory() = default;

    // The factory in use; installing null restores the program's own.
    static ContentFactory &current();
    static void install(ContentFactory *factory);

    // A new player of `family` whose views will be children of `area`; the
    // caller owns it. Throws std::runtime_error when the player cannot start
    // on this machine (the video player without a working libmpv, a family
    // whose module cannot be loaded, such as the web page or the camera); the
    // area then logs its item as failed and goes on.
    virtual std::unique_ptr<ContentPlayer> create(MediaFamily family, QWidget *area);
};

#pragma once

// The video panel: the path, volume, play range, scale, rotation and cover text
// of a "video" item, with live edits of the preview player.

#include "panels/MediaPanel.h"

class VideoPanel : public MediaPanel
{
    Q_OBJECT

public:
    VideoPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

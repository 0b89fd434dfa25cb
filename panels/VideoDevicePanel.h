#pragma once

// The camera panel: background and play time of a "videoDevice" item.

#include "panels/MediaPanel.h"

class VideoDevicePanel : public MediaPanel
{
    Q_OBJECT

public:
    VideoDevicePanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

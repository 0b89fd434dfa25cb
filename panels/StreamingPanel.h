#pragma once

// The streaming panel: address, volume and play time of a "streaming" item.

#include "panels/MediaPanel.h"

class StreamingPanel : public MediaPanel
{
    Q_OBJECT

public:
    StreamingPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

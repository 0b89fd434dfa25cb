#pragma once

// The web-page panel: address (or a local page), transparency and play time of
// a "URL" item.

#include "panels/MediaPanel.h"

class UrlPanel : public MediaPanel
{
    Q_OBJECT

public:
    UrlPanel(PanelHost &host, QWidget *windowPanel);

    void trUpdate() override;
};

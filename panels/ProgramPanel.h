#pragma once

// The program panel: name, background colour and picture, display type,
// background music and how long the program plays.

#include "panels/PropertyPanel.h"

class ProgramPanel : public PropertyPanel
{
    Q_OBJECT

public:
    ProgramPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
};

// The place and the host shared by every property panel.

#include "panels/PropertyPanel.h"

PropertyPanel::PropertyPanel(PanelHost &host, QWidget *parent) : QLabel(parent), m_host(host)
{
    hide();
}

void PropertyPanel::placeInPropertyArea()
{
    const QWidget *area = parentWidget();
    if (!area)
        return;
    setGeometry(314, 50, area->width() - 322, area->height() - 56);
}

// The window panel: its place, the place of its media table, and its texts.

#include "panels/WindowPanel.h"

#include <QHeaderView>
#include <QTableWidget>

WindowPanel::WindowPanel(PanelHost &host, QWidget *workArea) : PropertyPanel(host, workArea)
{
    placeInPropertyArea();
    m_mediaTable = new QTableWidget(0, 1, this);
    m_mediaTable->horizontalHeader()->hide();
    m_mediaTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    placeMediaTable();
}

void WindowPanel::trUpdate()
{
    // no texts of its own yet
}

void WindowPanel::relayout()
{
    placeInPropertyArea();
    placeMediaTable();
}

void WindowPanel::placeMediaTable()
{
    // Under the property group and the button bar, leaving the lowest 220 pixels to the media panels.
    m_mediaTable->setGeometry(0, 160, width(), height() - 380);
    m_mediaTable->setColumnWidth(0, width());
}

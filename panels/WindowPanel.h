#pragma once

// The window panel: the property panel of a window (area) of a program. Its
// upper part edits the window's name, border and geometry; below lies the
// media table, one row per media item in play order; the ten media panels
// are its children, against its lower edge, so hiding it hides them too.

#include "panels/PropertyPanel.h"

class QTableWidget;

class WindowPanel : public PropertyPanel
{
    Q_OBJECT

public:
    WindowPanel(PanelHost &host, QWidget *workArea);

    void trUpdate() override;
    // Placed again, with its media table, when the main window is maximised
    // or restored; the media panels follow through their own relayout().
    void relayout();

    // One column as wide as the panel, no header, not editable.
    QTableWidget *mediaTable() const { return m_mediaTable; }

private:
    void placeMediaTable();

    QTableWidget *m_mediaTable = nullptr;
};

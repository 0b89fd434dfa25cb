#pragma once

// What every property panel of the main window has: the host it asks for the
// selected records, its own retranslation, and the place of the property area.

#include <QLabel>

class PanelHost;

class PropertyPanel : public QLabel
{
    Q_OBJECT

public:
    // The panel is made hidden; the main window shows one panel at a time.
    PropertyPanel(PanelHost &host, QWidget *parent);

    // Sets every visible text of the panel again in the current language. A
    // retranslation never writes a record.
    virtual void trUpdate() = 0;
    // Fills the controls again from the record the panel shows, with their
    // signals held. The main window calls it on the shown panel after
    // trUpdate() refilled the translated boxes, so a box never shows a value
    // its record lacks. A panel without such boxes has nothing to do.
    virtual void refill() {}

protected:
    PanelHost &host() const { return m_host; }
    // The property area of the main window's work area: 314, 50, reaching to
    // 8 pixels from its right edge and 6 pixels from its bottom edge.
    void placeInPropertyArea();

private:
    PanelHost &m_host;
};

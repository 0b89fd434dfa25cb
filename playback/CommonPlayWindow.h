#pragma once

// One area of a display window: the rectangle of a window record, which
// plays that window's media items in turn.

#include <QColor>
#include <QLabel>

class CommonWinObject;
class MainPlayBKLabel;

class CommonPlayWindow : public QLabel
{
    Q_OBJECT

public:
    CommonPlayWindow(CommonWinObject *window, MainPlayBKLabel *owner);

    CommonWinObject *winObject = nullptr; // not owned
    MainPlayBKLabel *owner = nullptr;
    QString segmentType;
    QColor borderColour;
    int borderWidth = 0;
    bool selected = false;
    bool borderEnabled = false;

    // Places the content inside the border.
    void relayoutChildren();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

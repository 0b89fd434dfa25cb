#pragma once

// One display window on the desktop: a frameless top-level window at the
// geometry of its record, holding one area player per window record shown
// in it.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QList>

class CommonPlayWindow;
class CommonWinObject;
class Widget;

class MainPlayBKLabel : public QLabel
{
    Q_OBJECT

public:
    MainPlayBKLabel(const QString &name, Widget *mainWindow, QWidget *parent);

    QString name;
    bool showNameMarks = true;
    QColor backgroundColour{0, 0, 0};
    QString backgroundImagePath;
    QList<CommonPlayWindow *> playWindows; // lowest layer first
    Widget *mainWindow = nullptr;
    bool playing = false;
    bool locked = false;
    QImage backgroundImage;
    CommonPlayWindow *currentPlayWindow = nullptr;

    void setBackgroundImage(const QString &path);
    // Shows the area of the record, making its area player when none exists.
    void addCommonWin(bool exclusive, CommonWinObject *window, const QString &segmentType);
    // The first area player of the record takes the record's border, position and size.
    void updateWindowGeometry(CommonWinObject *window);
    void setWindowSelected(CommonWinObject *window, bool selected);
    void hideAllWindows();
    // Ends the editor's previews: every area goes black and empty.
    void stopAllWindows();
    // Leaves real play, when it plays.
    void resetAllWindows();
    void hideWindowsNamed(CommonWinObject *window);
    // Takes the area player out of the list and deletes it.
    void removePlayWindow(CommonPlayWindow *playWindow);

protected:
    void paintEvent(QPaintEvent *event) override;
};

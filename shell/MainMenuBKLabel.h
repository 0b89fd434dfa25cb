#pragma once

// The drop-down main menu: a frameless window of four sections of command
// buttons that the tool strip's "menu" button opens. It hides itself as soon
// as another window becomes active, so a command that opens a dialog closes it.

#include <QLabel>

class Widget;
class menuButton;

class MainMenuBKLabel : public QLabel
{
    Q_OBJECT

public:
    // The main window passes itself for both: it receives the commands and
    // owns the menu.
    MainMenuBKLabel(Widget *widget, QWidget *parent);

    Widget *widget;
    menuButton *newButton = nullptr;
    menuButton *openButton = nullptr;
    menuButton *saveButton = nullptr;
    menuButton *saveAsButton = nullptr;
    menuButton *playButton = nullptr;
    menuButton *pauseButton = nullptr;
    menuButton *stopButton = nullptr;
    menuButton *setBootButton = nullptr;
    menuButton *setPlayButton = nullptr;
    menuButton *languageButton = nullptr;
    menuButton *helpButton = nullptr;

    // Sets the button captions in the current language. The section headers
    // keep the language the menu was built in.
    void trUpdate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#pragma once

// The choice of the back-stage screen when the desktop has more than two:
// one radio button per screen after the primary one. OK accepts the dialog
// with the chosen index; Cancel and the window's frame reject it.

#include <QDialog>
#include <QList>

class QPushButton;
class QRadioButton;
struct ScreenRect;

class ExtendWin : public QDialog
{
    Q_OBJECT

public:
    // Offers the screens of the list from its second entry on.
    ExtendWin(QWidget *parent, const QList<ScreenRect> &screens);

    QList<QRadioButton *> screenButtons;
    bool cancelled = true;
    int chosenIndex = -1; // among screenButtons
    QPushButton *okButton;
    QPushButton *cancelButton;

public slots:
    void slotSure();
    void slotCancel();
};

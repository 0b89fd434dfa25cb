#pragma once

// The start-up settings: start at log-on, open and play a schedule by itself,
// and which (a chosen file or the last played one). OK accepts the dialog;
// Cancel, Escape and the close of the window reject it, and the caller
// decides by the result of exec().

#include "shell/dialogs/FramelessDialog.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class BootSetupWin : public FramelessDialog
{
    Q_OBJECT

public:
    explicit BootSetupWin(QWidget *parent);

    bool cancelled = false;
    QCheckBox *startBox;
    QCheckBox *autoPlayBox;
    QGroupBox *optionBox;
    QRadioButton *chosenSchemeRadio;
    QLineEdit *schemePathEdit;
    QPushButton *selectButton;
    QRadioButton *lastSchemeRadio;
    QPushButton *okButton;
    QPushButton *cancelButton;

    void trUpdate() override;

public slots:
    // Enables or disables the four option controls together.
    void enablePlay(bool on);
    // Lets the operator pick the schedule; a cancelled choice keeps the path.
    void slotLoad();
    void slotSure();
    void slotCancel();
};

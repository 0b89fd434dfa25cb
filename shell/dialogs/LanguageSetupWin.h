#pragma once

// The language choice: Simplified Chinese or English. OK accepts the dialog
// with the checked language; Cancel, Escape and the close of the window
// reject it, and the caller decides by the result of exec().

#include "shell/dialogs/FramelessDialog.h"

class QCheckBox;
class QPushButton;

class LanguageSetupWin : public FramelessDialog
{
    Q_OBJECT

public:
    explicit LanguageSetupWin(QWidget *parent);

    bool cancelled = false;
    int languageIndex = 0; // 0 Chinese, 1 English
    QCheckBox *chineseBox;
    QCheckBox *englishBox;
    QPushButton *okButton;
    QPushButton *cancelButton;

    void trUpdate() override;

public slots:
    void slotSure();
    void slotCancel();
};

#pragma once

// Name, position, size and on-top mode of one display window. OK refuses an
// empty name and a name another display window already has.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class DisplaySettingsDialog : public QDialog
{
    Q_OBJECT

public:
    // takenNames: the names of the other display windows (the edited one's own name is not among them).
    DisplaySettingsDialog(QWidget *parent, const QStringList &takenNames);

    QLabel *nameLabel;
    QLineEdit *nameEdit;
    QLabel *xLabel;
    QSpinBox *xSpin;
    QLabel *yLabel;
    QSpinBox *ySpin;
    QLabel *widthLabel;
    QSpinBox *widthSpin;
    QLabel *heightLabel;
    QSpinBox *heightSpin;
    QLabel *onTopLabel;
    QRadioButton *neverRadio;
    QRadioButton *alwaysRadio;
    QRadioButton *playingRadio;
    QPushButton *okButton;
    QPushButton *cancelButton;
    int outcome = -1; // -1 open, 0 cancelled, 1 accepted

    int onTopMode() const;
    void setOnTopMode(int mode);

public slots:
    void sureBtnSlot();
    void cancelBtnSlot();

private:
    QStringList m_takenNames;
};

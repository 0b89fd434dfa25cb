// The start-up settings dialog.

#include "shell/dialogs/BootSetupWin.h"

#include "base/Prompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

BootSetupWin::BootSetupWin(QWidget *parent) : FramelessDialog(parent, QSize(450, 350))
{
    startBox = new QCheckBox(this);
    startBox->setGeometry(20, 44, 180, 30);
    autoPlayBox = new QCheckBox(this);
    autoPlayBox->setGeometry(20, 90, 180, 30);
    // The frame only frames: the radio buttons belong to the dialog, so one of them is always checked.
    optionBox = new QGroupBox(this);
    optionBox->setGeometry(20, 130, 410, 140);
    chosenSchemeRadio = new QRadioButton(this);
    chosenSchemeRadio->setGeometry(40, 160, 250, 26);
    chosenSchemeRadio->setChecked(true);
    schemePathEdit = new QLineEdit(this);
    schemePathEdit->setGeometry(40, 190, 300, 26);
    schemePathEdit->setReadOnly(true);
    selectButton = new QPushButton(this);
    selectButton->setGeometry(350, 190, 60, 26);
    lastSchemeRadio = new QRadioButton(this);
    lastSchemeRadio->setGeometry(40, 220, 250, 26);
    okButton = new QPushButton(this);
    okButton->setGeometry(60, 300, 80, 30);
    cancelButton = new QPushButton(this);
    cancelButton->setGeometry(330, 300, 80, 30);

    connect(okButton, &QPushButton::clicked, this, &BootSetupWin::slotSure);
    connect(cancelButton, &QPushButton::clicked, this, &BootSetupWin::slotCancel);
    connect(selectButton, &QPushButton::clicked, this, &BootSetupWin::slotLoad);
    connect(autoPlayBox, &QCheckBox::toggled, this, &BootSetupWin::enablePlay);
    enablePlay(false);
    trUpdate();
}

void BootSetupWin::trUpdate()
{
    titleLabel()->setText(tr("Startup settings"));
    startBox->setText(tr("Start-up"));
    autoPlayBox->setText(tr("Auto play"));
    optionBox->setTitle(tr("Option"));
    chosenSchemeRadio->setText(tr("Select the scheme"));
    selectButton->setText(tr("select"));
    lastSchemeRadio->setText(tr("Play the last play scheme"));
    okButton->setText(tr("ok"));
    cancelButton->setText(tr("cancel"));
}

void BootSetupWin::enablePlay(bool on)
{
    for (QWidget *control : {static_cast<QWidget *>(chosenSchemeRadio), static_cast<QWidget *>(schemePathEdit),
                             static_cast<QWidget *>(selectButton), static_cast<QWidget *>(lastSchemeRadio)})
        control->setEnabled(on);
}

void BootSetupWin::slotLoad()
{
    const QString path = Prompts::current().openFileName(
        this, tr("Open"), QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), tr("Schedule(*.qvsc)"));
    if (!path.isEmpty())
        schemePathEdit->setText(path);
}

void BootSetupWin::slotSure()
{
    cancelled = false;
    accept();
}

void BootSetupWin::slotCancel()
{
    cancelled = true;
    reject();
}

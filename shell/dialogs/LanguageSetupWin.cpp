// The language dialog.

#include "shell/dialogs/LanguageSetupWin.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

LanguageSetupWin::LanguageSetupWin(QWidget *parent) : FramelessDialog(parent, QSize(320, 220))
{
    // The two names are written in their own language and never translated.
    chineseBox = new QCheckBox(QStringLiteral("简体中文"), this);
    chineseBox->setGeometry(80, 60, 180, 30);
    englishBox = new QCheckBox(QStringLiteral("English"), this);
    englishBox->setGeometry(80, 110, 180, 30);
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    group->addButton(chineseBox);
    group->addButton(englishBox);

    okButton = new QPushButton(this);
    okButton->setGeometry(60, 160, 80, 30);
    cancelButton = new QPushButton(this);
    cancelButton->setGeometry(180, 160, 80, 30);
    connect(okButton, &QPushButton::clicked, this, &LanguageSetupWin::slotSure);
    connect(cancelButton, &QPushButton::clicked, this, &LanguageSetupWin::slotCancel);
    trUpdate();
}

void LanguageSetupWin::trUpdate()
{
    titleLabel()->setText(tr("Language setting"));
    cancelButton->setText(tr("cancel"));
    okButton->setText(tr("ok"));
}

void LanguageSetupWin::slotSure()
{
    cancelled = false;
    if (chineseBox->isChecked())
        languageIndex = 0;
    else if (englishBox->isChecked())
        languageIndex = 1;
    accept();
}

void LanguageSetupWin::slotCancel()
{
    cancelled = true;
    reject();
}

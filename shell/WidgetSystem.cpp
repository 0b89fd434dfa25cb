// The system commands of the main menu: the start-up settings with the
// start at log-on, and the play-log viewer; and the dialogs the main window
// makes once and keeps hidden.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "platform/AutoStart.h"
#include "shell/Settings.h"
#include "shell/Widget.h"
#include "shell/dialogs/BootSetupWin.h"
#include "shell/dialogs/JournalWin.h"
#include "shell/dialogs/LanguageSetupWin.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

JournalWin *Widget::journalWin()
{
    if (!m_journalWin)
        m_journalWin = new JournalWin(this);
    return m_journalWin;
}

LanguageSetupWin *Widget::languageWin()
{
    if (!m_languageWin)
        m_languageWin = new LanguageSetupWin(this);
    return m_languageWin;
}

BootSetupWin *Widget::bootSetupWin()
{
    if (!m_bootSetupWin)
        m_bootSetupWin = new BootSetupWin(this);
    return m_bootSetupWin;
}

bool Widget::isWow64()
{
    return AutoStart::isWow64();
}

void Widget::slotSetBoot()
{
    BootSetupWin *dialog = bootSetupWin();
    dialog->startBox->setChecked(AppContext::Start == 1);
    dialog->autoPlayBox->setChecked(AppContext::Play == 1);
    dialog->enablePlay(AppContext::Play == 1);
    if (AppContext::PlayType == 0)
        dialog->chosenSchemeRadio->setChecked(true);
    else if (AppContext::PlayType == 1)
        dialog->lastSchemeRadio->setChecked(true);
    dialog->schemePathEdit->setText(AppContext::SchemePath);
    // Escape and the window's close mean Cancel.
    if (Prompts::current().execDialog(dialog) != QDialog::Accepted || dialog->cancelled)
        return;

    // "Start" says what the system will really do at log-on: it changes only
    // when the entry could be written (or taken away).
    const bool startUp = dialog->startBox->isChecked();
    AutoStart::Failure failure;
    const bool entryChanged = AutoStart::apply(startUp, &failure);
    if (entryChanged)
        AppContext::Start = startUp ? 1 : 0;
    AppContext::Play = dialog->autoPlayBox->isChecked() ? 1 : 0;
    if (dialog->chosenSchemeRadio->isChecked())
        AppContext::PlayType = 0;
    else if (dialog->lastSchemeRadio->isChecked())
        AppContext::PlayType = 1;
    AppContext::SchemePath = dialog->schemePathEdit->text();
    // A schedule never saved has no path: the last played one stays the one to recover.
    if (!AppContext::currentSchedulePath.isEmpty())
        AppContext::LastSchemePath = AppContext::currentSchedulePath;
    QString problem;
    if (!writeSettings(&problem))
        Prompts::current().information(this, tr("info"), problem);
    if (!entryChanged)
        Prompts::current().information(
            this, tr("info"), tr("The start-up entry %1 could not be changed: %2").arg(failure.file, failure.reason));
}

void Widget::slotSetPlay()
{
    journalWin()->clearResult();
    journalWin()->show();
    journalWin()->raise();
    journalWin()->activateWindow();
}

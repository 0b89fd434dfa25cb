// The language command and the retranslation of the main window: the tool
// strip's captions from the window's state, every panel's own texts, and the
// shown panels filled again from their records.

#include "base/AppContext.h"
#include "base/Prompts.h"
#include "editor/ProjectTree.h"
#include "editor/ProjectWidget.h"
#include "model/ScheduleRecords.h"
#include "panels/PropertyPanel.h"
#include "panels/TimingSegmentTimePropertyWin.h"
#include "shell/MainMenuBKLabel.h"
#include "shell/Settings.h"
#include "shell/Widget.h"
#include "shell/dialogs/BootSetupWin.h"
#include "shell/dialogs/JournalWin.h"
#include "shell/dialogs/LanguageSetupWin.h"
#include "shell/menuButton.h"
#include "shell/newDisplayWindowButton.h"

#include <QCheckBox>

void Widget::slotSetupLanguage()
{
    if (AppContext::Language == 0)
        languageWin()->chineseBox->setChecked(true);
    else if (AppContext::Language == 1)
        languageWin()->englishBox->setChecked(true);
    // Escape and the window's close mean Cancel, whatever the dialog's last use left.
    if (Prompts::current().execDialog(languageWin()) != QDialog::Accepted || languageWin()->cancelled)
        return;
    AppContext::Language = languageWin()->languageIndex;
    QString problem;
    if (!writeSettings(&problem))
        Prompts::current().information(this, tr("info"), problem);
    AppContext::loadCatalogues();
    retranslateAll();
}

void Widget::retranslateAll()
{
    if (m_timePointDialog)
        m_timePointDialog->trUpdate();
    // Dialogs not made yet are made in the language of their day.
    if (m_languageWin)
        m_languageWin->trUpdate();
    if (m_bootSetupWin)
        m_bootSetupWin->trUpdate();
    if (m_journalWin)
        m_journalWin->trUpdate();
    mainMenu->trUpdate();
    for (ProjectWidget *panel : qAsConst(projectWidgets))
        panel->tree()->updateMenuTexts();
    for (newDisplayWindowButton *tab : qAsConst(displayWindowButtons))
        tab->trUpdate();
    trUpdate();
}

void Widget::updateToolStripCaptions()
{
    menuToolButton->caption = tr("menu");
    monitorButton->caption = tr("monitor");
    backstageButton->caption
        = currentPlayWinObject && currentPlayWinObject->backStage ? tr("frontground") : tr("background");
    winUpButton->caption = workArea->isHidden() ? tr("win-show") : tr("win-up");
    lockButton->caption = m_displayWindowsLocked ? tr("winunlock") : tr("winlock");
    hideButton->caption = m_currentHidden ? tr("winshow") : tr("winhide");
    // The face the button shows now, kept in step with playPaused wherever it changes.
    playButton->caption = playPaused ? tr("play") : tr("pause");
    stopButton->caption = tr("stop");
    for (menuButton *button :
         {menuToolButton, monitorButton, backstageButton, winUpButton, lockButton, hideButton, playButton, stopButton})
        button->update();
}

void Widget::refillShownPanels()
{
    for (PropertyPanel *panel : workArea->findChildren<PropertyPanel *>()) {
        if (panel->isVisibleTo(workArea))
            panel->refill();
    }
}

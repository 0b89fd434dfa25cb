#pragma once

// Answers the program's questions, dialogs and menus by script and records
// what was asked.

#include "base/Prompts.h"

#include <QAction>
#include <QDialog>
#include <QList>
#include <QStringList>

#include <functional>

class ScriptedPrompts : public Prompts
{
public:
    ScriptedPrompts() { Prompts::install(this); }
    ~ScriptedPrompts() override { Prompts::install(nullptr); }

    // Called with each dialog instead of exec(); returns what exec() would.
    std::function<int(QDialog *)> onDialog = [](QDialog *) { return int(QDialog::Rejected); };
    QMessageBox::StandardButton answer = QMessageBox::No;
    QString fileName;
    QStringList informations; // texts of the information boxes shown
    QStringList questions;
    QStringList fileDialogs;  // titles of the file dialogs shown
    QList<QMenu *> menus;     // menus shown
    QColor colourAnswer;      // invalid: the colour dialog is cancelled
    QList<QColor> colourDialogs; // the colour each colour dialog opened with

    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton) override
    {
        questions << text;
        return answer;
    }
    void information(QWidget *, const QString &, const QString &text) override { informations << text; }
    int execDialog(QDialog *dialog) override { return onDialog(dialog); }
    // Chooses an entry of each menu shown (null: the menu is closed); the
    // chosen entry is triggered, as a real menu does.
    std::function<QAction *(QMenu *)> onMenu = [](QMenu *) { return nullptr; };
    QAction *execMenu(QMenu *menu, const QPoint &) override
    {
        menus << menu;
        QAction *chosen = onMenu(menu);
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    QString openFileName(QWidget *, const QString &title, const QString &, const QString &) override
    {
        fileDialogs << title;
        return fileName;
    }
    QString saveFileName(QWidget *, const QString &title, const QString &, const QString &) override
    {
        fileDialogs << title;
        return fileName;
    }
    QColor colour(QWidget *, const QColor &initial) override
    {
        colourDialogs << initial;
        return colourAnswer;
    }
};

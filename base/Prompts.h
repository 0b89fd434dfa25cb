#pragma once

// Every message box, file dialog, colour dialog, modal dialog and context
// menu of the program goes through the one Prompts object. The program shows
// the real thing; tests install their own object that answers by script.
// Results are read from what exec() returns, so Escape and the window's
// close button mean Cancel.

#include <QColor>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>

class QAction;
class QDialog;
class QMenu;
class QWidget;

class Prompts
{
public:
    virtual ~Prompts() = default;

    // The object in use; installing null restores the real one.
    static Prompts &current();
    static void install(Prompts *prompts);

    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    // QDialog::Accepted or QDialog::Rejected.
    virtual int execDialog(QDialog *dialog);
    // The chosen action, or null.
    virtual QAction *execMenu(QMenu *menu, const QPoint &globalPos);
    // Empty when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter);
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter);
    // Invalid when cancelled.
    virtual QColor colour(QWidget *parent, const QColor &initial);

    // Several existing files at once; empty when cancelled.
    virtual QStringList openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                      const QString &filter);
    // Shows a box that keeps the operator waiting (modal, without buttons) and
    // returns at once; the caller updates it and closes it when the work is done.
    virtual void showProgress(QDialog *box);
};

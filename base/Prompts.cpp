#include "base/Prompts.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>

namespace {
Prompts *installed = nullptr;
}

Prompts &Prompts::current()
{
    static Prompts real;
    return installed ? *installed : real;
}

void Prompts::install(Prompts *prompts)
{
    installed = prompts;
}

QMessageBox::StandardButton Prompts::question(QWidget *parent, const QString &title, const QString &text,
                                              QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

void Prompts::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

int Prompts::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

QAction *Prompts::execMenu(QMenu *menu, const QPoint &globalPos)
{
    return menu->exec(globalPos);
}

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QColor Prompts::colour(QWidget *parent, const QColor &initial)
{
    return QColorDialog::getColor(initial, parent);
}

QStringList Prompts::openFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                   const QString &filter)
{
    return QFileDialog::getOpenFileNames(parent, caption, dir, filter);
}

void Prompts::showProgress(QDialog *box)
{
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

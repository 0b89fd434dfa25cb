#pragma once

// Small looks into the program's state, shared by the tests of the main window.

#include "support/FileSizeLimit.h"
#include "shell/Widget.h"
#include "shell/newDisplayWindowButton.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>


inline QStringList tabNames(const Widget &w)
{
    QStringList names;
    for (const newDisplayWindowButton *tab : w.displayWindowButtons)
        names << tab->name;
    return names;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#pragma once

// Small looks into the program's state, shared by the tests of the main window.

#include "model/QVLedMediaObject.h"
#include "model/ScheduleRecords.h"
#include "shell/Widget.h"
#include "shell/newDisplayWindowButton.h"
#include "support/FileSizeLimit.h"

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

// A media item of the kind, its block at its defaults, appended to the window's list (which owns it).
inline QVLedMediaObject *appendItem(CommonWinObject *window, const QString &kind)
{
    auto *item = new QVLedMediaObject;
    item->kind = kind;
    item->windowName = window->name;
    item->programName = window->programName;
    item->segmentName = window->segmentName;
    item->displayName = window->displayName;
    window->media.append(item);
    return item;
}

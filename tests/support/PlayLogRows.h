#pragma once

// The rows the play log holds for an item, after every row queued so far
// has been written.

#include "playback/PlayLog.h"
#include "playback/dataBaseConn.h"

#include <QDate>
#include <QStringList>

namespace PlayLogRows {

// The play-log rows of `day` for items named `name` (the file name after the
// last "/"), after every row queued so far is written: name, length, dates,
// times, result.
inline QList<QStringList> loggedRows(const QString &name, const QDate &day)
{
    PlayLog::flush();
    dataBaseConn log;
    const QString date = day.toString(QStringLiteral("yyyy-MM-dd"));
    QList<QStringList> rows;
    for (const QStringList &row : log.queryLogs(name, date, date)) {
        if (row.value(0) == name)
            rows << row;
    }
    return rows;
}

// The results of those rows ("success", "failed").
inline QStringList loggedResults(const QString &name, const QDate &day)
{
    QStringList results;
    for (const QStringList &row : loggedRows(name, day))
        results << row.value(6);
    return results;
}

} // namespace PlayLogRows

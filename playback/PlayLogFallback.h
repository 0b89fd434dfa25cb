#pragma once

// Rows the play log's database cannot take are kept in a plain text file
// next to it, "<log file>.fallback.txt": UTF-8, one line per row, the seven
// columns of LOGINFOS in table order separated by tabs; a tab, line break or
// backslash inside a value is written as \t, \n, \r or \\. Lines are only
// ever appended.

#include <QList>
#include <QString>
#include <QStringList>

namespace PlayLogFallback {

QString pathFor(const QString &databasePath);
// One row as its line, without the line end.
QString encode(const QStringList &row);
QStringList decode(const QString &line);
// Appends the rows; false with *error set when the file cannot take them.
bool append(const QString &databasePath, const QList<QStringList> &rows, QString *error);

} // namespace PlayLogFallback

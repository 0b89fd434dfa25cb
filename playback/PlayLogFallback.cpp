// The play log's fallback file.

#include "playback/PlayLogFallback.h"

#include <QCoreApplication>
#include <QFile>

namespace PlayLogFallback {

QString pathFor(const QString &databasePath)
{
    return databasePath + QStringLiteral(".fallback.txt");
}

QString encode(const QStringList &row)
{
    QStringList fields;
    for (int column = 0; column < 7; ++column) {
        QString value = row.value(column);
        value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
        value.replace(QLatin1Char('\t'), QLatin1String("\\t"));
        value.replace(QLatin1Char('\n'), QLatin1String("\\n"));
        value.replace(QLatin1Char('\r'), QLatin1String("\\r"));
        fields << value;
    }
    return fields.join(QLatin1Char('\t'));
}

QStringList decode(const QString &line)
{
    QStringList fields{QString()};
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\t')) {
            fields << QString();
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            const QChar escaped = line.at(++i);
            fields.last() += escaped == QLatin1Char('t')   ? QChar(QLatin1Char('\t'))
                             : escaped == QLatin1Char('n') ? QChar(QLatin1Char('\n'))
                             : escaped == QLatin1Char('r') ? QChar(QLatin1Char('\r'))
                                                           : escaped;
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

bool append(const QString &databasePath, const QList<QStringList> &rows, QString *error)
{
    if (rows.isEmpty())
        return true;
    QByteArray text;
    for (const QStringList &row : rows)
        text += encode(row).toUtf8() + '\n';
    QFile file(pathFor(databasePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(text) != text.size() || !file.flush()) {
        if (error)
            *error = QCoreApplication::translate("PlayLog", "cannot write %1: %2")
                         .arg(file.fileName(), file.errorString());
        return false;
    }
    return true;
}

} // namespace PlayLogFallback

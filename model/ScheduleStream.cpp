#include "model/ScheduleStream.h"

#include "model/KindNames.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {
constexpr quint32 kNullByteArray = 0xFFFFFFFFu;

// Times are written and read often (several per media item) and Qt's general
// date-time parser is slow, so the two fixed forms "HH:mm:ss" and
// "HH:mm:ss.zzz" are handled here; anything else goes to Qt.
QString formatTime(const QTime &time, const char *format)
{
    const bool withMillis = qstrcmp(format, ScheduleFormat::kDurationFormat) == 0;
    if (!withMillis && qstrcmp(format, ScheduleFormat::kTimeFormat) != 0)
        return time.toString(QLatin1String(format));
    char text[13];
    const int length = withMillis ? 12 : 8;
    qsnprintf(text, sizeof text, withMillis ? "%02d:%02d:%02d.%03d" : "%02d:%02d:%02d", time.hour(),
              time.minute(), time.second(), time.msec());
    return QString::fromLatin1(text, length);
}

int twoDigits(const QString &text, int at)
{
    const QChar tens = text.at(at), ones = text.at(at + 1);
    if (!tens.isDigit() || !ones.isDigit() || tens.unicode() > '9' || ones.unicode() > '9')
        return -1;
    return (tens.unicode() - '0') * 10 + (ones.unicode() - '0');
}

QTime parseTime(const QString &text, const char *format)
{
    const bool plain = text.size() == 8;
    const bool withMillis = text.size() == 12 && text.at(8) == QLatin1Char('.');
    const bool fixedForm = qstrcmp(format, ScheduleFormat::kDurationFormat) == 0
                               ? withMillis
                               : plain && qstricmp(format, ScheduleFormat::kTimeFormat) == 0;
    if (fixedForm && text.at(2) == QLatin1Char(':') && text.at(5) == QLatin1Char(':')) {
        const int hours = twoDigits(text, 0), minutes = twoDigits(text, 3), seconds = twoDigits(text, 6);
        int millis = 0;
        if (withMillis) {
            const int high = twoDigits(text, 9);
            const QChar last = text.at(11);
            millis = (high < 0 || !last.isDigit() || last.unicode() > '9') ? -1 : high * 10 + (last.unicode() - '0');
        }
        if (hours >= 0 && minutes >= 0 && seconds >= 0 && millis >= 0)
            return QTime(hours, minutes, seconds, millis);
    }
    return QTime::fromString(text, QLatin1String(format));
}
} // namespace

ScheduleStreamWriter::ScheduleStreamWriter(QByteArray *out) : m_stream(out, QIODevice::WriteOnly)
{
    m_stream.setVersion(ScheduleFormat::kStreamVersion);
}

void ScheduleStreamWriter::writeInt(int value)
{
    m_stream << qint32(value);
}

void ScheduleStreamWriter::writeBool(bool value)
{
    m_stream << value;
}

void ScheduleStreamWriter::writeString(const QString &value)
{
    if (value.isNull()) {
        m_stream << kNullByteArray;
        return;
    }
    const QByteArray utf8 = value.toUtf8();
    m_stream << quint32(utf8.size());
    m_stream.writeRawData(utf8.constData(), utf8.size());
}

void ScheduleStreamWriter::writeColour(const QColor &value)
{
    writeInt(value.red());
    writeInt(value.green());
    writeInt(value.blue());
}

void ScheduleStreamWriter::writeDate(const QDate &value)
{
    writeString(value.isValid() ? value.toString(QLatin1String(ScheduleFormat::kDateFormat)) : QString());
}

void ScheduleStreamWriter::writeTime(const QTime &value, const char *format)
{
    writeString(value.isValid() ? formatTime(value, format) : QString());
}

void ScheduleStreamWriter::writeWeekdays(const QStringList &days)
{
    for (const QString &day : Weekday::allDays())
        writeInt(days.contains(day) ? 1 : 0);
}

ScheduleStreamReader::ScheduleStreamReader(const QByteArray &data) : m_data(data) {}

void ScheduleStreamReader::fail(const char *field, const QString &reason)
{
    if (failed())
        return;
    m_error = QCoreApplication::translate("ScheduleReader", "cannot read %1 at offset %2: %3")
                  .arg(QLatin1String(field))
                  .arg(m_offset)
                  .arg(reason);
}

bool ScheduleStreamReader::take(qint64 bytes, const char *field)
{
    if (failed())
        return false;
    if (bytes > remaining()) {
        fail(field, QCoreApplication::translate("ScheduleReader", "the file ends too early"));
        return false;
    }
    return true;
}

int ScheduleStreamReader::readInt(const char *field)
{
    if (!take(4, field))
        return 0;
    const auto value = qFromBigEndian<qint32>(m_data.constData() + m_offset);
    m_offset += 4;
    return value;
}

bool ScheduleStreamReader::readBool(const char *field)
{
    if (!take(1, field))
        return false;
    return m_data.at(int(m_offset++)) != 0;
}

QByteArray ScheduleStreamReader::readBytes(const char *field)
{
    if (!take(4, field))
        return QByteArray();
    const auto size = qFromBigEndian<quint32>(m_data.constData() + m_offset);
    if (size == kNullByteArray) {
        m_offset += 4;
        return QByteArray();
    }
    if (qint64(size) > remaining() - 4) {
        fail(field, QCoreApplication::translate("ScheduleReader",
                                                "a text of %1 bytes does not fit in the rest of the file")
                        .arg(size));
        return QByteArray();
    }
    m_offset += 4;
    QByteArray bytes(m_data.constData() + m_offset, int(size));
    m_offset += size;
    return bytes;
}

QString ScheduleStreamReader::readString(const char *field)
{
    const QByteArray bytes = readBytes(field);
    if (bytes.isNull())
        return QString();
    QString text = QString::fromUtf8(bytes);
    if (text.isNull())
        text = QLatin1String(""); // an empty, but not null, text
    return text;
}

QColor ScheduleStreamReader::readColour(const char *field)
{
    int rgb[3];
    for (int &component : rgb) {
        component = readInt(field);
        if (!failed() && (component < 0 || component > 255)) {
            m_offset -= 4;
            fail(field, QCoreApplication::translate("ScheduleReader", "colour component %1 is out of range")
                            .arg(component));
        }
    }
    if (failed())
        return QColor(0, 0, 0);
    return QColor(rgb[0], rgb[1], rgb[2]);
}

QDate ScheduleStreamReader::readDate(const char *field)
{
    return QDate::fromString(readString(field), QLatin1String(ScheduleFormat::kDateFormat));
}

QTime ScheduleStreamReader::readTime(const char *field, const char *format)
{
    return parseTime(readString(field), format);
}

QStringList ScheduleStreamReader::readWeekdays(const char *field)
{
    QStringList days;
    for (const QString &day : Weekday::allDays()) {
        if (readInt(field) != 0)
            days.append(day);
    }
    return days;
}

int ScheduleStreamReader::readCount(const char *field, int minElementBytes)
{
    const qint64 countOffset = m_offset;
    const int count = readInt(field);
    if (failed() || fits(count, minElementBytes))
        return failed() ? 0 : count;
    m_offset = countOffset; // the error names the count's own offset
    return boundCount(field, count, minElementBytes);
}

int ScheduleStreamReader::boundCount(const char *field, int count, int minElementBytes)
{
    if (failed())
        return 0;
    if (!fits(count, minElementBytes)) {
        fail(field, QCoreApplication::translate("ScheduleReader",
                                                "the count %1 does not fit in the rest of the file")
                        .arg(count));
        return 0;
    }
    return count;
}

bool ScheduleStreamReader::fits(int count, int minElementBytes) const
{
    return count >= 0 && qint64(count) * minElementBytes <= remaining();
}

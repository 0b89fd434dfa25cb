#pragma once

// The value encodings of the schedule file: a Qt data stream (version 17,
// big-endian) of ints, one-byte bools and UTF-8 byte arrays. Colours are three
// ints, dates and times are strings, a weekday set is seven 0/1 ints.

#include <QByteArray>
#include <QColor>
#include <QDataStream>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace ScheduleFormat {
constexpr int kStreamVersion = QDataStream::Qt_5_6; // 17
constexpr const char *kDateFormat = "yyyy-MM-dd";
constexpr const char *kTimeFormat = "HH:mm:ss";
constexpr const char *kDurationFormat = "HH:mm:ss.zzz";
} // namespace ScheduleFormat

class ScheduleStreamWriter
{
public:
    explicit ScheduleStreamWriter(QByteArray *out);

    void writeInt(int value);
    void writeBool(bool value);
    // A null string is stored as the count 0xFFFFFFFF, an empty one as count 0.
    void writeString(const QString &value);
    void writeColour(const QColor &value);
    void writeDate(const QDate &value);
    void writeTime(const QTime &value, const char *format = ScheduleFormat::kTimeFormat);
    void writeWeekdays(const QStringList &days);

private:
    QDataStream m_stream;
};

// Reads the encodings back from bytes held in memory. It never trusts them:
// the first value that cannot be read sets an error naming the field and
// its offset; from then on every read yields a default value and every count
// yields 0, so loops over counts end at once.
class ScheduleStreamReader
{
public:
    explicit ScheduleStreamReader(const QByteArray &data);

    int readInt(const char *field);
    bool readBool(const char *field);
    QByteArray readBytes(const char *field); // null for the count 0xFFFFFFFF
    QString readString(const char *field);   // keeps null apart from empty
    QColor readColour(const char *field);
    QDate readDate(const char *field);
    QTime readTime(const char *field, const char *format = ScheduleFormat::kTimeFormat);
    QStringList readWeekdays(const char *field);
    // A count of elements that each take at least minElementBytes in the file;
    // a negative count, or one the rest of the file cannot hold, is an error.
    int readCount(const char *field, int minElementBytes);
    // The same check for a count read earlier.
    int boundCount(const char *field, int count, int minElementBytes);

    bool failed() const { return !m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    qint64 offset() const { return m_offset; }
    qint64 remaining() const { return m_data.size() - m_offset; }
    void fail(const char *field, const QString &reason);

private:
    bool take(qint64 bytes, const char *field);
    bool fits(int count, int minElementBytes) const;

    QByteArray m_data;
    qint64 m_offset = 0;
    QString m_error;
};

#pragma once

// Collects what the program writes through its logging categories (from
// any thread) while it lives, so tests can count reports. Messages still go
// on to the previous handler, unless the log is made to keep them.

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstring>

class MessageLog
{
public:
    enum class Forward { Yes, No };
    explicit MessageLog(Forward forward = Forward::Yes) : m_forward(forward == Forward::Yes)
    {
        s_current = this;
        m_previous = qInstallMessageHandler(&MessageLog::handle);
    }
    ~MessageLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    MessageLog(const MessageLog &) = delete;
    MessageLog &operator=(const MessageLog &) = delete;

    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_entries.clear();
    }
    // Messages of the type and category that contain the text.
    int count(QtMsgType type, const char *category, const QString &text = QString()) const
    {
        QMutexLocker lock(&m_mutex);
        int n = 0;
        for (const Entry &entry : m_entries)
            n += entry.type == type && entry.category == QLatin1String(category) && entry.text.contains(text);
        return n;
    }
    QStringList texts(const char *category) const
    {
        QMutexLocker lock(&m_mutex);
        QStringList result;
        for (const Entry &entry : m_entries)
            if (entry.category == QLatin1String(category))
                result << entry.text;
        return result;
    }

private:
    struct Entry
    {
        QtMsgType type;
        QString category;
        QString text;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (MessageLog *log = s_current) {
            QMutexLocker lock(&log->m_mutex);
            log->m_entries.append({type, QString::fromLatin1(context.category ? context.category : ""), text});
        }
        if (s_current && s_current->m_forward && s_current->m_previous)
            s_current->m_previous(type, context, text);
    }

    static inline MessageLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
    bool m_forward = true;
    mutable QMutex m_mutex;
    QList<Entry> m_entries;
};

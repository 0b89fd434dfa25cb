#pragma once

// An area player's handle on the play log. setLogInfo() then start() hands
// one row to the process's single log writer (PlayLog) and returns at once;
// the fields may be set again right away, no row is lost. Not a thread of
// its own any more: every area player shares the one writer thread.

#include <QObject>
#include <QString>
#include <QThread>

class writeLogThread : public QObject
{
    Q_OBJECT

public:
    explicit writeLogThread(QObject *parent = nullptr);
    ~writeLogThread() override;

    void setLogInfo(const QString &name, const QString &length, const QString &beginDate,
                    const QString &endDate, const QString &beginTime, const QString &endTime,
                    const QString &result);
    // Queues the row last set. The priority is accepted for the callers'
    // sake; the shared writer keeps its own.
    void start(QThread::Priority priority = QThread::InheritPriority);

private:
    QString logName;
    QString logLength;
    QString logBeginDate;
    QString logEndDate;
    QString logBeginTime;
    QString logEndTime;
    QString logResult;
};

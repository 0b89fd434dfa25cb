#include "playback/writeLogThread.h"

#include "playback/PlayLog.h"

writeLogThread::writeLogThread(QObject *parent)
    : QObject(parent)
{
}

writeLogThread::~writeLogThread() = default;

void writeLogThread::setLogInfo(const QString &name, const QString &length,
                                const QString &beginDate, const QString &endDate,
                                const QString &beginTime, const QString &endTime,
                                const QString &result)
{
    logName = name;
    logLength = length;
    logBeginDate = beginDate;
    logEndDate = endDate;
    logBeginTime = beginTime;
    logEndTime = endTime;
    logResult = result;
}

void writeLogThread::start(QThread::Priority)
{
    PlayLog::enqueue({logName, logLength, logBeginDate, logEndDate, logBeginTime, logEndTime,
                      logResult});
}

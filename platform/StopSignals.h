#pragma once

// The system's requests to stop the program (SIGTERM from kill or a service
// manager, SIGINT from Ctrl+C; on Windows the console's close and Ctrl+C)
// arrive as a Qt signal on the GUI thread, so the program can end the
// normal way instead of being cut off. One object at a time; while it lives
// those requests no longer end the process by themselves.

#include <QObject>

class QSocketNotifier;

class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

    // False when the requests could not be caught (they then end the process as before).
    bool isWatching() const { return m_watching; }

signals:
    void stopRequested(int signalNumber);

private:
    void readPending();

    bool m_watching = false;
    QSocketNotifier *m_notifier = nullptr;
};

// Stop requests on Windows: the console's Ctrl+C, Ctrl+Break and close come
// on a thread of the system's; they are passed on to the GUI thread.

#include "platform/StopSignals.h"

#include <QMetaObject>
#include <QPointer>

#include <csignal>
#include <windows.h>

namespace {
QPointer<StopSignals> current;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    if (!current)
        return FALSE;
    const int number = event == CTRL_C_EVENT ? SIGINT : SIGTERM;
    StopSignals *target = current;
    QMetaObject::invokeMethod(
        target, [target, number] { emit target->stopRequested(number); }, Qt::QueuedConnection);
    return TRUE;
}
} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    current = this;
    m_watching = SetConsoleCtrlHandler(onConsoleEvent, TRUE) != 0;
}

StopSignals::~StopSignals()
{
    SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    current = nullptr;
}

void StopSignals::readPending()
{ }

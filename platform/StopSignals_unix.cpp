// Stop requests on Unix: the signal handler only writes the signal's number
// into a socket (all a handler may safely do); the GUI thread reads it there.

#include "platform/StopSignals.h"

#include "base/Log.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int pipeEnds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT};
struct sigaction previous[2];

void onSignal(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    if (::write(pipeEnds[1], &byte, 1) < 0) {
        // Nothing a handler can do; the request is lost only if the socket is full of others.
    }
    errno = savedErrno;
}
} // namespace

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0) {
        qCWarning(lcShell) << "stop requests cannot be caught:" << qt_error_string(errno);
        return;
    }
    ::fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignals::readPending);
    for (int i = 0; i < 2; ++i) {
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(kSignals[i], &action, &previous[i]);
    }
    m_watching = true;
}

StopSignals::~StopSignals()
{
    if (!m_watching)
        return;
    for (int i = 0; i < 2; ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    delete m_notifier;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void StopSignals::readPending()
{
    char byte = 0;
    if (::read(pipeEnds[0], &byte, 1) == 1)
        emit stopRequested(int(byte));
}

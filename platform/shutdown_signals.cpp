#include "platform/shutdown_signals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace quintaro {

namespace {

constexpr std::array handledSignals{SIGTERM, SIGHUP, SIGINT};

// The handler may only write to the socket; the event loop reads the other end.
int signalSockets[2] = {-1, -1};

void onSignal(int number) {
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &ShutdownSignals::readSignal);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The next one of the same signal is not waited for.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int number : handledSignals)
        ::sigaction(number, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    for (int number : handledSignals)
        std::signal(number, SIG_DFL);
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void ShutdownSignals::readSignal() {
    unsigned char byte = 0;
    while (::read(signalSockets[1], &byte, 1) == 1)
        Q_EMIT received(byte);
}

} // namespace quintaro

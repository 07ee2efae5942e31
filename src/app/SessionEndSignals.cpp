#include "SessionEndSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's ends; the handler can reach nothing but a static. -1 while no instance exists.
volatile sig_atomic_t pipeWriteEnd = -1;
int pipeReadEnd = -1;

void onSignal(int intSignal) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(intSignal);
    if (pipeWriteEnd >= 0) {
        // A full pipe already holds enough wake-ups; the byte may then be dropped.
        [[maybe_unused]] const ssize_t written = ::write(pipeWriteEnd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

SessionEndSignals::SessionEndSignals(QObject* parent) : QObject(parent) {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_NONBLOCK | O_CLOEXEC) != 0) {
        return; // the signals keep their default action
    }
    pipeReadEnd = ends[0];
    pipeWriteEnd = ends[1];
    notifier = new QSocketNotifier(pipeReadEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SessionEndSignals::readPending);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int intSignal : kSignals) {
        sigaction(intSignal, &action, nullptr);
    }
}

SessionEndSignals::~SessionEndSignals() {
    if (notifier == nullptr) {
        return;
    }
    for (const int intSignal : kSignals) {
        std::signal(intSignal, SIG_DFL);
    }
    const int intWriteEnd = pipeWriteEnd;
    pipeWriteEnd = -1;
    ::close(intWriteEnd);
    delete notifier;
    ::close(pipeReadEnd);
    pipeReadEnd = -1;
}

void SessionEndSignals::readPending() {
    unsigned char byte = 0;
    while (::read(pipeReadEnd, &byte, 1) == 1) {
        emit received(byte);
    }
}

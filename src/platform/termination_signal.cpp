// SPDX-License-Identifier: GPL-3.0-or-later
#include "termination_signal.h"

#include <array>
#include <csignal>

#include <QSocketNotifier>

#include "delivered_input.h"

#include <sys/socket.h>
#include <unistd.h>

namespace numerette {

namespace {

constexpr std::array HandledSignals{SIGTERM, SIGINT, SIGHUP};

// The handler may only do async-signal-safe work: it writes one byte that the event loop
// reads. Both ends stay open for the life of the process.
int g_signalPipe[2] = {-1, -1};

extern "C" void writeSignalByte(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_signalPipe[0], &byte, 1);
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : HandledSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignal::TerminationSignal(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0) {
        qWarning("Numerette: cannot watch for termination signals; they end the program at once");
        return;
    }
    m_input = new DeliveredInput(this);
    m_notifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        m_input->afterDeliveredInput([this] { emit requested(); });
    });
    setHandler(writeSignalByte);
}

TerminationSignal::~TerminationSignal()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(g_signalPipe[0]);
    ::close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
}

} // namespace numerette

// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/stopsignals.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a descriptor; the event loop reads the other end.
std::array<int, 2> s_pipe{-1, -1};
constexpr std::array kStopSignals{SIGINT, SIGTERM};

void noteSignal(int)
{
    const char byte = 1;
    // A full pipe already holds a stop that has not been read; nothing is lost.
    if (::write(s_pipe[1], &byte, 1) < 0)
        return;
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent)
{
    if (::pipe2(s_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(s_pipe[0], bytes, sizeof bytes) > 0) {}
        emit received();
    });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kStopSignals)
        ::sigaction(number, &action, nullptr);
}

StopSignals::~StopSignals()
{
    for (const int number : kStopSignals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    m_notifier = nullptr;
    for (int& end : s_pipe) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
}

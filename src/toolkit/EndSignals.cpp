// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/EndSignals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace numislot::toolkit {

namespace {

constexpr std::array EndingSignals { SIGTERM, SIGHUP, SIGINT };

// [0] is written by the handler, [1] read by the event loop.
int wakeSockets[2] = { -1, -1 };

extern "C" void onEndingSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with bytes already waiting, the loop wakes anyway.
    [[maybe_unused]] const ssize_t written = ::write(wakeSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

EndSignals::EndSignals(QObject* parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeSockets) != 0)
        return;
    m_notifier = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::wake);

    struct sigaction action = {};
    action.sa_handler = onEndingSignal;
    sigfillset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : EndingSignals) {
        // A signal ignored by whoever started the program stays ignored (nohup, a background job).
        struct sigaction inherited = {};
        if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN)
            continue;
        if (::sigaction(signal, &action, nullptr) == 0)
            m_handled.append(signal);
    }
}

EndSignals::~EndSignals()
{
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (const int signal : std::as_const(m_handled))
        ::sigaction(signal, &action, nullptr);
    if (wakeSockets[0] >= 0) {
        delete m_notifier;
        ::close(wakeSockets[0]);
        ::close(wakeSockets[1]);
        wakeSockets[0] = wakeSockets[1] = -1;
    }
}

void EndSignals::wake()
{
    std::array<char, 16> bytes {};
    while (::read(wakeSockets[1], bytes.data(), bytes.size()) > 0) { }
    Q_EMIT received();
}

} // namespace numislot::toolkit

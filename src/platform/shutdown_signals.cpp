#include "platform/shutdown_signals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kHandled{SIGTERM, SIGINT, SIGHUP};

// [0] is read by the event loop, [1] written by the handler.
int pipeEnds[2] = {-1, -1};
std::array<struct sigaction, kHandled.size()> previous{};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full pipe only loses a repeat of a request already pending.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &number, 1);
    errno = savedErrno;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds) != 0)
        return; // without the pair the signals keep their usual effect
    for (int end : pipeEnds)
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::readPending);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kHandled.size(); ++i)
        ::sigaction(kHandled[i], &action, &previous[i]);
}

ShutdownSignals::~ShutdownSignals()
{
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < kHandled.size(); ++i)
        ::sigaction(kHandled[i], &previous[i], nullptr);
    delete notifier_;
    for (int& end : pipeEnds) {
        ::close(end);
        end = -1;
    }
}

void ShutdownSignals::readPending()
{
    unsigned char number = 0;
    bool any = false;
    while (::read(pipeEnds[0], &number, 1) == 1)
        any = true;
    if (any)
        emit received(number);
}

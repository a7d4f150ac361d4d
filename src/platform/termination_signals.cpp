#include "platform/termination_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace brisquel {

namespace {

constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may do next to nothing: it hands the signal's number to the event loop.
int s_pipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    const ssize_t written = write(s_pipe[1], &number, 1);
    static_cast<void>(written); // a full pipe already holds a request to end
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent)
    : QObject(parent)
{
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, s_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::drain);
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Handled)
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    for (const int signal : Handled)
        sigaction(signal, &standard, nullptr);
    delete m_notifier;
    for (int& fd : s_pipe) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

void TerminationSignals::drain()
{
    unsigned char numbers[64];
    for (;;) {
        const ssize_t n = read(s_pipe[0], numbers, sizeof numbers);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        for (ssize_t i = 0; i < n; ++i)
            emit received(numbers[i]);
    }
}

} // namespace brisquel

#include "cli/interrupt_signals.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace brisquel {

namespace {

constexpr int Handled[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// Written by the handler; one process has one set of handlers.
volatile sig_atomic_t g_writeEnd = -1;

void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe loses a byte, never the run: many signals are still many.
    [[maybe_unused]] const ssize_t written = write(g_writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

InterruptSignals::InterruptSignals()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("cannot make the signal pipe");
    m_read = ends[0];
    m_write = ends[1];
    g_writeEnd = m_write;
    for (std::size_t i = 0; i < std::size(Handled); ++i) {
        struct sigaction action {};
        action.sa_handler = Handled[i] == SIGPIPE ? SIG_IGN : onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(Handled[i], &action, &m_previous[i]);
    }
}

InterruptSignals::~InterruptSignals()
{
    for (std::size_t i = 0; i < std::size(Handled); ++i)
        sigaction(Handled[i], &m_previous[i], nullptr);
    g_writeEnd = -1;
    close(m_read);
    close(m_write);
}

std::vector<int> InterruptSignals::take()
{
    std::vector<int> signals;
    unsigned char bytes[64];
    for (;;) {
        const ssize_t n = read(m_read, bytes, sizeof bytes);
        if (n > 0) {
            signals.insert(signals.end(), bytes, bytes + n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    return signals;
}

} // namespace brisquel

#include "process/poll_event_pump.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <string>

namespace brisquel {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline)
{
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 1 << 30));
}

} // namespace

void PollEventPump::watch(int fd, std::function<void()> handler)
{
    m_watched.push_back({fd, std::move(handler)});
}

void PollEventPump::setPassHandler(std::function<void()> handler)
{
    m_passHandler = std::move(handler);
}

bool PollEventPump::pass(int ms, int fd)
{
    std::vector<pollfd> fds;
    fds.reserve(m_watched.size() + 1);
    for (const Watched& watched : m_watched)
        fds.push_back({watched.fd, POLLIN, 0});
    if (fd >= 0)
        fds.push_back({fd, POLLIN, 0});
    const int ready = poll(fds.data(), fds.size(), std::max(ms, 0));
    // A signal cuts the sleep short; its handler's byte is then waiting for the next pass.
    if (ready < 0 && errno != EINTR)
        throw std::runtime_error(std::string("poll failed: ") + std::strerror(errno));
    bool readable = false;
    if (ready > 0) {
        // A closed pipe or an ended process reads as ready too: the reader finds out which.
        constexpr short Ready = POLLIN | POLLHUP | POLLERR;
        // Handlers may add watches; only the ones polled are looked at.
        const std::size_t polled = fds.size() - (fd >= 0 ? 1 : 0);
        for (std::size_t i = 0; i < polled; ++i) {
            if (fds[i].revents & Ready)
                m_watched[i].handler();
        }
        readable = fd >= 0 && (fds.back().revents & (Ready | POLLNVAL)) != 0;
    }
    if (m_passHandler)
        m_passHandler();
    return readable;
}

void PollEventPump::ProcessPending()
{
    pass(0, -1);
}

void PollEventPump::Wait(int ms)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    do
        pass(millisecondsUntil(deadline), -1);
    while (Clock::now() < deadline);
}

void PollEventPump::WaitOrReadable(int ms, int fd)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(std::max(ms, 0));
    do {
        if (pass(millisecondsUntil(deadline), fd))
            return;
    } while (Clock::now() < deadline);
}

} // namespace brisquel

#pragma once

#include "process/event_pump.h"

#include <functional>
#include <vector>

namespace brisquel {

// The pump of a front end without a window: its "messages" are descriptors turning
// readable (a signal's self-pipe, say), each with the handler that takes what made it so.
// Waits sleep in poll(), so a run wakes as soon as its converter writes or ends.
class PollEventPump : public EventPump
{
public:
    // `handler` runs at every pass that finds `fd` readable; it must read what made it so,
    // or the next pass finds it readable again.
    void watch(int fd, std::function<void()> handler);

    // Runs at the end of every pass, whether anything was readable or not.
    void setPassHandler(std::function<void()> handler);

    void ProcessPending() override;
    void Wait(int ms) override;
    void WaitOrReadable(int ms, int fd) override;

private:
    // One poll of at most `ms`, then the handlers; true when `fd` (if not -1) was readable.
    bool pass(int ms, int fd);

    struct Watched
    {
        int fd;
        std::function<void()> handler;
    };
    std::vector<Watched> m_watched;
    std::function<void()> m_passHandler;
};

} // namespace brisquel

#pragma once

namespace brisquel {

// Keeps the window alive while work runs on its one thread.
class EventPump
{
public:
    virtual ~EventPump() = default;

    // Lets the window handle the messages that are waiting now (paint, input, timers).
    virtual void ProcessPending() = 0;

    // Returns after `ms` milliseconds, handling every message that arrives meanwhile.
    // Throws std::runtime_error when the wait cannot be carried out.
    virtual void Wait(int ms) = 0;

    // As Wait, but may return early once `fd` is readable (a pipe with data, an ended
    // process's pidfd). A pump that cannot watch descriptors just waits.
    virtual void WaitOrReadable(int ms, int fd)
    {
        (void)fd;
        Wait(ms);
    }
};

} // namespace brisquel

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
};

} // namespace brisquel

#pragma once

namespace brisquel {

class EventPump;

// Pauses without freezing the window: the pump sleeps and handles every message that
// arrives before the time is up.
class clsWaitableTimer
{
public:
    explicit clsWaitableTimer(EventPump& pump);
    clsWaitableTimer(const clsWaitableTimer&) = delete;
    clsWaitableTimer& operator=(const clsWaitableTimer&) = delete;

    // Returns after MilliSeconds (a negative pause is already due). A wait that cannot be
    // carried out is not retried: it throws std::runtime_error whose text begins
    // "[clsWaitableTimer.Wait]" and goes on with the failure's own description.
    void Wait(int MilliSeconds);

    // As Wait, ending early once `wakeFd` is readable; -1 watches nothing.
    void Wait(int MilliSeconds, int wakeFd);

private:
    EventPump& m_pump;
};

} // namespace brisquel

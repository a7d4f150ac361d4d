#pragma once

#include <chrono>

namespace brisquel {

class EventPump;

// Lets the window handle its messages at most once every `interval`. Work that offers a
// yield after every item (a file found, a row removed) would otherwise spend far more on
// repainting than on itself; a turn of the loop every few milliseconds keeps the window as
// lively. The first offer always yields.
class ThrottledYield
{
public:
    ThrottledYield(EventPump& pump, std::chrono::milliseconds interval);

    void operator()();

private:
    EventPump& m_pump;
    std::chrono::milliseconds m_interval;
    std::chrono::steady_clock::time_point m_last{};
    bool m_yielded = false;
};

} // namespace brisquel

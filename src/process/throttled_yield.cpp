#include "process/throttled_yield.h"

#include "process/event_pump.h"

namespace brisquel {

ThrottledYield::ThrottledYield(EventPump& pump, std::chrono::milliseconds interval)
    : m_pump(pump)
    , m_interval(interval)
{
}

void ThrottledYield::operator()()
{
    if (m_yielded && std::chrono::steady_clock::now() - m_last < m_interval)
        return;
    m_pump.ProcessPending();
    // Timed from the end of the turn: a slow repaint must not leave the work no time at all.
    m_last = std::chrono::steady_clock::now();
    m_yielded = true;
}

} // namespace brisquel

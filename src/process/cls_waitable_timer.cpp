#include "process/cls_waitable_timer.h"

#include "process/event_pump.h"

#include <exception>
#include <stdexcept>
#include <string>

namespace brisquel {

clsWaitableTimer::clsWaitableTimer(EventPump& pump)
    : m_pump(pump)
{
}

void clsWaitableTimer::Wait(int MilliSeconds)
{
    try {
        m_pump.Wait(MilliSeconds > 0 ? MilliSeconds : 0);
    } catch (const std::exception& failure) {
        throw std::runtime_error(std::string("[clsWaitableTimer.Wait]") + failure.what());
    } catch (...) {
        throw std::runtime_error("[clsWaitableTimer.Wait]unknown failure");
    }
}

} // namespace brisquel

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
    Wait(MilliSeconds, -1);
}

void clsWaitableTimer::Wait(int MilliSeconds, int wakeFd)
{
    const int pause = MilliSeconds > 0 ? MilliSeconds : 0;
    try {
        if (wakeFd >= 0)
            m_pump.WaitOrReadable(pause, wakeFd);
        else
            m_pump.Wait(pause);
    } catch (const std::exception& failure) {
        throw std::runtime_error(std::string("[clsWaitableTimer.Wait]") + failure.what());
    } catch (...) {
        throw std::runtime_error("[clsWaitableTimer.Wait]unknown failure");
    }
}

} // namespace brisquel

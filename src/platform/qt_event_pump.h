#pragma once

#include "process/event_pump.h"

namespace brisquel {

// The window's pump: pending messages through QCoreApplication, waits in a nested loop.
class QtEventPump : public EventPump
{
public:
    void ProcessPending() override;
    void Wait(int ms) override;
    void WaitOrReadable(int ms, int fd) override;
};

} // namespace brisquel

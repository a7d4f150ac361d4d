#include "process/cls_waitable_timer.h"

#include "process/event_pump.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <vector>

namespace brisquel {
namespace {

class RecordingPump : public EventPump
{
public:
    void ProcessPending() override {}
    void Wait(int ms) override
    {
        waits.push_back(ms);
        if (failure)
            throw std::runtime_error(failure);
    }

    std::vector<int> waits;
    const char* failure = nullptr;
};

TEST(clsWaitableTimer, WaitsThroughThePump)
{
    RecordingPump pump;
    clsWaitableTimer timer(pump);
    timer.Wait(50);
    timer.Wait(0);
    timer.Wait(-20); // already due, like a pause of 0
    EXPECT_EQ(pump.waits, (std::vector<int>{50, 0, 0}));
}

TEST(clsWaitableTimer, WaitTakesAboutItsTimeAndHandlesMessages)
{
    test::SleepPump pump;
    int handled = 0;
    pump.onPending = [&] { ++handled; };
    clsWaitableTimer timer(pump);
    const auto start = std::chrono::steady_clock::now();
    timer.Wait(50);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // Only the lower bound: a loaded machine may hand the time back late.
    EXPECT_GE(elapsed, std::chrono::milliseconds(50));
    EXPECT_EQ(handled, 1);
}

// A wait that fails is reported once, never tried again.
TEST(clsWaitableTimer, AFailedWaitFailsWithItsOwnPrefix)
{
    RecordingPump pump;
    pump.failure = "no event loop";
    clsWaitableTimer timer(pump);
    try {
        timer.Wait(50);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), "[clsWaitableTimer.Wait]no event loop");
    }
    EXPECT_EQ(pump.waits.size(), 1u);
}

} // namespace
} // namespace brisquel

#include "engine/split_length.h"

#include "engine/number_text.h"

#include <limits>

namespace brisquel {

int SplitLength(const std::string& text, int unitIndex, int previous)
{
    const auto number = ParseNumber(text);
    if (!number)
        return previous;
    const double factor = unitIndex == 0 ? 1 : unitIndex == 1 ? 60 : 3600;
    const double seconds = RoundHalfEven(*number) * factor;
    if (seconds < std::numeric_limits<int>::min() || seconds > std::numeric_limits<int>::max())
        return previous;
    return static_cast<int>(seconds);
}

std::string SegmentOption(int splitSeconds)
{
    // Without the reset every segment after the first keeps the input's timestamps, and
    // players take its start and length from them.
    return " -f segment -segment_time " + std::to_string(splitSeconds > 0 ? splitSeconds : NoSplitSeconds)
        + " -reset_timestamps 1";
}

} // namespace brisquel

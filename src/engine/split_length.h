#pragma once

#include <string>

namespace brisquel {

// The segment time given to the converter when the output is not to be cut: a split
// length of 0 or less would make the segment writer cut at every packet.
inline constexpr int NoSplitSeconds = 2147483647;

// The split length in whole seconds: `text` rounded half to even, times 1, 60 or 3600 for
// the unit position 0, 1 or any other. Text that is not a number, or a product beyond a
// signed 32-bit integer, gives `previous` (the value of the previous file of the batch).
int SplitLength(const std::string& text, int unitIndex, int previous);

// " -f segment -segment_time " and the split length, or NoSplitSeconds when it is 0 or less,
// then " -reset_timestamps 1": each segment starts at 0.
std::string SegmentOption(int splitSeconds);

} // namespace brisquel

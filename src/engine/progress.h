#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// Widths of the bar imgPB, in twips.
inline constexpr int FullBarWidth = 5415;
inline constexpr int AnimationRestartWidth = 5315;
inline constexpr int AnimationStepWidth = 100;

struct ProgressView
{
    int width = 0;       // twips
    std::string caption; // lblPB
    bool operator==(const ProgressView&) const = default;
};

// The first readable "Duration: " value of a chunk, in whole seconds. `step` runs as the
// chunk is scanned (see ScanMarker).
std::optional<int> DurationFromChunk(std::string_view chunk, const std::function<void()>& step = {});

// The bar and caption for `seconds` of `totalSeconds`; a total of 0 (duration unknown)
// shows a full bar and "100%". A negative time counts as 0.
ProgressView ProgressForTime(int seconds, int totalSeconds);

// The first four characters of `percent` in plain decimal notation, then "%".
std::string PercentCaption(double percent);

// One chunk of a conversion's output: fills in `totalSeconds` while it is 0 (from the cut
// length when the cutter is on, else from the chunk's "Duration: "), then gives the new
// display for the chunk's first "time=", or nothing when the chunk has none.
std::optional<ProgressView> ConversionProgress(std::string_view chunk, int& totalSeconds, bool cutterOn,
                                               int cutLengthSeconds);

// The bar width after one tick of the preparing animation.
int AnimationStep(int width);

} // namespace brisquel
